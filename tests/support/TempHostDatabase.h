// Host database files in the temporary folder, made by the simulator and removed again, and the host's
// database address pointed at them for the length of a scope: for the tests that read a real file.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "HostWriter.h"
#include "data/DataBaseConnection.h"
#include "platform/Platform.h"
#include "support/TempNames.h"
#include "text/Utf.h"

namespace testsupport {

// A unique file in the temporary folder, removed (with its journal) on destruction.
class TempHostDatabase {
public:
    explicit TempHostDatabase(std::string_view stem) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name;
        name += stem;
        name += '-';
        name += test != nullptr ? test->name() : "global";
        path_ = testsupport::UniqueTempPath(name);
        sim::RemoveDatabaseFile(path_);
    }
    ~TempHostDatabase() { sim::RemoveDatabaseFile(path_); }
    TempHostDatabase(const TempHostDatabase&) = delete;
    TempHostDatabase& operator=(const TempHostDatabase&) = delete;

    const std::string& path() const { return path_; }
    std::u16string address() const { return Utf8ToUtf16(path_); }

private:
    std::string path_;
};

// Points the host's database address at a file for the length of a scope.
class UseHostDatabase {
public:
    explicit UseHostDatabase(const TempHostDatabase& database) {
        DataBaseConnection::SetUri(database.address());
    }
    ~UseHostDatabase() { DataBaseConnection::SetUri(nullptr); }
    UseHostDatabase(const UseHostDatabase&) = delete;
    UseHostDatabase& operator=(const UseHostDatabase&) = delete;
};

} // namespace testsupport
