#include <gtest/gtest.h>

#include <sqlite3.h>

#include "codepage.h"
#include "database.h"

namespace {

class Database : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DbOpen(db, ":memory:", SQLITE_OPEN_READWRITE));
        const std::string sql = Utf8ToGbkBytes(
            "CREATE VIRTUAL TABLE 热轧_样表 USING csv(data='\"ID\",\"规格\",\"重量\",\"ORDER\"\r\n"
            "\"1\",\"L20×3\",\"0.080 \",\"2\"\r\n"
            "\"2\",\"L25×4\",,\"10\"\r\n"
            "\"3\",\"口10×5\",\"1.5\",\"1\"\r\n',header = true)");
        std::string error;
        ASSERT_TRUE(DbExecute(db, sql.c_str(), &error)) << error;
    }
    void TearDown() override { sqlite3_close(db.handle); }

    std::string G(const char* utf8) { return Utf8ToGbkBytes(utf8); }
    DbConnection db;
};

TEST_F(Database, ThreeGridShapes) {
    int rows = -1, cols = -1;
    bool ok = false;
    ResultGrid g = DbQuery(db, G("select 规格,重量 from 热轧_样表").c_str(), &rows, &cols, nullptr, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(cols, 2);
    ASSERT_EQ(g.cells.size(), 8u);
    EXPECT_EQ(g.Cell(0, 0), G("规格"));
    EXPECT_EQ(g.Cell(1, 0), G("L20×3"));
    EXPECT_EQ(g.Cell(3, 0), G("口10×5"));

    g = DbQuery(db, G("select * from 热轧_样表 where ID='9'").c_str(), &rows, &cols, nullptr, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(cols, 0);
    EXPECT_TRUE(g.cells.empty());
    EXPECT_EQ(g.rowCount, 1);

    g = DbQuery(db, "select * from nothing_here", &rows, &cols, nullptr, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(cols, 0);
    EXPECT_TRUE(g.cells.empty());
}

TEST_F(Database, ValuesComeBackAsStored) {
    ResultGrid g = DbQuery(db, G("select 重量, NULL, '' from 热轧_样表 where ID=1").c_str());
    ASSERT_EQ(g.rowCount, 2);
    EXPECT_EQ(g.Cell(1, 0), "0.080 ");  // trailing blank kept
    EXPECT_EQ(g.Cell(1, 1), "");        // NULL and empty are alike
    EXPECT_EQ(g.Cell(1, 2), "");
    g = DbQuery(db, G("select 重量 from 热轧_样表 where ID=2").c_str());
    ASSERT_EQ(g.rowCount, 2);
    EXPECT_EQ(g.Cell(1, 0), "");  // empty field is an empty text
}

TEST_F(Database, TextComparisonsAndOrder) {
    ResultGrid g = DbQuery(db, G("select \"ORDER\" from 热轧_样表 order by \"ORDER\"").c_str());
    ASSERT_EQ(g.rowCount, 4);
    EXPECT_EQ(g.Cell(1, 0), "1");
    EXPECT_EQ(g.Cell(2, 0), "10");  // text order: "10" before "2"
    EXPECT_EQ(g.Cell(3, 0), "2");
    // A number compares with the text "1"; lower-case names find the columns.
    g = DbQuery(db, G("select id from 热轧_样表 where id=3").c_str());
    ASSERT_EQ(g.rowCount, 2);
    EXPECT_EQ(g.Cell(1, 0), "3");
}

TEST_F(Database, ErrorTextsAndCodes) {
    std::string error = "old";
    bool ok = true;
    DbQuery(db, G("select * from 热轧_没有").c_str(), nullptr, nullptr, &error, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, G("no such table: 热轧_没有"));  // message arrives in GBK
    EXPECT_EQ(DbErrorCode(db), SQLITE_ERROR);
    EXPECT_EQ(DbErrorMessage(db), G("no such table: 热轧_没有"));

    // A later success leaves the old message in place.
    DbQuery(db, G("select 规格 from 热轧_样表").c_str(), nullptr, nullptr, &error, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(error, G("no such table: 热轧_没有"));

    error = "kept";
    EXPECT_FALSE(DbExecute(db, "create nonsense", &error));
    EXPECT_NE(error, "kept");
    EXPECT_NE(error.find("syntax error"), std::string::npos);
    // The table survives a failure.
    EXPECT_EQ(DbQuery(db, G("select * from 热轧_样表").c_str()).rowCount, 4);
}

TEST_F(Database, CipherIsNotLinked) {
    EXPECT_EQ(DbConfigureCipher(db, "chacha20", "cipher", 3), -1);
    EXPECT_EQ(DbQuery(db, G("select * from 热轧_样表").c_str()).rowCount, 4);
}

TEST(DatabaseWithoutConnection, FailsQuietly) {
    DbConnection none;
    std::string error = "untouched";
    EXPECT_FALSE(DbExecute(none, "select 1", &error));
    EXPECT_EQ(error, "untouched");
    int rows = 7, cols = 7;
    bool ok = true;
    ResultGrid g = DbQuery(none, "select 1", &rows, &cols, &error, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(cols, 0);
    EXPECT_TRUE(g.cells.empty());
    EXPECT_EQ(DbConfigureCipher(none, "chacha20", "cipher", 3), -1);
    // Null texts count as empty.
    EXPECT_FALSE(DbExecute(none, nullptr));
    EXPECT_EQ(Utf8ToGbk(nullptr), "");
}

TEST(DatabaseOpen, SecondOpenClosesTheFirst) {
    DbConnection db;
    ASSERT_TRUE(DbOpen(db, ":memory:", SQLITE_OPEN_READWRITE));
    ASSERT_TRUE(DbExecute(db, "create table t(x)"));
    sqlite3* first = db.handle;
    ASSERT_TRUE(DbOpen(db, ":memory:", SQLITE_OPEN_READWRITE));
    EXPECT_NE(db.handle, nullptr);
    // The new in-memory database is a fresh one: the old table is gone.
    bool ok = true;
    DbQuery(db, "select * from t", nullptr, nullptr, nullptr, &ok);
    EXPECT_FALSE(ok);
    (void)first;
    // A file that cannot be opened leaves the holder empty.
    EXPECT_FALSE(DbOpen(db, "/nonexistent-dir/x.db", SQLITE_OPEN_READWRITE));
    EXPECT_EQ(db.handle, nullptr);
}

TEST(DatabaseOpen, NullQueryTextIsEmpty) {
    DbConnection db;
    ASSERT_TRUE(DbOpen(db, ":memory:", SQLITE_OPEN_READWRITE));
    bool ok = false;
    ResultGrid g = DbQuery(db, nullptr, nullptr, nullptr, nullptr, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(g.rowCount, 1);
    sqlite3_close(db.handle);
}
}  // namespace
