// The outline of each family's section, fitted into a square.
#pragma once
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Known names: the icon file names of the section bar (rolled and welded).
// An empty path for an unknown name.
QPainterPath FamilyOutline(const QString& name, const QRectF& r);
