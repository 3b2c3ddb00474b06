#include "StoreFixture.h"

#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"

using namespace Tessera;

namespace {

std::string OpenScratch(TestSupport::TempDir const& dir, SQLiteDB& db)
{
    std::string path = (dir.path() / "scratch.db").string();
    EXPECT_TRUE(db.Open(path.c_str(), "", kOpenCreate));
    EXPECT_EQ(db.Exec("CREATE TABLE t(x INTEGER)"), kSqliteOk);
    return path;
}

}

TEST(SQLiteWrapper, WithoutConnectionEveryCallReportsMisuse)
{
    SQLiteDB db;
    SQLiteStatement statement;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Prepare(statement, "SELECT 1"), kSqliteMisuse);
    EXPECT_EQ(db.Exec("SELECT 1"), kSqliteMisuse);
    EXPECT_EQ(db.LastInsertRowId(), -1);
    EXPECT_EQ(statement.Step(), kSqliteMisuse);
    EXPECT_EQ(statement.BindInt(1, 5), kSqliteMisuse);
    EXPECT_EQ(statement.BindText(1, "a", 1), kSqliteMisuse);
    EXPECT_EQ(statement.ColumnInt(0), 0);
    EXPECT_EQ(statement.ColumnText(0), nullptr);
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.Open(nullptr, "", kOpenCreate));
}

TEST(SQLiteWrapper, OpenExistingFailsForMissingFileAndCreatesNothing)
{
    TestSupport::TempDir dir;
    SQLiteDB db;
    std::string path = (dir.path() / "missing.db").string();
    EXPECT_FALSE(db.Open(path.c_str(), "", kOpenExisting));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SQLiteWrapper, ConnectionRunsInWalModeWithNormalSync)
{
    TestSupport::TempDir dir;
    SQLiteDB db;
    OpenScratch(dir, db);
    SQLiteStatement statement;
    ASSERT_EQ(db.Prepare(statement, "PRAGMA journal_mode"), kSqliteOk);
    ASSERT_EQ(statement.Step(), kSqliteRow);
    EXPECT_STREQ(statement.ColumnText(0), "wal");
    ASSERT_EQ(db.Prepare(statement, "PRAGMA synchronous"), kSqliteOk);
    ASSERT_EQ(statement.Step(), kSqliteRow);
    EXPECT_EQ(statement.ColumnInt(0), 1); // NORMAL
}

TEST(SQLiteWrapper, NonEmptyKeyIsRefusedRatherThanWritingPlainData)
{
    TestSupport::TempDir dir;
    SQLiteDB db;
    std::string path = (dir.path() / "k.db").string();
    EXPECT_FALSE(db.Open(path.c_str(), "secret", kOpenCreate));
    EXPECT_FALSE(db.IsOpen());
}

TEST(SQLiteAutoTransaction, BeginAfterConstructionIssuesNoSecondBegin)
{
    TestSupport::TempDir dir;
    SQLiteDB db;
    OpenScratch(dir, db);
    SQLiteAutoTransaction transaction(&db);
    EXPECT_FALSE(transaction.Begin());
    db.Exec("INSERT INTO t VALUES (1)");
    EXPECT_TRUE(transaction.Commit());
    EXPECT_FALSE(transaction.Commit()); // no transaction is open any more
}

TEST(SQLiteAutoTransaction, DestructorEndsAnOpenTransaction)
{
    TestSupport::TempDir dir;
    SQLiteDB db;
    std::string path = OpenScratch(dir, db);
    {
        SQLiteAutoTransaction transaction(&db);
        db.Exec("INSERT INTO t VALUES (7)");
    }
    EXPECT_EQ(QueryFile(path, "SELECT x FROM t"), std::vector<std::string> { "7" });
}

TEST(SQLiteAutoTransaction, NullOrClosedDatabaseFailsQuietly)
{
    SQLiteAutoTransaction none(nullptr);
    EXPECT_FALSE(none.Begin());
    EXPECT_FALSE(none.Commit());
    SQLiteDB closed;
    SQLiteAutoTransaction onClosed(&closed);
    EXPECT_FALSE(onClosed.Begin());
    EXPECT_FALSE(onClosed.Commit());
}
