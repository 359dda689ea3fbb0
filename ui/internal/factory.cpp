#include "factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QStyleOption>
#include <QToolButton>

#include "archive.h"
#include "codepage.h"
#include "widgets.h"

void XContainerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (!background_.isNull()) painter.drawPixmap(rect(), background_);
}

XElement* CreateContainer(QWidget* parent, XElement* parentElement) {
    auto* w = new XContainerWidget(parent);
    w->setAttribute(Qt::WA_StyledBackground, true);
    return XWrapWidget(XKind::Container, w, parentElement);
}

XElement* CreateToolbar(QWidget* parent, XElement* parentElement) {
    auto* bar = new XToolbarWidget(parent);
    return XAttach(new XToolbarElement(bar), parentElement);
}

XElement* CreateButton(QWidget* parent, XElement* parentElement, int action) {
    auto* b = new QToolButton(parent);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    XElement* e = XWrapWidget(XKind::Button, b, parentElement);
    QObject::connect(b, &QToolButton::clicked, b, [e, b, action] {
        XEventArgs args;
        args.element = e;
        const bool handled = XFire(e, XE_BNCLICK, args);
        if (handled || action == 0) return;
        QWidget* window = b->window();
        if (action == 1) window->close();
        if (action == 2) window->showMinimized();
    });
    return e;
}

XElement* CreateEdit(QWidget* parent, XElement* parentElement) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    XElement* e = XWrapWidget(XKind::Edit, edit, parentElement);
    // Every change, also one made by the program, is an edit change.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [e] {
        XEventArgs args;
        args.element = e;
        XFire(e, XE_EDIT_CHANGED, args);
    });
    return e;
}

XElement* CreateText(QWidget* parent, XElement* parentElement) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return XWrapWidget(XKind::ShapeText, label, parentElement);
}

XElement* CreatePicture(QWidget* parent, XElement* parentElement) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    return XWrapWidget(XKind::ShapePicture, label, parentElement);
}

XElement* CreateSlider(QWidget* parent, XElement* parentElement) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setFocusPolicy(Qt::NoFocus);
    XElement* e = XWrapWidget(XKind::Slider, slider, parentElement);
    QObject::connect(slider, &QSlider::valueChanged, slider, [e](int pos) {
        XEventArgs args;
        args.element = e;
        args.value = pos;
        XFire(e, XE_SLIDERBAR_CHANGE, args);
    });
    return e;
}

QWidget* ContentWidget(XElement* e) {
    if (!e || !e->widget) return nullptr;
    if (e->kind == XKind::Toolbar) return static_cast<XToolbarElement*>(e)->bar()->widget();
    return e->widget;
}

void PlaceFreely(QWidget* child, int x, int y, int cx, int cy) {
    child->setGeometry(x, y, cx, cy);
    child->show();
}

QPixmap ArchivePixmap(const QString& name) {
    QString clean = name;
    clean.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (clean.startsWith(QLatin1Char('/'))) clean.remove(0, 1);
    std::string bytes;
    QPixmap pixmap;
    if (CurrentArchive().Read(Utf8ToGbkBytes(clean.toStdString()), bytes)) {
        pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
    }
    return pixmap;
}
