#include "catalogue_build.h"

#include <string>

#include "carried_tables.h"
#include "db_state.h"

const std::string_view kCatalogueTables[27] = {
    "BARTOWELD",    "SECTIONTABLE", "HEADERNAMES",  "SUBTYPES",     "WELDCALCINFO", "WELDMARKINFO",
    "热轧_不等边",  "热轧_槽钢",    "热轧_多边形钢", "热轧_钢板",    "热轧_钢轨",    "热轧_钢丝",
    "热轧_工字钢",  "热轧_夹芯板",  "热轧_角钢",    "热轧_矩形管",  "热轧_其他钢管", "热轧_螺栓",
    "热轧_压型钢板", "热轧_圆钢",   "热轧_圆管",    "热轧C",        "热轧H",        "热轧T",
    "热轧Z",        "热轧方",       "midu",
};

void BuildCatalogue() {
    DbOpen(dbConnection, ":memory:", 2);
    DbConfigureCipher(dbConnection, "chacha20", "cipher", 3);
    std::string error;
    for (std::string_view table : kCatalogueTables) {
        const auto text = CarriedTableText(table);
        if (!text) continue;  // not carried yet
        // The text goes between the quotes unescaped: carried texts hold no apostrophe.
        std::string statement = "CREATE VIRTUAL TABLE ";
        statement += Utf8ToGbk(std::string(table).c_str());
        statement += " USING csv(data='";
        statement += Utf8ToGbk(std::string(*text).c_str());
        statement += "',header = true)";
        dbLastOk = DbExecute(dbConnection, statement.c_str(), &error);
    }
}
