// A one-shot keyword filter on the next fill of the size table.
#pragma once
#include <string>

#include "xcgui.h"

extern bool pendingSearch;

int OnSearchClicked(bool* handled);
// The keyword as typed, or the empty text after saying that one is missing.
std::string ReadSearchKeyword();
// " and (c1 like '%k%'  or c2 like '%k%'  )" over the shown columns.
std::string SearchFilterClause(const std::string& columns);
