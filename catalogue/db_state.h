// The program-wide catalogue connection and the outcome of its latest
// statement. Nothing shows these to the user.
#pragma once
#include <string>

#include "database.h"

extern DbConnection dbConnection;
extern bool dbLastOk;
extern int dbLastErrorCode;
extern std::string dbLastErrorMessage;

// One catalogue query as every query site makes it: the outcome goes to
// dbLastOk, and on a failure the connection's error code and message are
// recorded (unless recordFailure is false). A failure yields an empty grid.
ResultGrid QueryCatalogue(const std::string& sql, bool recordFailure = true);

// The first cell of the first data row of a catalogue query, or the empty
// text when the query answers no row.
std::string QueryFirstValue(const std::string& sql);

// Releases the connection and the recorded message; used at program end.
void ReleaseCatalogueState();
