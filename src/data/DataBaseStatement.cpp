#include "data/DataBaseStatement.h"

#include <sqlite3.h>

#include <climits>
#include <cstring>

#include "data/DataBaseFailure.h"
#include "data/DataBaseHandle.h"
#include "data/SqlException.h"

namespace DataBase {

namespace {
std::string SqlOf(sqlite3_stmt* stmt) {
    const char* sql = stmt != nullptr ? sqlite3_sql(stmt) : nullptr;
    return sql != nullptr ? std::string(sql) : std::string();
}
} // namespace

Statement::Statement(Handle& handle, std::u16string_view text, std::initializer_list<FormatArg> args) {
    const std::u16string formatted = FormatText(text, args);
    sqlite3* db = handle.get();
    sqlite3_stmt* stmt = nullptr;
    const int result = sqlite3_prepare16_v2(db, formatted.c_str(), -1, &stmt, nullptr);
    if (result != SQLITE_OK) {
        std::string message = FailureMessage(db, sqlite3_errmsg(db));
        sqlite3_finalize(stmt);
        throw SqlException(std::move(message), std::string(), result);
    }
    CountCompile();
    if (stmt == nullptr) {
        // An empty text or a comment compiles to nothing; stepping it would be a misuse of SQLite.
        throw SqlException("the statement text holds no SQL statement", std::string(), SQLITE_MISUSE);
    }
    // SQLite also calls transaction control, ATTACH and DETACH read-only; none of them yields rows, and
    // ATTACH can create a file, so only read-only statements with result columns are queries here.
    if (!sqlite3_stmt_readonly(stmt) || sqlite3_column_count(stmt) == 0) {
        std::string sql = SqlOf(stmt);
        sqlite3_finalize(stmt);
        throw SqlException("only read-only queries may be run on the host database", std::move(sql),
                           SQLITE_READONLY);
    }
    stmt_ = stmt;
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::CheckBind(int result) {
    if (result != SQLITE_OK) {
        throw SqlException(sqlite3_errstr(result), SqlOf(stmt_), result);
    }
}

void Statement::BindText(int index, std::u16string_view text) {
    if (text.size() > static_cast<size_t>(INT_MAX / 2)) {
        throw SqlException(sqlite3_errstr(SQLITE_TOOBIG), SqlOf(stmt_), SQLITE_TOOBIG);
    }
    // A null pointer would bind NULL; an empty text must stay an empty text.
    const char16_t* data = text.empty() ? u"" : text.data();
    CheckBind(sqlite3_bind_text16(stmt_, index, data, static_cast<int>(text.size() * sizeof(char16_t)),
                                  SQLITE_TRANSIENT));
}

void Statement::BindInt64(int index, int64_t value) {
    CheckBind(sqlite3_bind_int64(stmt_, index, value));
}

void Statement::BindNull(int index) {
    CheckBind(sqlite3_bind_null(stmt_, index));
}

void Statement::BindAssayId(int index, int64_t id) {
    if (id > 0) {
        BindInt64(index, id);
    } else {
        BindNull(index);
    }
}

bool Statement::Step() {
    const int result = sqlite3_step(stmt_);
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result != SQLITE_DONE) {
        throw SqlException(FailureMessage(sqlite3_db_handle(stmt_), sqlite3_errstr(result)), SqlOf(stmt_),
                           result);
    }
    return false;
}

void Statement::Reset() {
    // The result of reset repeats the last step's, which has been reported already.
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::StepResult() {
    return sqlite3_step(stmt_);
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::u16string Statement::ColumnText(int column) const {
    if (IsNull(column)) {
        return {};
    }
    const void* text = sqlite3_column_text16(stmt_, column);
    if (text == nullptr) {
        // Null for an empty BLOB, or when converting the text ran out of memory.
        if (sqlite3_errcode(sqlite3_db_handle(stmt_)) == SQLITE_NOMEM) {
            throw SqlException(sqlite3_errstr(SQLITE_NOMEM), SqlOf(stmt_), SQLITE_NOMEM);
        }
        return {};
    }
    const size_t bytes = static_cast<size_t>(sqlite3_column_bytes16(stmt_, column));
    std::u16string out(bytes / sizeof(char16_t), u'\0');
    std::memcpy(out.data(), text, out.size() * sizeof(char16_t));
    return out;
}

double Statement::ColumnDouble(int column) const {
    return IsNull(column) ? 0.0 : sqlite3_column_double(stmt_, column);
}

int32_t Statement::ColumnInt(int column) const {
    // sqlite3_column_int keeps the low 32 bits of a larger value, which turns 2^31 decimals into a
    // negative count; beyond the 32-bit range the nearest bound is the sound reading.
    const int64_t value = ColumnInt64(column);
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    return value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

int64_t Statement::ColumnInt64(int column) const {
    return IsNull(column) ? 0 : sqlite3_column_int64(stmt_, column);
}

std::string Statement::Sql() const {
    return SqlOf(stmt_);
}

} // namespace DataBase
