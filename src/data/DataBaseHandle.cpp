#include "data/DataBaseHandle.h"

#include <sqlite3.h>

#include <string>

#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "data/SqlTexts.h"
#include "text/CaseFold.h"
#include "text/Utf.h"

namespace DataBase {

namespace {
AccessCounts g_counts;

// The case folding of the project's own table as an SQL function of one text (NULL stays NULL), so that
// a search compares names in any case the same way on every system, whatever SQLite's build knows of
// Unicode.
void FoldFunction(sqlite3_context* call, int, sqlite3_value** arguments) {
    const auto* text = static_cast<const char16_t*>(sqlite3_value_text16(arguments[0]));
    if (text == nullptr) {
        sqlite3_result_null(call);
        return;
    }
    const size_t length = static_cast<size_t>(sqlite3_value_bytes16(arguments[0])) / sizeof(char16_t);
    size_t first = 0; // the first character that folds: a text without one is answered as it is
    while (first < length && FoldCase(text[first]) == text[first]) {
        ++first;
    }
    if (first == length) {
        sqlite3_result_value(call, arguments[0]);
        return;
    }
    // The connection's own buffer: a search calls this once a row, without allocating each time.
    std::u16string& folded = *static_cast<std::u16string*>(sqlite3_user_data(call));
    folded.assign(text, length);
    for (size_t index = first; index < length; ++index) {
        folded[index] = FoldCase(folded[index]);
    }
    sqlite3_result_text16(call, folded.data(), static_cast<int>(length * sizeof(char16_t)), SQLITE_TRANSIENT);
}

[[noreturn]] void RaiseOpenFailure(sqlite3* db, int result) {
    // SQLite gives a handle even when opening fails (except when out of memory); its message is the
    // one the user needs, and the handle must still be closed.
    std::string message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(result);
    sqlite3_close(db);
    throw SqlException(std::move(message), std::string(), result);
}
} // namespace

Handle::Handle() : Handle(DataBaseConnection::Uri()) {}

Handle::Handle(std::u16string_view address) {
    const std::string utf8 = Utf16ToUtf8(address);
    sqlite3* db = nullptr;
    int result = sqlite3_open_v2(utf8.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (result != SQLITE_OK) {
        RaiseOpenFailure(db, result);
    }
    ++g_counts.opens;
    result = sqlite3_busy_timeout(db, kBusyTimeoutMs);
    if (result == SQLITE_OK) {
        result = sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_FKEY, 1, static_cast<int*>(nullptr));
    }
    if (result == SQLITE_OK) {
        result = sqlite3_create_function_v2(
            db, HostSql::kFoldFunction, 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
            new std::u16string, &FoldFunction, nullptr, nullptr,
            [](void* buffer) { delete static_cast<std::u16string*>(buffer); });
    }
    if (result != SQLITE_OK) {
        RaiseOpenFailure(db, result);
    }
    db_ = db;
}

Handle::~Handle() {
    sqlite3_close(db_);
}

AccessCounts CurrentAccessCounts() {
    return g_counts;
}

void CountCompile() {
    ++g_counts.compiles;
}

} // namespace DataBase
