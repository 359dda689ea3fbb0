// A rolled family's page: its picture, its subtype bar and the size table of
// the current subtype with the weight of a piece of the typed length.
#pragma once
#include <string>

#include "result_grid.h"
#include "xcgui.h"

extern int currentSubtype;

// Click handler of the rolled-family buttons; without a button, family 19.
int ShowRolledFamily(HELE button, bool* handled);
HELE CreateSubtypeButton(const std::string& id, const std::string& name);
int OnSubtypeClicked(HELE button, bool* handled);
void ShowSubtype(int subtypeId);
int OnLengthChanged(HELE edit, bool* handled);

// The size-table rows of a subtype (clears a pending search).
ResultGrid QuerySizeTable(const std::string& subtypeId);
// The display name of a size-table column, or the name itself.
std::string ColumnDisplayName(const std::string& column);
// "%f": six decimals, no exponent.
std::string FormatFixed(double value);
