// Buttons, toolbars, edits, shapes, the slider and the combobox.
#include "xc_controls.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QXmlStreamReader>

#include "internal/button_access.h"
#include "internal/factory.h"
#include "xc_element.h"
#include "internal/object.h"
#include "internal/widgets.h"

namespace {

QToolButton* Button(HELE h) {
    XElement* e = XAsElement(h, XKind::Button);
    return e ? static_cast<QToolButton*>(e->widget.data()) : nullptr;
}
QLineEdit* Edit(HELE h) {
    XElement* e = XAsElement(h, XKind::Edit);
    return e ? static_cast<QLineEdit*>(e->widget.data()) : nullptr;
}
QLabel* TextShape(HELE h) {
    XElement* e = XAsElement(h, XKind::ShapeText);
    return e ? static_cast<QLabel*>(e->widget.data()) : nullptr;
}
QSlider* Slider(HELE h) {
    XElement* e = XAsElement(h, XKind::Slider);
    return e ? static_cast<QSlider*>(e->widget.data()) : nullptr;
}
XComboElement* Combo(HELE h) { return static_cast<XComboElement*>(XAsElement(h, XKind::ComboBox)); }
XToolbarElement* Toolbar(HELE h) { return static_cast<XToolbarElement*>(XAsElement(h, XKind::Toolbar)); }

// An element created with a parent goes into it at its rectangle.
template <class Create>
XElement* CreateIn(HXCGUI parent, int x, int y, int cx, int cy, Create create) {
    XElement* p = XAsElement(parent);
    QWidget* host = ContentWidget(p);
    XElement* e = create(host, p);
    if (host) {
        PlaceFreely(e->widget, x, y, cx, cy);
    } else {
        e->widget->resize(cx, cy);
    }
    return e;
}

void UpdateButtonStyle(XElement* e, QToolButton* b) {
    if (!e->hasIcon) {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else if (b->text().isEmpty()) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        b->setToolButtonStyle(b->property("sbIconAbove").toBool() ? Qt::ToolButtonTextUnderIcon
                                                                   : Qt::ToolButtonTextBesideIcon);
    }
}

}  // namespace

HELE XBtn_Create(int x, int y, int cx, int cy, std::u16string_view caption, HXCGUI parent) {
    XElement* e = CreateIn(parent, x, y, cx, cy, [](QWidget* host, XElement* p) { return CreateButton(host, p); });
    auto* b = static_cast<QToolButton*>(e->widget.data());
    b->setText(XQ(caption));
    b->setAccessibleName(XQ(caption));
    b->setMinimumSize(cx, cy);
    return e;
}

void XBtn_SetType(HELE button, int type) {
    XElement* e = XAsElement(button, XKind::Button);
    if (!e) return;
    auto* b = static_cast<QToolButton*>(e->widget.data());
    if (e->buttonType == button_type_radio && e->parent && e->parent->kind == XKind::Toolbar)
        static_cast<XToolbarElement*>(e->parent)->bar()->radios()->removeButton(b);
    e->buttonType = type;
    SetButtonCheckable(b, type == button_type_radio || type == button_type_check);
    if (type == button_type_radio && e->parent && e->parent->kind == XKind::Toolbar)
        static_cast<XToolbarElement*>(e->parent)->bar()->radios()->addButton(b);
}

void XBtn_SetStyle(HELE, int) {
    // One plain look for every button; the fills give the states.
}

void XBtn_SetTextAlign(HELE button, int align) {
    XElement* e = XAsElement(button, XKind::Button);
    if (!e) return;
    e->look.textAlign = align;
    XApplyLook(e);
}

void XBtn_SetIcon(HELE button, HIMAGE image) {
    XElement* e = XAsElement(button, XKind::Button);
    if (!e) return;
    auto* b = static_cast<QToolButton*>(e->widget.data());
    auto* img = XAs<XImageObject>(image, XKind::Image);
    e->hasIcon = img && !img->pixmap.isNull();
    b->setIcon(e->hasIcon ? QIcon(img->pixmap) : QIcon());
    if (e->hasIcon) b->setIconSize(img->pixmap.size());
    XHold(e, kHeldIcon, img);
    UpdateButtonStyle(e, b);
}

void XBtn_SetIconAlign(HELE button, int align) {
    XElement* e = XAsElement(button, XKind::Button);
    if (!e) return;
    auto* b = static_cast<QToolButton*>(e->widget.data());
    b->setProperty("sbIconAbove", align == 1);
    UpdateButtonStyle(e, b);
}

bool XBtn_IsCheck(HELE button) {
    QToolButton* b = Button(button);
    return b && b->isChecked();
}

void XBtn_SetCheck(HELE button, bool check) {
    if (QToolButton* b = Button(button)) b->setChecked(check);
}

std::u16string XBtn_GetText(HELE button) {
    QToolButton* b = Button(button);
    return b ? XU(b->text()) : std::u16string();
}

bool XBtn_HasIcon(HELE button) {
    XElement* e = XAsElement(button, XKind::Button);
    return e && e->hasIcon;
}

int XToolBar_InsertEle(HELE toolbar, HELE ele, int index) {
    XToolbarElement* bar = Toolbar(toolbar);
    XElement* e = XAsElement(ele);
    if (!bar || !e || !e->widget || e == bar) return -1;
    auto& items = bar->items;
    if (std::find(items.begin(), items.end(), e) != items.end()) return -1;
    const int count = static_cast<int>(items.size());
    if (index < 0 || index > count) index = count;
    if (e->parent && XIsLive(e->parent) && e->parent != bar) {
        auto& siblings = e->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), e), siblings.end());
    }
    e->parent = bar;
    bar->children.push_back(e);
    items.insert(items.begin() + index, e);
    bar->bar()->row()->insertWidget(index, e->widget);
    e->widget->show();
    if (e->kind == XKind::Button && e->buttonType == button_type_radio)
        bar->bar()->radios()->addButton(static_cast<QToolButton*>(e->widget.data()));
    return index;
}

void XToolBar_SetSpace(HELE toolbar, int space) {
    if (XToolbarElement* bar = Toolbar(toolbar)) bar->bar()->row()->setSpacing(space);
}

void XToolBar_DeleteAllEle(HELE toolbar) {
    XToolbarElement* bar = Toolbar(toolbar);
    if (!bar) return;
    for (XElement* e : std::vector<XElement*>(bar->items)) XEle_Destroy(e);
    bar->items.clear();
}

int XToolBar_GetCount(HELE toolbar) {
    XToolbarElement* bar = Toolbar(toolbar);
    return bar ? static_cast<int>(bar->items.size()) : 0;
}

HELE XToolBar_GetEle(HELE toolbar, int index) {
    XToolbarElement* bar = Toolbar(toolbar);
    if (!bar || index < 0 || index >= static_cast<int>(bar->items.size())) return nullptr;
    return bar->items[static_cast<size_t>(index)];
}

HELE XEdit_Create(int x, int y, int cx, int cy, HXCGUI parent) {
    return CreateIn(parent, x, y, cx, cy, [](QWidget* host, XElement* p) { return CreateEdit(host, p); });
}

void XEdit_SetText(HELE edit, std::u16string_view text) {
    if (QLineEdit* e = Edit(edit)) e->setText(XQ(text));
}

std::u16string XEdit_GetText(HELE edit) {
    QLineEdit* e = Edit(edit);
    return e ? XU(e->text()) : std::u16string();
}

int XEdit_GetLength(HELE edit) {
    QLineEdit* e = Edit(edit);
    return e ? static_cast<int>(e->text().size()) : 0;
}

void XEdit_SetDefaultText(HELE edit, std::u16string_view text) {
    if (QLineEdit* e = Edit(edit)) e->setPlaceholderText(XQ(text));
}

void XEdit_SetCaretColor(HELE edit, uint32_t color) {
    XElement* e = XAsElement(edit, XKind::Edit);
    if (!e) return;
    // The caret is drawn in the text colour; a caret colour alone sets both.
    e->look.caretColor = XColor(color, 255);
    if (!e->look.textColor.isValid()) {
        e->look.textColor = e->look.caretColor;
        XApplyLook(e);
    }
}

HELE XShapeText_Create(int x, int y, int cx, int cy, std::u16string_view text, HXCGUI parent) {
    XElement* e = CreateIn(parent, x, y, cx, cy, [](QWidget* host, XElement* p) { return CreateText(host, p); });
    static_cast<QLabel*>(e->widget.data())->setText(XQ(text));
    return e;
}

void XShapeText_SetText(HELE shape, std::u16string_view text) {
    if (QLabel* l = TextShape(shape)) l->setText(XQ(text));
}

std::u16string XShapeText_GetText(HELE shape) {
    QLabel* l = TextShape(shape);
    return l ? XU(l->text()) : std::u16string();
}

int XShapeText_GetTextLength(HELE shape) {
    QLabel* l = TextShape(shape);
    return l ? static_cast<int>(l->text().size()) : 0;
}

void XShapeText_SetFont(HELE shape, HFONTX font) {
    if (XAsElement(shape, XKind::ShapeText)) XEle_SetFont(shape, font);
}

void XShapeText_SetTextColor(HELE shape, uint32_t color, int alpha) {
    if (XAsElement(shape, XKind::ShapeText)) XEle_SetTextColor(shape, color, alpha);
}

void XShapePic_SetImage(HELE shape, HIMAGE image) {
    XElement* e = XAsElement(shape, XKind::ShapePicture);
    if (!e) return;
    auto* img = XAs<XImageObject>(image, XKind::Image);
    auto* label = static_cast<QLabel*>(e->widget.data());
    e->hasImage = img && !img->pixmap.isNull();
    label->setPixmap(e->hasImage ? img->pixmap : QPixmap());
    XHold(e, kHeldImage, img);
}

bool XShapePic_HasImage(HELE shape) {
    XElement* e = XAsElement(shape, XKind::ShapePicture);
    return e && e->hasImage;
}

void XShape_Redraw(HELE shape) {
    XElement* e = XAsElement(shape);
    if (e && e->widget) e->widget->update();
}

void XShape_Destroy(HELE shape) {
    XElement* e = XAsElement(shape);
    if (e && (e->kind == XKind::ShapeText || e->kind == XKind::ShapePicture)) XEle_Destroy(shape);
}

void XSliderBar_SetRange(HELE slider, int range) {
    if (QSlider* s = Slider(slider)) {
        const QSignalBlocker quiet(s);
        s->setRange(0, range);
    }
}

void XSliderBar_SetPos(HELE slider, int pos) {
    // Only the user moves the slider as far as the program is concerned.
    if (QSlider* s = Slider(slider)) {
        const QSignalBlocker quiet(s);
        s->setValue(pos);
    }
}

int XSliderBar_GetPos(HELE slider) {
    QSlider* s = Slider(slider);
    return s ? s->value() : 0;
}

bool XComboBox_SetItemTemplateXMLFromString(HELE combo, std::string_view utf8Xml) {
    XComboElement* c = Combo(combo);
    if (!c) return false;
    QXmlStreamReader xml(QByteArray(utf8Xml.data(), static_cast<qsizetype>(utf8Xml.size())));
    std::vector<std::u16string> fields;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().hasAttribute("field")) {
            fields.push_back(XU(xml.attributes().value("field").toString()));
        }
    }
    if (xml.hasError() || fields.empty()) return false;
    c->fields = std::move(fields);
    c->combo()->update();
    return true;
}

void XComboBox_BindAdapter(HELE combo, HADAPTER adapter) {
    XComboElement* c = Combo(combo);
    auto* a = XAs<XTableAdapter>(adapter, XKind::AdapterTable);
    if (c) BindComboAdapter(c, a);
}

XRect XComboBox_GetButtonRect(HELE combo) {
    XComboElement* c = Combo(combo);
    if (!c) return {};
    QStyleOptionComboBox option;
    option.initFrom(c->combo());
    option.editable = c->combo()->isEditable();
    const QRect r = c->combo()->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, c->combo());
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool XComboBox_IsPopupShown(HELE combo) {
    XComboElement* c = Combo(combo);
    return c && c->combo()->view()->isVisible();
}

void XComboBox_SetSelItem(HELE combo, int index) {
    if (XComboElement* c = Combo(combo)) c->combo()->setCurrentIndex(index);
}

int XEle_SendEvent(HELE ele, HELE eleFrom, int event, intptr_t wParam, intptr_t lParam) {
    XElement* e = XAsElement(ele);
    if (!e) return 0;
    XEventArgs args;
    args.element = XAsElement(eleFrom) ? eleFrom : ele;
    args.flags = static_cast<unsigned>(wParam);
    args.value = static_cast<int>(wParam);
    args.point = {static_cast<int>(static_cast<int16_t>(lParam & 0xFFFF)),
                  static_cast<int>(static_cast<int16_t>((lParam >> 16) & 0xFFFF))};
    if (XFire(e, event, args)) return 1;
    // The toolkit's own handling: a press on a combobox's button opens its list.
    if (event == XE_LBUTTONDOWN && e->kind == XKind::ComboBox && XIsLive(e)) {
        auto* c = static_cast<XComboElement*>(e);
        const XRect r = XComboBox_GetButtonRect(c);
        const bool inButton = args.point.x >= r.left && args.point.x < r.right && args.point.y >= r.top &&
                              args.point.y < r.bottom;
        if (inButton && !c->combo()->view()->isVisible()) c->combo()->showPopup();
    }
    return 0;
}
