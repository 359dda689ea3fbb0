// Buttons that assistive tools and the keyboard can press: a checkable
// button takes Tab focus (Space presses it), and its accessible "Press" and
// "Toggle" actions both do what a click does.
#pragma once

class QToolButton;

// Once, when the application exists.
void InstallButtonAccessibility();
void SetButtonCheckable(QToolButton* button, bool checkable);
