// The program itself (the same ProgramMain as sectionbook), with a driver
// that, once the message loop runs, works the window through real input:
// family switch, search, row copy, calculation and result copy. It prints
// "driven: ok" when every step showed its effect, or "driven: FAILED ..."
// and the step, and then waits like the program does: the caller ends it
// with SIGTERM.
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <string>

#include "program_main.h"
#include "window_state.h"
#include "xcgui.h"

namespace {

QWidget* Window() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == QStringLiteral("型钢手册") && w->isVisible()) return w;
    }
    return nullptr;
}

template <class T = QWidget>
T* Element(int id) {
    QWidget* w = Window();
    return w ? w->findChild<T*>(QStringLiteral("e%1").arg(id)) : nullptr;
}

QToolButton* BarButton(int bar, const char* caption) {
    QWidget* b = Element(bar);
    if (!b) return nullptr;
    for (auto* button : b->findChildren<QToolButton*>()) {
        if (button->text() == QString::fromUtf8(caption) && button->isVisible()) return button;
    }
    return nullptr;
}

QLineEdit* Dimension(const char* name) {
    for (auto* e : Window()->findChildren<QLineEdit*>()) {
        if (e->accessibleDescription() == QStringLiteral("dim-") + name && e->isVisible()) return e;
    }
    return nullptr;
}

std::string U8(const std::u16string& s) { return QString::fromStdU16String(s).toStdString(); }
std::string Text(int id) { return U8(XShapeText_GetText(MainElement(id))); }
int Rows() { return XList_GetRowCount(sizeTableList); }
std::string Cell(int row, int column) { return U8(XList_GetItemText(sizeTableList, row, column)); }

void Type(QLineEdit* edit, const char* text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    const QString typed = QString::fromUtf8(text);
    bool ascii = true;
    for (QChar c : typed) ascii = ascii && c.unicode() < 0x80;
    // Characters without a key of their own arrive as an input method commits them.
    if (ascii) {
        QTest::keyClicks(edit, typed);
    } else {
        edit->insert(typed);
    }
    QApplication::processEvents();
}

bool Click(QToolButton* button) {
    if (!button) return false;
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    return true;
}

// Each step says what it did; the first one that shows no effect ends the drive.
std::string failed;
void Step(const char* name, bool ok, const std::string& seen) {
    if (!failed.empty()) return;
    std::printf("driven: %s: %s\n", name, seen.c_str());
    if (!ok) failed = name;
}

void Drive() {
    Step("start", Window() && Rows() > 0, std::to_string(Rows()) + " rows of " + Text(7));

    const std::string before = Text(7);
    bool ok = Click(BarButton(2, "工字钢")) && Text(7) != before && Rows() > 1;
    Step("family switch", ok, before + " -> " + Text(7) + ", " + std::to_string(Rows()) + " rows");

    const int all = Rows();
    const std::string keyword = all > 0 ? Cell(all - 1, 1) : std::string();
    auto* search = Element<QLineEdit>(29);
    if (search) Type(search, keyword.c_str());
    ok = search && !keyword.empty() && Click(Element<QToolButton>(28)) && Rows() >= 1 && Rows() < all &&
         Cell(Rows() - 1, 1) == keyword;
    Step("search", ok, "\"" + keyword + "\" keeps " + std::to_string(Rows()) + " of " + std::to_string(all) + " rows");

    auto* view = Element<QTableView>(9);
    const std::string first = Rows() > 0 ? Cell(0, 1) : std::string();
    ok = false;
    if (view && !first.empty()) {
        const QRect cell = view->visualRect(view->model()->index(0, 1));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QApplication::processEvents();
        ok = U8(XC_GetClipboardText()).find(first) != std::string::npos;
    }
    Step("row copy", ok, "clipboard: " + U8(XC_GetClipboardText()));

    ok = Click(BarButton(1, "钢板"));
    QLineEdit* t = ok ? Dimension("t") : nullptr;
    QLineEdit* b = ok ? Dimension("b") : nullptr;
    auto* density = Element<QLineEdit>(23);
    if (t && b && density) {
        Type(density, "7850");
        Type(t, "10");
        Type(b, "200");
    }
    ok = t && b && density && Text(16) == "20c㎡" && Text(18) == "15.7Kg/m";
    Step("calculation", ok, "10 × 200 plate: " + Text(16) + ", " + Text(18) + ", " + Text(20));
    ok = Click(Element<QToolButton>(34)) && U8(XC_GetClipboardText()) == "15.7Kg/m";
    Step("result copy", ok, "clipboard: " + U8(XC_GetClipboardText()));

    if (failed.empty()) {
        std::printf("driven: ok\n");
    } else {
        std::printf("driven: FAILED at %s\n", failed.c_str());
    }
    std::fflush(stdout);
}

// Waits for the shown window and the running loop, then drives once.
void DriveWhenRunning() {
    if (Window() && QThread::currentThread()->loopLevel() > 0) {
        Drive();
    } else {
        QTimer::singleShot(50, DriveWhenRunning);
    }
}

void Arm() { QTimer::singleShot(0, DriveWhenRunning); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Arm)

int main(int argc, char** argv) { return ProgramMain(argc, argv); }
