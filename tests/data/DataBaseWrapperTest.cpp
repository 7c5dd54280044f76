#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "data/DataBaseHandle.h"
#include "data/DataBaseStatement.h"
#include "data/SqlException.h"
#include "support/TempHostDatabase.h"

namespace {

using DataBase::Handle;
using DataBase::SqlException;
using DataBase::Statement;
using testsupport::TempHostDatabase;

// Runs body, which must raise SqlException, and returns it.
template <typename Body>
SqlException Raised(Body body) {
    try {
        body();
    } catch (const SqlException& raised) {
        return raised;
    }
    ADD_FAILURE() << "no SqlException";
    return SqlException("", "", 0);
}

// A database with one table, written by the simulator's writer.
class WrapperTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::HostWriter writer(file_.path());
        writer.Exec("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, value REAL);"
                    "INSERT INTO t VALUES (1, 'Метан', 1.5), (2, NULL, NULL);");
    }
    int64_t RowCount() {
        Handle handle(file_.address());
        Statement statement(handle, u"SELECT count(*) FROM t;");
        EXPECT_TRUE(statement.Step());
        return statement.ColumnInt64(0);
    }
    TempHostDatabase file_{"wrapper"};
};

TEST_F(WrapperTest, ReadsRowsUntilDone) {
    Handle handle(file_.address());
    Statement statement(handle, u"SELECT id, name, value FROM t ORDER BY id;");
    ASSERT_TRUE(statement.Step());
    EXPECT_EQ(statement.ColumnInt64(0), 1);
    EXPECT_EQ(statement.ColumnText(1), u"Метан");
    EXPECT_EQ(statement.ColumnDouble(2), 1.5);
    ASSERT_TRUE(statement.Step());
    EXPECT_TRUE(statement.IsNull(1));
    EXPECT_EQ(statement.ColumnText(1), u"");
    EXPECT_EQ(statement.ColumnDouble(2), 0.0);
    EXPECT_EQ(statement.ColumnInt(2), 0);
    EXPECT_FALSE(statement.Step());
}

TEST_F(WrapperTest, RefusesEveryStatementThatWouldChangeSomething) {
    const std::u16string_view statements[] = {
        u"INSERT INTO t (name) VALUES ('x');",
        u"UPDATE t SET name = 'x';",
        u"DELETE FROM t;",
        u"DROP TABLE t;",
        u"CREATE TABLE u (x);",
        u"REPLACE INTO t VALUES (1, 'x', 0);",
        u"PRAGMA user_version = 5;",
        u"BEGIN;",
        u"ATTACH DATABASE 'other.db' AS other;",
        u"VACUUM;",
    };
    Handle handle(file_.address());
    for (const auto text : statements) {
        const SqlException raised = Raised([&] { Statement statement(handle, text); });
        EXPECT_EQ(raised.code(), SQLITE_READONLY) << Utf16ToUtf8(text);
        EXPECT_EQ(raised.message(), "only read-only queries may be run on the host database");
    }
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(WrapperTest, CompilesOnlyTheFirstStatementOfAText) {
    {
        Handle handle(file_.address());
        Statement statement(handle, u"SELECT 1; DELETE FROM t;");
        EXPECT_TRUE(statement.Step());
        EXPECT_FALSE(statement.Step());
    }
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(WrapperTest, EmptyTextIsRefusedInsteadOfStepped) {
    Handle handle(file_.address());
    for (const auto text : {u"", u"   ", u"-- a comment only"}) {
        const SqlException raised = Raised([&] { Statement statement(handle, text); });
        EXPECT_EQ(raised.code(), SQLITE_MISUSE);
    }
}

TEST_F(WrapperTest, PrepareFailureCarriesSqliteMessageAndNoSql) {
    Handle handle(file_.address());
    SqlException raised = Raised([&] { Statement statement(handle, u"SELECT name FROM [versioninfo];"); });
    EXPECT_EQ(raised.code(), SQLITE_ERROR);
    EXPECT_EQ(raised.message(), "no such table: versioninfo");
    EXPECT_STREQ(raised.what(), "no such table: versioninfo");
    EXPECT_EQ(raised.sql(), "");
    raised = Raised([&] { Statement statement(handle, u"SELEC name FROM t;"); });
    EXPECT_EQ(raised.code(), SQLITE_ERROR);
    EXPECT_EQ(raised.message(), "near \"SELEC\": syntax error");
}

TEST_F(WrapperTest, StepFailureCarriesResultTextAndTheStatement) {
    Handle handle(file_.address());
    // The statement is finalized while the exception leaves its scope; the SQL text must survive.
    const SqlException raised = Raised([&] {
        Statement statement(handle, u"SELECT abs(-9223372036854775807 - 1) FROM t;");
        while (statement.Step()) {
        }
    });
    EXPECT_EQ(raised.code(), SQLITE_ERROR);
    EXPECT_EQ(raised.message(), sqlite3_errstr(SQLITE_ERROR));
    EXPECT_EQ(raised.sql(), "SELECT abs(-9223372036854775807 - 1) FROM t;");
}

TEST_F(WrapperTest, StepResultReportsFailureWithoutRaising) {
    Handle handle(file_.address());
    Statement statement(handle, u"SELECT abs(-9223372036854775807 - 1) FROM t;");
    EXPECT_EQ(statement.StepResult(), SQLITE_ERROR);
}

TEST_F(WrapperTest, AssayIdsAboveZeroAreBoundOthersAreNull) {
    Handle handle(file_.address());
    struct Case {
        int64_t id;
        bool null;
    };
    for (const Case c :
         {Case{1, false}, Case{INT64_MAX, false}, Case{0, true}, Case{-1, true}, Case{INT64_MIN, true}}) {
        Statement statement(handle, u"SELECT ? IS NULL, ?1;");
        statement.BindAssayId(1, c.id);
        ASSERT_TRUE(statement.Step());
        EXPECT_EQ(statement.ColumnInt(0), c.null ? 1 : 0) << c.id;
        if (!c.null) {
            EXPECT_EQ(statement.ColumnInt64(1), c.id);
        }
    }
}

TEST_F(WrapperTest, EmptyTextIsBoundAsTextNotNull) {
    Handle handle(file_.address());
    Statement statement(handle, u"SELECT ? IS NULL, typeof(?1), length(?1);");
    statement.BindText(1, std::u16string_view());
    ASSERT_TRUE(statement.Step());
    EXPECT_EQ(statement.ColumnInt(0), 0);
    EXPECT_EQ(statement.ColumnText(1), u"text");
    EXPECT_EQ(statement.ColumnInt(2), 0);
}

TEST_F(WrapperTest, BindingBeyondTheParametersRaises) {
    Handle handle(file_.address());
    Statement statement(handle, u"SELECT ?;");
    const SqlException raised = Raised([&] { statement.BindInt64(2, 5); });
    EXPECT_EQ(raised.code(), SQLITE_RANGE);
    EXPECT_EQ(raised.sql(), "SELECT ?;");
}

TEST_F(WrapperTest, TextsRoundTripAsExactUtf16) {
    const std::u16string texts[] = {
        u"Метан",
        u"Ёё Йй Щщ Ъъ",
        u"Диоксид углерода",
        u"\u04216+*",
        u"\U0001F600",
        std::u16string(u"a\0b", 3),
        std::u16string(5000, u'Ж'),
    };
    Handle handle(file_.address());
    for (const auto& text : texts) {
        Statement statement(handle, u"SELECT ?, length(?1);");
        statement.BindText(1, text);
        ASSERT_TRUE(statement.Step());
        const std::u16string back = statement.ColumnText(0);
        ASSERT_EQ(back.size(), text.size());
        EXPECT_EQ(std::char_traits<char16_t>::compare(back.data(), text.data(), text.size()), 0);
    }
}

TEST_F(WrapperTest, TextIsFormattedBeforeCompiling) {
    Handle handle(file_.address());
    Statement statement(handle, u"SELECT '%%' || ?, '%s%d';", {u"х", 7});
    statement.BindText(1, u"ж");
    ASSERT_TRUE(statement.Step());
    EXPECT_EQ(statement.ColumnText(0), u"%ж");
    EXPECT_EQ(statement.ColumnText(1), u"х7");
    EXPECT_EQ(statement.Sql(), "SELECT '%' || ?, 'х7';");
}

TEST_F(WrapperTest, ForeignKeysAreEnabled) {
    Handle handle(file_.address());
    Statement statement(handle, u"PRAGMA foreign_keys;");
    ASSERT_TRUE(statement.Step());
    EXPECT_EQ(statement.ColumnInt(0), 1);
}

TEST_F(WrapperTest, IntegersOutsideThirtyTwoBitsSaturate) {
    Handle handle(file_.address());
    Statement statement(handle, u"SELECT 2147483648, -9223372036854775807 - 1, 7.9, '24 шт.', 'два';");
    ASSERT_TRUE(statement.Step());
    EXPECT_EQ(statement.ColumnInt(0), INT32_MAX);
    EXPECT_EQ(statement.ColumnInt(1), INT32_MIN);
    EXPECT_EQ(statement.ColumnInt(2), 7);
    EXPECT_EQ(statement.ColumnInt(3), 24);
    EXPECT_EQ(statement.ColumnInt(4), 0);
}

TEST(DataBaseOpen, FailureCarriesSqliteMessageAndNoSql) {
    TempHostDatabase folder("missing-folder");
    const std::u16string address = folder.address() + u"/нет/такой/папки.db";
    const SqlException raised = Raised([&] { Handle handle(address); });
    EXPECT_EQ(raised.code(), SQLITE_CANTOPEN);
    EXPECT_EQ(raised.message(), "unable to open database file");
    EXPECT_EQ(raised.sql(), "");
}

TEST(DataBaseOpen, WithoutAnAddressOpensAnEmptyPrivateDatabase) {
    DataBaseConnection::SetUri(nullptr);
    EXPECT_EQ(DataBaseConnection::Uri(), u"");
    Handle handle;
    const SqlException raised = Raised([&] { Statement statement(handle, u"SELECT id FROM [assay];"); });
    EXPECT_EQ(raised.code(), SQLITE_ERROR);
    EXPECT_EQ(raised.message(), "no such table: assay");
}

TEST(DataBaseConnectionHolder, KeepsACopyUpToTheTerminatingZero) {
    std::u16string host = u"C:\\Данные\\orlisk.db";
    DataBaseConnection::SetUri(host.c_str());
    host[0] = u'D';
    EXPECT_EQ(DataBaseConnection::Uri(), u"C:\\Данные\\orlisk.db");
    DataBaseConnection::SetUri(std::u16string_view(u"second.db\0tail", 14));
    EXPECT_EQ(DataBaseConnection::Uri(), u"second.db");
    DataBaseConnection::SetUri(nullptr);
    EXPECT_EQ(DataBaseConnection::Uri(), u"");
}

} // namespace
