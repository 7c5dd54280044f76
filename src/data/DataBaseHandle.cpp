#include "data/DataBaseHandle.h"

#include <sqlite3.h>

#include <string>

#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "text/Utf.h"

namespace DataBase {

namespace {
AccessCounts g_counts;

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
