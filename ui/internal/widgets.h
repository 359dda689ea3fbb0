// The Qt widgets behind the toolkit's window, toolbar and combobox.
#pragma once
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QWidget>

#include <map>

#include "adapters.h"
#include "object.h"

// The one top-level window: frameless with the layout's own title bar,
// moved by dragging any empty part of it and resized at its edges.
class XWindowWidget : public QWidget {
public:
    XWindowWidget();
    int StartTimer(unsigned id, unsigned milliseconds);

protected:
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Qt::Edges EdgesAt(const QPoint& p) const;
    std::map<int, unsigned> timers_;  // Qt timer ID -> toolkit timer ID
    std::map<unsigned, int> byId_;
};

struct XWindowElement : XElement {
    explicit XWindowElement(XWindowWidget* w) : XElement(XKind::Window, w) {}
    std::map<int, XElement*> byId;
    std::vector<QString> ownedTexts;
};

// A toolbar: a row of elements that scrolls sideways when it is too narrow.
class XToolbarWidget : public QScrollArea {
public:
    XToolbarWidget(QWidget* parent);
    QHBoxLayout* row() const { return row_; }
    QButtonGroup* radios() const { return radios_; }

private:
    QWidget* inner_;
    QHBoxLayout* row_;
    QButtonGroup* radios_;
};

struct XToolbarElement : XElement {
    explicit XToolbarElement(XToolbarWidget* w) : XElement(XKind::Toolbar, w) {}
    XToolbarWidget* bar() const { return static_cast<XToolbarWidget*>(widget.data()); }
    std::vector<XElement*> items;
};

struct XComboElement : XElement {
    explicit XComboElement(QComboBox* w) : XElement(XKind::ComboBox, w) {}
    ~XComboElement() override;
    QComboBox* combo() const { return static_cast<QComboBox*>(widget.data()); }
    std::vector<std::u16string> fields;
    XTableAdapter* adapter = nullptr;
};

XComboElement* CreateComboElement(QWidget* parent, XElement* parentElement);
void BindComboAdapter(XComboElement* combo, XTableAdapter* adapter);
