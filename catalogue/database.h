// The only road between the program and SQLite. Texts crossing it are GBK on
// the program's side and UTF-8 on SQLite's; every text is converted here.
#pragma once
#include <string>

#include "result_grid.h"

struct sqlite3;

// Holder of at most one open connection.
struct DbConnection {
    sqlite3* handle = nullptr;
};

// Closes a connection already held, then opens fileName (GBK) with the flags
// and registers the CSV module on it. False leaves the holder empty.
bool DbOpen(DbConnection& connection, const char* fileName, int flags);

// No cipher extension is linked: always -1.
int DbConfigureCipher(DbConnection& connection, const char* cipherName, const char* parameterName, int value);

// Runs every statement of sql. On an SQLite error message, errorText (when
// given) is replaced by it. True exactly on SQLITE_OK.
bool DbExecute(DbConnection& connection, const char* sql, std::string* errorText = nullptr);

// Runs one query and answers with a grid in every case: n+1 rows with the
// header when rows matched, 1 row and 0 columns when none did, 0 and 0 on a
// failure or without a connection. errorText is replaced only on an error.
ResultGrid DbQuery(DbConnection& connection, const char* sql, int* rowCount = nullptr, int* columnCount = nullptr,
                   std::string* errorText = nullptr, bool* ok = nullptr);

int DbErrorCode(DbConnection& connection);
std::string DbErrorMessage(DbConnection& connection);

// UTF-8 to GBK through code page 936.
std::string Utf8ToGbk(const char* utf8);
