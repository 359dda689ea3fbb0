#include "database.h"

#include <sqlite3.h>

#include "codepage.h"

extern "C" int sqlite3_csv_init(sqlite3* db, char** errorMessage, const sqlite3_api_routines* api);

namespace {

std::string ToUtf8(const char* gbk) { return gbk ? GbkToUtf8(gbk) : std::string(); }

void ReplaceError(std::string* errorText, char* sqliteMessage) {
    if (sqliteMessage && errorText) *errorText = Utf8ToGbk(sqliteMessage);
    sqlite3_free(sqliteMessage);
}

}  // namespace

std::string Utf8ToGbk(const char* utf8) {
    return utf8 ? Utf8ToGbkBytes(utf8) : std::string();
}

bool DbOpen(DbConnection& connection, const char* fileName, int flags) {
    if (connection.handle) {
        sqlite3_close(connection.handle);
        connection.handle = nullptr;
    }
    sqlite3* handle = nullptr;
    const std::string name = ToUtf8(fileName);
    if (sqlite3_open_v2(name.c_str(), &handle, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return false;
    }
    char* message = nullptr;
    if (sqlite3_csv_init(handle, &message, nullptr) != SQLITE_OK) {
        sqlite3_free(message);
        sqlite3_close(handle);
        return false;
    }
    connection.handle = handle;
    return true;
}

int DbConfigureCipher(DbConnection&, const char*, const char*, int) {
    return -1;
}

bool DbExecute(DbConnection& connection, const char* sql, std::string* errorText) {
    if (!connection.handle) return false;
    char* message = nullptr;
    const int rc = sqlite3_exec(connection.handle, ToUtf8(sql).c_str(), nullptr, nullptr, &message);
    ReplaceError(errorText, message);
    return rc == SQLITE_OK;
}

ResultGrid DbQuery(DbConnection& connection, const char* sql, int* rowCount, int* columnCount, std::string* errorText,
                   bool* ok) {
    ResultGrid grid;
    bool succeeded = false;
    if (connection.handle) {
        char** table = nullptr;
        int rows = 0;
        int columns = 0;
        char* message = nullptr;
        const int rc =
            sqlite3_get_table(connection.handle, ToUtf8(sql).c_str(), &table, &rows, &columns, &message);
        ReplaceError(errorText, message);
        succeeded = rc == SQLITE_OK;
        if (succeeded) {
            // No matching row: SQLite still reports the columns, but the grid
            // carries neither header nor columns then.
            grid.rowCount = rows + 1;
            grid.columnCount = rows > 0 ? columns : 0;
            const size_t cellCount = static_cast<size_t>(grid.rowCount) * static_cast<size_t>(grid.columnCount);
            grid.cells.reserve(cellCount);
            for (size_t i = 0; i < cellCount; ++i) grid.cells.push_back(Utf8ToGbk(table[i]));
        }
        sqlite3_free_table(table);
    }
    if (rowCount) *rowCount = grid.rowCount;
    if (columnCount) *columnCount = grid.columnCount;
    if (ok) *ok = succeeded;
    return grid;
}

int DbErrorCode(DbConnection& connection) {
    return sqlite3_errcode(connection.handle);
}

std::string DbErrorMessage(DbConnection& connection) {
    return Utf8ToGbk(sqlite3_errmsg(connection.handle));
}
