#include "list_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// A table view that says why it is empty instead of showing a blank field.
class XTableView : public QTableView {
public:
    using QTableView::QTableView;
    XListElement* list = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override {
        QTableView::paintEvent(event);
        if (!list || !XIsLive(list) || list->emptyText.isEmpty() || model()->rowCount() > 0) return;
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect(), Qt::AlignCenter | Qt::TextWordWrap, list->emptyText);
    }
};

// Brings the model up to date before the view handles anything, and turns
// double clicks on the viewport into the toolkit's event.
class ListEventFilter : public QObject {
public:
    explicit ListEventFilter(XListElement* list) : list_(list) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!XIsLive(list_)) return false;
        if (list_->model) list_->model->Flush();
        if (event->type() == QEvent::MouseButtonDblClick && watched == list_->view()->viewport()) {
            auto* me = static_cast<QMouseEvent*>(event);
            XEventArgs args;
            args.element = list_;
            args.point = {static_cast<int>(me->position().x()), static_cast<int>(me->position().y())};
            // Let the view select the row under the pointer first.
            const QModelIndex index = list_->view()->indexAt(me->position().toPoint());
            if (index.isValid()) list_->view()->selectRow(index.row());
            if (XFire(list_, XE_LBUTTONDBCLICK, args)) return true;
        }
        return false;
    }

private:
    XListElement* list_;
};

}  // namespace

XListElement::XListElement(QTableView* view) : XElement(XKind::List, view) {}

XListElement::~XListElement() {
    if (adapter) UnbindTable(adapter, this);
    if (header) UnbindMap(header, this);
}

std::u16string XListElement::FieldOf(int column) const {
    if (column >= 0 && column < static_cast<int>(itemCells.size())) return itemCells[static_cast<size_t>(column)].field;
    // Without a template: the running number, then data1, data2, ...
    if (column == 0) return u"number";
    return u"data" + XU(QString::number(column));
}

Qt::Alignment XListElement::AlignOf(int column, bool forHeader) const {
    const auto& cells = forHeader ? headerCells : itemCells;
    if (column >= 0 && column < static_cast<int>(cells.size())) return cells[static_cast<size_t>(column)].align;
    return Qt::AlignCenter;
}

void XListElement::Bind(XTableAdapter* a) {
    if (adapter == a) return;
    if (adapter) UnbindTable(adapter, this);
    adapter = a;
    if (adapter) BindTable(adapter, this, [this] { model->MarkDirty(); });
    model->ResetNow();
}

void XListElement::BindHeader(XMapAdapter* a) {
    if (header == a) return;
    if (header) UnbindMap(header, this);
    header = a;
    if (header) BindMap(header, this, [this] { model->MarkDirty(); });
    model->ResetNow();
}

void XListElement::ApplyWidths() {
    for (size_t i = 0; i < widths.size(); ++i) view()->setColumnWidth(static_cast<int>(i), widths[i]);
}

int XListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !XIsLive(list_) || !list_->adapter) return 0;
    return list_->adapter->RowCount();
}

int XListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !XIsLive(list_) ? 0 : static_cast<int>(list_->widths.size());
}

QVariant XListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !XIsLive(list_) || !list_->adapter) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return XQ(list_->adapter->Get(index.row(), list_->FieldOf(index.column())));
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(list_->AlignOf(index.column(), false));
    return {};
}

QVariant XListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !XIsLive(list_)) return {};
    if (role == Qt::DisplayRole) return list_->header ? XQ(list_->header->Get(list_->FieldOf(section))) : QVariant();
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(list_->AlignOf(section, true));
    return {};
}

void XListModel::MarkDirty() {
    if (dirty_) return;
    dirty_ = true;
    QTimer::singleShot(0, this, [this] { Flush(); });
}

void XListModel::Flush() {
    if (dirty_ && XIsLive(list_)) ResetNow();
}

void XListModel::ResetNow() {
    dirty_ = false;
    beginResetModel();
    endResetModel();
    list_->ApplyWidths();
}

XListElement* CreateListElement(QWidget* parent, XElement* parentElement) {
    auto* view = new XTableView(parent);
    auto* list = new XListElement(view);
    view->list = list;
    XAttach(list, parentElement);
    list->model = new XListModel(list);
    list->model->setParent(view);
    view->setModel(list->model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(list->itemHeight);
    view->horizontalHeader()->setFixedHeight(list->headerHeight);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    auto* filter = new ListEventFilter(list);
    filter->setParent(view);
    view->installEventFilter(filter);
    view->viewport()->installEventFilter(filter);
    return list;
}
