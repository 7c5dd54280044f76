#include "data/DataBaseHandle.h"

#include <sqlite3.h>

#include <string>

#include "data/DataBaseConnection.h"
#include "data/SqlException.h"

namespace DataBase {

namespace {
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
    const std::u16string zeroTerminated(address);
    sqlite3* db = nullptr;
    int result = sqlite3_open16(zeroTerminated.c_str(), &db);
    if (result != SQLITE_OK) {
        RaiseOpenFailure(db, result);
    }
    result = sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_FKEY, 1, static_cast<int*>(nullptr));
    if (result != SQLITE_OK) {
        RaiseOpenFailure(db, result);
    }
    db_ = db;
}

Handle::~Handle() {
    sqlite3_close(db_);
}

} // namespace DataBase
