// One open connection to the host's database, for the length of one loader call or page operation.
#pragma once

#include <string_view>

struct sqlite3;

namespace DataBase {

class Handle {
public:
    // Opens the address held by DataBaseConnection.
    Handle();
    // Opens address exactly as given (a file name or, where SQLite is built for it, a URI), with the
    // default flags of sqlite3_open16 (read-write, create), and enables foreign keys. Raises SqlException.
    explicit Handle(std::u16string_view address);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

} // namespace DataBase
