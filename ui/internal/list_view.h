// The list element: a table view whose columns are bound, in order, to the
// fields of an item template, and whose texts come from a table adapter
// (rows) and a map adapter (header).
#pragma once
#include <QAbstractTableModel>
#include <QTableView>

#include "adapters.h"
#include "object.h"

struct XTemplateCell {
    std::u16string field;
    Qt::Alignment align = Qt::AlignCenter;
};

class XListModel;

struct XListElement : XElement {
    XListElement(QTableView* view);
    ~XListElement() override;

    QTableView* view() const { return static_cast<QTableView*>(widget.data()); }
    std::u16string FieldOf(int column) const;
    Qt::Alignment AlignOf(int column, bool header) const;
    void Bind(XTableAdapter* adapter);
    void BindHeader(XMapAdapter* adapter);
    void ApplyWidths();

    std::vector<XTemplateCell> headerCells;
    std::vector<XTemplateCell> itemCells;
    int itemHeight = 30;
    int headerHeight = 30;
    std::vector<int> widths;
    QString emptyText;  // said in the middle of the list while it has no rows
    XTableAdapter* adapter = nullptr;
    XMapAdapter* header = nullptr;
    XListModel* model = nullptr;
};

class XListModel : public QAbstractTableModel {
public:
    explicit XListModel(XListElement* list) : list_(list) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Changes arrive in bursts (one per cell); the view hears of them once,
    // before its next event or from the event loop, whichever comes first.
    void MarkDirty();
    void Flush();
    void ResetNow();

private:
    XListElement* list_;
    bool dirty_ = false;
};

XListElement* CreateListElement(QWidget* parent, XElement* parentElement);
