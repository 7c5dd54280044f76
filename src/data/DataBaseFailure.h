// The words of a failed operation on the host's database. SQLite's own text serves everywhere except
// for a database that a crashed host writer left half-written (a hot rollback journal, or a write-ahead
// log that needs recovery): a read-only connection must not repair it, and SQLite's "attempt to write a
// readonly database" would not tell the user what to do.
#pragma once

#include <string>

struct sqlite3;

namespace DataBase {

inline constexpr const char* kNeedsRecoveryMessage =
    "the database was left unfinished by an interrupted write and needs recovery: open it in the host first";

// fallback is SQLite's text for the failure (sqlite3_errmsg or sqlite3_errstr, as the caller reports).
std::string FailureMessage(sqlite3* db, const char* fallback);

} // namespace DataBase
