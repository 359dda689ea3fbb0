#include "layout_builder.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedLayout>
#include <QToolButton>
#include <QXmlStreamReader>

#include "button_access.h"
#include "factory.h"
#include "list_view.h"
#include "resources.h"

namespace {

struct Builder {
    XWindowElement* window = nullptr;
    bool failed = false;

    static QMargins Margins(const QString& text) {
        const QStringList p = text.split(QLatin1Char(','));
        if (p.size() != 4) return {};
        return QMargins(p[0].toInt(), p[1].toInt(), p[2].toInt(), p[3].toInt());
    }

    static void SetLayout(QWidget* w, const QXmlStreamAttributes& a) {
        const QString kind = a.value("layout").toString();
        if (kind == QLatin1String("none")) return;
        QLayout* layout = nullptr;
        if (kind == QLatin1String("hbox")) {
            layout = new QHBoxLayout(w);
        } else if (kind == QLatin1String("stack")) {
            auto* stack = new QStackedLayout(w);
            stack->setStackingMode(QStackedLayout::StackAll);
            layout = stack;
        } else {
            layout = new QVBoxLayout(w);
        }
        layout->setSpacing(a.hasAttribute("spacing") ? a.value("spacing").toInt() : 0);
        layout->setContentsMargins(a.hasAttribute("margins") ? Margins(a.value("margins").toString()) : QMargins());
    }

    static void Size(QWidget* w, const QXmlStreamAttributes& a) {
        if (a.hasAttribute("width")) w->setFixedWidth(a.value("width").toInt());
        if (a.hasAttribute("height")) w->setFixedHeight(a.value("height").toInt());
        if (a.hasAttribute("minwidth")) w->setMinimumWidth(a.value("minwidth").toInt());
        if (a.hasAttribute("minheight")) w->setMinimumHeight(a.value("minheight").toInt());
        if (a.hasAttribute("maxwidth")) w->setMaximumWidth(a.value("maxwidth").toInt());
        if (a.hasAttribute("maxheight")) w->setMaximumHeight(a.value("maxheight").toInt());
    }

    static Qt::Alignment Align(const QString& text, Qt::Alignment fallback) {
        if (text == QLatin1String("left")) return Qt::AlignLeft | Qt::AlignVCenter;
        if (text == QLatin1String("center")) return Qt::AlignCenter;
        if (text == QLatin1String("right")) return Qt::AlignRight | Qt::AlignVCenter;
        if (text == QLatin1String("top")) return Qt::AlignLeft | Qt::AlignTop;
        return fallback;
    }

    // Puts a new child into its parent: into the parent's box or stack, at
    // its x/y in a free parent, or at the end of a toolbar.
    static void Insert(XElement* parent, QWidget* child, const QXmlStreamAttributes& a) {
        if (parent->kind == XKind::Toolbar) {
            auto* bar = static_cast<XToolbarElement*>(parent);
            XElement* e = XElementOf(child);
            bar->bar()->row()->insertWidget(bar->bar()->row()->count() - 1, child);
            if (e) bar->items.push_back(e);
            return;
        }
        QLayout* layout = parent->widget->layout();
        if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
            box->addWidget(child, a.value("stretch").toInt());
        } else if (auto* stack = qobject_cast<QStackedLayout*>(layout)) {
            stack->addWidget(child);
            stack->setCurrentWidget(child);  // later children lie on top
        } else if (layout) {
            layout->addWidget(child);
        } else {
            PlaceFreely(child, a.value("x").toInt(), a.value("y").toInt(), a.value("width").toInt(),
                        a.value("height").toInt());
        }
    }

    static void Common(XElement* e, const QXmlStreamAttributes& a) {
        QWidget* w = e->widget;
        if (a.hasAttribute("id")) XSetElementId(e, a.value("id").toInt());
        if (a.hasAttribute("name")) {
            e->name = XU(a.value("name").toString());
            if (!a.hasAttribute("id")) w->setObjectName(a.value("name").toString());
        }
        if (a.hasAttribute("class")) w->setProperty("sbclass", a.value("class").toString());
        if (a.hasAttribute("tooltip")) w->setToolTip(a.value("tooltip").toString());
        if (a.hasAttribute("accessible")) w->setAccessibleName(a.value("accessible").toString());
        if (a.hasAttribute("font")) w->setFont(ResourceFont(a.value("font").toString()));
        if (a.hasAttribute("color")) {
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText, ResourceColor(a.value("color").toString()));
            p.setColor(QPalette::Text, ResourceColor(a.value("color").toString()));
            p.setColor(QPalette::ButtonText, ResourceColor(a.value("color").toString()));
            w->setPalette(p);
        }
        Size(w, a);
        if (a.value("visible") == QLatin1String("false")) w->setVisible(false);
    }

    XElement* Create(const QString& tag, XElement* parent, const QXmlStreamAttributes& a) {
        QWidget* host = ContentWidget(parent);
        XElement* e = nullptr;
        if (tag == QLatin1String("container")) {
            e = CreateContainer(host, parent);
            SetLayout(e->widget, a);
            if (a.hasAttribute("background"))
                static_cast<XContainerWidget*>(e->widget.data())->SetBackground(ArchivePixmap(a.value("background").toString()));
        } else if (tag == QLatin1String("toolbar")) {
            e = CreateToolbar(host, parent);
            if (a.hasAttribute("spacing")) static_cast<XToolbarElement*>(e)->bar()->row()->setSpacing(a.value("spacing").toInt());
        } else if (tag == QLatin1String("button")) {
            const QString action = a.value("action").toString();
            e = CreateButton(host, parent, action == QLatin1String("close") ? 1 : action == QLatin1String("minimize") ? 2 : 0);
            auto* b = static_cast<QToolButton*>(e->widget.data());
            b->setText(a.value("caption").toString());
            const QString type = a.value("type").toString();
            if (type == QLatin1String("check") || type == QLatin1String("radio")) {
                SetButtonCheckable(b, true);
                e->buttonType = type == QLatin1String("check") ? button_type_check : button_type_radio;
                if (e->buttonType == button_type_radio && parent->kind == XKind::Toolbar)
                    static_cast<XToolbarElement*>(parent)->bar()->radios()->addButton(b);
            }
            if (a.hasAttribute("icon")) {
                const QPixmap icon = ArchivePixmap(a.value("icon").toString());
                if (!icon.isNull()) {
                    b->setIcon(icon);
                    e->hasIcon = true;
                    const int size = a.hasAttribute("iconsize") ? a.value("iconsize").toInt() : icon.width();
                    b->setIconSize(QSize(size, size));
                    b->setToolButtonStyle(b->text().isEmpty() ? Qt::ToolButtonIconOnly
                                          : a.value("iconabove") == QLatin1String("true") ? Qt::ToolButtonTextUnderIcon
                                                                                           : Qt::ToolButtonTextBesideIcon);
                }
            }
            if (a.value("align") == QLatin1String("left")) {
                e->look.textAlign = 0;
                XApplyLook(e);
            }
        } else if (tag == QLatin1String("edit")) {
            e = CreateEdit(host, parent);
            auto* edit = static_cast<QLineEdit*>(e->widget.data());
            edit->setText(a.value("text").toString());
            edit->setPlaceholderText(a.value("placeholder").toString());
            edit->setAlignment(Align(a.value("align").toString(), Qt::AlignLeft | Qt::AlignVCenter));
        } else if (tag == QLatin1String("text")) {
            e = CreateText(host, parent);
            auto* label = static_cast<QLabel*>(e->widget.data());
            label->setText(a.value("caption").toString());
            label->setAlignment(Align(a.value("align").toString(), Qt::AlignLeft | Qt::AlignVCenter));
            label->setWordWrap(a.value("wrap") == QLatin1String("true"));
        } else if (tag == QLatin1String("picture")) {
            e = CreatePicture(host, parent);
            auto* label = static_cast<QLabel*>(e->widget.data());
            label->setAlignment(Align(a.value("align").toString(), Qt::AlignCenter));
            if (a.hasAttribute("src")) {
                const QPixmap p = ArchivePixmap(a.value("src").toString());
                label->setPixmap(p);
                e->hasImage = !p.isNull();
            }
        } else if (tag == QLatin1String("list")) {
            e = CreateListElement(host, parent);
        } else if (tag == QLatin1String("combobox")) {
            e = CreateComboElement(host, parent);
            if (a.hasAttribute("placeholder"))
                static_cast<XComboElement*>(e)->combo()->setPlaceholderText(a.value("placeholder").toString());
        } else if (tag == QLatin1String("slider")) {
            e = CreateSlider(host, parent);
        } else {
            return nullptr;
        }
        Common(e, a);
        Insert(parent, e->widget, a);
        if (e->id) window->byId[e->id] = e;
        return e;
    }

    void Spacer(const QString& tag, XElement* parent, const QXmlStreamAttributes& a) {
        if (parent->kind == XKind::Toolbar) return;
        auto* box = qobject_cast<QBoxLayout*>(parent->widget->layout());
        if (!box) return;
        if (tag == QLatin1String("stretch")) box->addStretch(a.hasAttribute("stretch") ? a.value("stretch").toInt() : 1);
        if (tag == QLatin1String("space")) box->addSpacing(a.value("size").toInt());
    }
};

}  // namespace

XWindowElement* BuildWindowFromLayout(std::string_view utf8Xml) {
    QXmlStreamReader xml(QByteArray(utf8Xml.data(), static_cast<qsizetype>(utf8Xml.size())));
    Builder b;
    std::vector<XElement*> stack;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            const QString tag = xml.name().toString();
            if (tag != QLatin1String("stretch") && tag != QLatin1String("space") && !stack.empty()) stack.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement) continue;
        const QString tag = xml.name().toString();
        const auto a = xml.attributes();
        if (!b.window) {
            if (tag != QLatin1String("window")) break;
            auto* w = new XWindowWidget();
            b.window = new XWindowElement(w);
            XAttach(b.window, nullptr);
            w->setWindowTitle(a.value("title").toString());
            if (a.hasAttribute("class")) w->setProperty("sbclass", a.value("class").toString());
            b.SetLayout(w, a);
            w->resize(a.value("width").toInt(), a.value("height").toInt());
            if (a.hasAttribute("id")) XSetElementId(b.window, a.value("id").toInt());
            stack.push_back(b.window);
            continue;
        }
        if (stack.empty()) break;
        if (tag == QLatin1String("stretch") || tag == QLatin1String("space")) {
            b.Spacer(tag, stack.back(), a);
            continue;
        }
        XElement* e = b.Create(tag, stack.back(), a);
        if (!e) {
            b.failed = true;
            break;
        }
        stack.push_back(e);
    }
    if (!b.window) return nullptr;
    if (xml.hasError() || b.failed) {
        delete b.window->widget.data();
        return nullptr;
    }
    return b.window;
}
