// The resource table: fonts and colours that layouts and templates name as
// "@NAME", and the application style sheet.
#pragma once
#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

// Parses the resource table (XML) and applies its style sheet, read from the
// current archive. False when the text is not a resource table.
bool LoadResourceTable(std::string_view utf8Xml);

// "@NAME" looks the resource up; anything else is taken literally (a colour
// "#rrggbb", a font family). Invalid colour / default font when unknown.
QColor ResourceColor(const QString& ref);
QFont ResourceFont(const QString& ref);

// The font the toolkit uses for a Windows point size (96 dpi pixels).
QFont MakeFont(const QString& family, int size, int style);
