#include "data/DataBaseFailure.h"

#include <sqlite3.h>

namespace DataBase {

std::string FailureMessage(sqlite3* db, const char* fallback) {
    if (db != nullptr) {
        const int code = sqlite3_extended_errcode(db);
        if (code == SQLITE_READONLY_ROLLBACK || code == SQLITE_READONLY_RECOVERY) {
            return kNeedsRecoveryMessage;
        }
    }
    return fallback != nullptr ? fallback : "";
}

} // namespace DataBase
