#include "plugin/CallGuard.h"

#include <utility>

namespace {
BoundaryFailure g_lastFailure;
} // namespace

const BoundaryFailure& LastBoundaryFailure() {
    return g_lastFailure;
}

void RecordBoundaryFailure(BoundaryFailure failure) noexcept {
    g_lastFailure = std::move(failure);
}

void ClearBoundaryFailure() noexcept {
    g_lastFailure = BoundaryFailure{};
}

BoundaryFailure CurrentBoundaryFailure(const char* where) noexcept {
    BoundaryFailure failure;
    try {
        failure.where = where != nullptr ? where : "";
        try {
            throw;
        } catch (const DataBase::SqlException& error) {
            failure.reason = error.message();
            failure.database = true;
        } catch (const std::bad_alloc&) {
            failure.reason = "out of memory";
        } catch (const std::exception& error) {
            failure.reason = error.what();
        } catch (...) {
            failure.reason = "unknown exception";
        }
    } catch (...) {
        // Copying a text failed (no memory): the failure stays recorded without its words.
    }
    return failure;
}
