#include "db_state.h"

#include <sqlite3.h>

DbConnection dbConnection;
bool dbLastOk = false;
int dbLastErrorCode = 0;
std::string dbLastErrorMessage;

ResultGrid QueryCatalogue(const std::string& sql, bool recordFailure) {
    int rows = 0;
    int columns = 0;
    std::string error;
    ResultGrid grid = DbQuery(dbConnection, sql.c_str(), &rows, &columns, &error, &dbLastOk);
    if (!dbLastOk && recordFailure) {
        dbLastErrorCode = DbErrorCode(dbConnection);
        dbLastErrorMessage = DbErrorMessage(dbConnection);
    }
    return grid;
}

std::string QueryFirstValue(const std::string& sql) {
    const ResultGrid grid = QueryCatalogue(sql);
    return grid.rowCount > 1 && grid.columnCount > 0 ? grid.Cell(1, 0) : std::string();
}

void ReleaseCatalogueState() {
    if (dbConnection.handle) {
        sqlite3_close(dbConnection.handle);
        dbConnection.handle = nullptr;
    }
    dbLastErrorMessage.clear();
    dbLastErrorMessage.shrink_to_fit();
}
