// Shared by the data tests: databases in the temporary folder, made by the simulator and removed again,
// and the host's database address pointed at them for the length of a test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "HostWriter.h"
#include "data/DataBaseConnection.h"
#include "platform/Platform.h"
#include "support/TempNames.h"
#include "text/Utf.h"

namespace datatest {

// A unique file in the temporary folder, removed (with its journal) on destruction.
class TempDatabase {
public:
    explicit TempDatabase(std::string_view stem) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "data-";
        name += stem;
        name += '-';
        name += test != nullptr ? test->name() : "global";
        path_ = testsupport::UniqueTempPath(name);
        sim::RemoveDatabaseFile(path_);
    }
    ~TempDatabase() { sim::RemoveDatabaseFile(path_); }
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    const std::string& path() const { return path_; }
    std::u16string address() const { return Utf8ToUtf16(path_); }

private:
    std::string path_;
};

// Points the host's database address at a file for the length of a scope.
class UseDatabase {
public:
    explicit UseDatabase(const TempDatabase& database) { DataBaseConnection::SetUri(database.address()); }
    ~UseDatabase() { DataBaseConnection::SetUri(nullptr); }
    UseDatabase(const UseDatabase&) = delete;
    UseDatabase& operator=(const UseDatabase&) = delete;
};

} // namespace datatest
