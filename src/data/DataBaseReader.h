// How the loaders reach the host's database. A calculation run reads through one connection: while a
// RunScope lives, every Reader shares the run's connection, opened by the first read of the run and
// closed when the run ends, and each statement text is compiled once for the whole run. Outside a run
// (a page operation of the window, an export) each Reader opens and closes a connection of its own.
// One run at a time, on the user-interface thread.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "data/DataBaseStatement.h"

namespace DataBase {

class StatementCache;

class RunScope {
public:
    RunScope();
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    std::unique_ptr<StatementCache> cache_;
    StatementCache* previous_ = nullptr;
};

class Reader {
public:
    // Raises SqlException when the connection cannot be opened.
    Reader();
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // The compiled statement of text, before its first step and with no parameter bound; compiled on
    // first use. It serves until this Reader ends or the same text is asked for again, which starts it
    // afresh: a caller must finish with one use of a text before it asks for the text again. When the
    // Reader ends, the statements it used are reset, so that no read stays open and keeps the host
    // from writing. Raises SqlException.
    Statement& Prepare(std::u16string_view text);

private:
    std::unique_ptr<StatementCache> own_;
    StatementCache* cache_ = nullptr;
    std::vector<Statement*> used_;
};

} // namespace DataBase
