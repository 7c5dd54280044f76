#include "data/DataBaseReader.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/DataBaseHandle.h"

namespace DataBase {

// One connection with the statements compiled on it, keyed by their text.
class StatementCache {
public:
    Handle& Open() {
        if (!handle_) {
            handle_.emplace();
        }
        return *handle_;
    }
    Statement& Prepare(std::u16string_view text) {
        Handle& handle = Open();
        const auto found = statements_.find(std::u16string(text));
        if (found != statements_.end()) {
            found->second->Reset();
            return *found->second;
        }
        auto compiled = std::make_unique<Statement>(handle, text);
        Statement& statement = *compiled;
        statements_.emplace(std::u16string(text), std::move(compiled));
        return statement;
    }

private:
    // Declared first, destroyed last: every statement is finalized before its connection closes.
    std::optional<Handle> handle_;
    std::unordered_map<std::u16string, std::unique_ptr<Statement>> statements_;
};

namespace {
StatementCache* g_run = nullptr;
} // namespace

RunScope::RunScope() : cache_(std::make_unique<StatementCache>()), previous_(g_run) {
    g_run = cache_.get();
}

RunScope::~RunScope() {
    g_run = previous_;
}

Reader::Reader() {
    if (g_run != nullptr) {
        cache_ = g_run;
    } else {
        own_ = std::make_unique<StatementCache>();
        cache_ = own_.get();
    }
    cache_->Open();
}

Reader::~Reader() {
    if (own_ == nullptr) {
        // The run's statements stay compiled; only their reads end here.
        for (Statement* statement : used_) {
            statement->Reset();
        }
    }
}

Statement& Reader::Prepare(std::u16string_view text) {
    Statement& statement = cache_->Prepare(text);
    used_.push_back(&statement);
    return statement;
}

} // namespace DataBase
