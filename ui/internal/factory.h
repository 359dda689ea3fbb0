// Creation of each kind of element with its events wired to the toolkit's
// event codes. The layout builder and the create operations share these.
#pragma once
#include <QPixmap>
#include <QWidget>

#include "object.h"

// A plain container that can also paint a picture across its background.
class XContainerWidget : public QWidget {
public:
    explicit XContainerWidget(QWidget* parent) : QWidget(parent) {}
    void SetBackground(const QPixmap& p) {
        background_ = p;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};

XElement* CreateContainer(QWidget* parent, XElement* parentElement);
XElement* CreateToolbar(QWidget* parent, XElement* parentElement);
// action: 0 none, 1 closes the window, 2 minimises it (after the handlers).
XElement* CreateButton(QWidget* parent, XElement* parentElement, int action = 0);
XElement* CreateEdit(QWidget* parent, XElement* parentElement);
XElement* CreateText(QWidget* parent, XElement* parentElement);
XElement* CreatePicture(QWidget* parent, XElement* parentElement);
XElement* CreateSlider(QWidget* parent, XElement* parentElement);

// The widget that children of an element are created in.
QWidget* ContentWidget(XElement* e);

// Puts a freely placed child at its rectangle in the parent.
void PlaceFreely(QWidget* child, int x, int y, int cx, int cy);

// A picture from the current archive (entry name in UTF-8, "/" or "\").
QPixmap ArchivePixmap(const QString& name);
