// Registration of the carried catalogue as virtual tables of the in-memory
// database.
#pragma once
#include <string_view>

// The 27 catalogue tables in registration order (UTF-8 names).
extern const std::string_view kCatalogueTables[27];

// Opens dbConnection on ":memory:" and registers every carried table.
// Failures are not reported: a missing table just answers no rows.
void BuildCatalogue();
