#include "button_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QToolButton>

namespace {

// Qt offers only "Toggle" on a checkable button and toggles it without a
// click, so the handlers behind the click would never hear of it.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QToolButton* b) : QAccessibleWidget(b, QAccessible::Button) {}

    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = button()->text();
        return s;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) {
            names << pressAction();
            if (button()->isCheckable()) names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) return;
        if (name == pressAction() || name == toggleAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

// Every button of the program is a plain QToolButton; the interface may be
// asked for before the button is wrapped as an element, so it is not asked.
QAccessibleInterface* ButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QToolButton") || !object || !object->isWidgetType()) return nullptr;
    return new ButtonAccessible(static_cast<QToolButton*>(object));
}

}  // namespace

void InstallButtonAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&ButtonFactory);
}

void SetButtonCheckable(QToolButton* button, bool checkable) {
    button->setCheckable(checkable);
    button->setFocusPolicy(checkable ? Qt::TabFocus : Qt::NoFocus);
}
