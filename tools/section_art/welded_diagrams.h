// The calculator's diagrams, 340 x 300 on a dark ground. Each dimension line
// sits where the calculator places the label of that dimension.
#pragma once
#include <QString>

// Draws the 13 diagrams into the folder; returns the number of failures.
int DrawWeldedDiagrams(const QString& folder);
