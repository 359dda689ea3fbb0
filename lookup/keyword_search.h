// A one-shot keyword filter on the next fill of the size table.
#pragma once
#include <string>

#include "xcgui.h"

extern bool pendingSearch;

int OnSearchClicked(bool* handled);
// The keyword as typed, or the empty text after saying that one is missing.
std::string ReadSearchKeyword();
// The keyword as the catalogue writes it: full-width forms as ASCII, and
// "x", "X" or "*" between two digits as "×" ("100x100" finds "100×100").
std::string SearchKeyword(const std::string& typed);
// " and (c1 like '%k%'  or c2 like '%k%'  )" over the shown columns.
std::string SearchFilterClause(const std::string& columns);
