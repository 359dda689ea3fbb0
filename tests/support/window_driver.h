// Driving the real main window through real input, and reading it back.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

#include "carried_tables.h"
#include "codepage.h"
#include "window_state.h"
#include "xcgui.h"

inline QWidget* MainWidget() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == QStringLiteral("型钢手册")) return w;
    }
    return nullptr;
}

template <class T = QWidget>
T* Widget(int id) {
    QWidget* w = MainWidget();
    return w ? w->findChild<T*>(QStringLiteral("e%1").arg(id)) : nullptr;
}

inline std::string U8(const std::u16string& s) { return QString::fromStdU16String(s).toStdString(); }

// Typed key by key; characters without a key of their own (full-width
// digits) arrive as an input method would commit them.
inline void TypeText(QLineEdit* edit, const QString& text) {
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(edit, text);
    } else {
        edit->insert(text);
    }
}

// Replaces an edit's text by typing: select all, erase, type.
inline void TypeInto(int id, const QString& text) {
    auto* edit = Widget<QLineEdit>(id);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

inline std::vector<std::string> Headers() {
    std::vector<std::string> out;
    for (int c = 0; c < XList_GetColumnCount(sizeTableList); ++c) out.push_back(U8(XList_GetHeaderText(sizeTableList, c)));
    return out;
}

inline std::vector<std::string> Row(int r) {
    std::vector<std::string> out;
    for (int c = 0; c < XList_GetColumnCount(sizeTableList); ++c) out.push_back(U8(XList_GetItemText(sizeTableList, r, c)));
    return out;
}

inline int Rows() { return XList_GetRowCount(sizeTableList); }
inline std::string Status() { return U8(XShapeText_GetText(statusText)); }
inline std::string Clipboard() { return U8(XC_GetClipboardText()); }

// A button of a toolbar by its caption.
inline QToolButton* ToolbarButton(int toolbar, const QString& caption) {
    QWidget* bar = Widget(toolbar);
    if (!bar) return nullptr;
    for (auto* b : bar->findChildren<QToolButton*>()) {
        if (b->text() == caption && b->isVisible()) return b;
    }
    return nullptr;
}

inline void Click(QToolButton* b) {
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

inline void DoubleClickRow(int row) {
    auto* view = Widget<QTableView>(9);
    ASSERT_NE(view, nullptr);
    QApplication::processEvents();
    view->scrollTo(view->model()->index(row, 1));
    const QRect cell = view->visualRect(view->model()->index(row, 1));
    ASSERT_TRUE(cell.isValid());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

// Cases on the start-up subtype need the H-section table.
#define REQUIRE_H_TABLE()                                                       \
    do {                                                                        \
        if (!CarriedTableText("热轧H")) GTEST_SKIP() << "热轧H is not carried yet"; \
    } while (0)
