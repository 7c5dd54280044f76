// One open connection to the host's database, for the length of one loader call, one page operation or
// one calculation run. The plug-in never writes to the host's database, so every connection is opened
// read-only: a missing file is not created, and a database that a crashed host left with a hot journal
// is reported instead of rolled back.
#pragma once

#include <cstdint>
#include <string_view>

struct sqlite3;

namespace DataBase {

// How long a connection waits for a host that is writing at that moment before it gives up with
// "database is locked".
inline constexpr int kBusyTimeoutMs = 5000;

class Handle {
public:
    // Opens the address held by DataBaseConnection.
    Handle();
    // Opens address exactly as given (a file name or, where SQLite is built for it, a URI), read-only,
    // with the busy timeout above, and enables foreign keys. Raises SqlException.
    explicit Handle(std::u16string_view address);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// What the process has done to the host's database so far: connections opened and statements compiled.
// A benchmark or a test takes the difference over a piece of work.
struct AccessCounts {
    uint64_t opens = 0;
    uint64_t compiles = 0;
};
AccessCounts CurrentAccessCounts();
// Called by Statement for every text it compiles.
void CountCompile();

} // namespace DataBase
