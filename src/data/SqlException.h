// The one exception type of the plug-in: every failing operation on the host database raises it, and the
// command that started the work reports it to the user.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace DataBase {

class SqlException : public std::exception {
public:
    // message: SQLite's description of the failure (UTF-8); sql: the failing statement's text as SQLite
    // keeps it, or empty; code: the SQLite result code. Both texts are copied: the statement that owned
    // the SQL text is finalized while the exception travels to its handler.
    SqlException(std::string message, std::string sql, int32_t code);

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }
    const std::string& sql() const noexcept { return sql_; }
    int32_t code() const noexcept { return code_; }

private:
    std::string message_;
    std::string sql_;
    int32_t code_;
};

} // namespace DataBase
