// One compiled query on an open database. The plug-in only reads the host's database: a statement that
// SQLite does not report as a read-only query is refused before it can run.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/Format.h"

struct sqlite3_stmt;

namespace DataBase {

class Handle;

class Statement {
public:
    // The text is formatted with args by the printf rules of FormatText (so "%%" becomes "%") and then
    // compiled as UTF-16; only the first statement of the text is compiled. Raises SqlException when
    // compiling fails, when the text holds no statement, and when the statement would change anything.
    Statement(Handle& handle, std::u16string_view text, std::initializer_list<FormatArg> args = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1. A failing bind raises SqlException.
    void BindText(int index, std::u16string_view text);
    void BindInt64(int index, int64_t value);
    void BindNull(int index);
    // Identifiers of host rows are positive; anything else is bound as NULL and so matches no row.
    void BindAssayId(int index, int64_t id);

    // True when a row is ready; false when the statement has finished. Any other result of the step
    // raises SqlException with SQLite's text for that result and the statement's SQL.
    bool Step();
    // One step whose result the caller judges itself (a raw SQLite result code).
    int StepResult();
    // Back to before the first step, parameters unbound, so the compiled statement serves again; ends
    // the statement's read of the database.
    void Reset();

    // Columns are numbered from 0. A NULL reads as an empty text or 0; a text in a numeric column reads
    // as SQLite converts it (its numeric prefix, else 0); ColumnInt saturates at the 32-bit bounds.
    bool IsNull(int column) const;
    std::u16string ColumnText(int column) const;
    double ColumnDouble(int column) const;
    int32_t ColumnInt(int column) const;
    int64_t ColumnInt64(int column) const;

    // The statement's text as SQLite keeps it (UTF-8).
    std::string Sql() const;

private:
    void CheckBind(int result);

    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace DataBase
