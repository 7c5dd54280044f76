// A calculation run reads the host's database through one read-only connection; what such a connection
// does with a database that the host is writing at that moment, or that a crashed host left half-written.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "DemoRun.h"
#include "calc/Stages.h"
#include "data/DataBaseFailure.h"
#include "data/DataBaseHandle.h"
#include "data/DataBaseReader.h"
#include "data/MixtureLoading.h"
#include "data/SqlException.h"
#include "support/TempHostDatabase.h"

namespace {

using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

// The host's own read-write connection to a database file.
class HostConnection {
public:
    explicit HostConnection(const std::string& path) {
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    }
    ~HostConnection() { sqlite3_close(db_); }
    HostConnection(const HostConnection&) = delete;
    HostConnection& operator=(const HostConnection&) = delete;

    int Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3* db_ = nullptr;
};

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Sha1Of(const std::string& path) {
    platform::Sha1Digest digest{};
    EXPECT_TRUE(platform::Sha1OfFile(Utf8ToUtf16(path), digest)) << path;
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const uint8_t byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0x0F];
    }
    return hex;
}

// A fresh copy of the demo database per test (writing it takes a while; copying it does not).
class RunConnection : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        master_ = new TempHostDatabase("demo-master");
        manifest_ = new sim::DemoManifest(sim::MakeDemoDatabase(master_->path(), 20240314));
    }
    static void TearDownTestSuite() {
        delete master_;
        delete manifest_;
        master_ = nullptr;
        manifest_ = nullptr;
    }
    void SetUp() override {
        std::filesystem::copy_file(PathOf(master_->path()), PathOf(file_.path()),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    CalcContext Context(int32_t method) { return testsupport::DemoRunContext(*manifest_, method); }

    static TempHostDatabase* master_;
    static sim::DemoManifest* manifest_;
    TempHostDatabase file_{"run"};
};
TempHostDatabase* RunConnection::master_ = nullptr;
sim::DemoManifest* RunConnection::manifest_ = nullptr;

constexpr int32_t kMethodC1 = 2;
// The distinct statements a run of method В1 reads with: the database version, the certified
// composition, the existence of a mixture, the peaks and the peak areas of a chromatogram, and the
// calibration chromatograms of the stability history with their peak areas and pressures read at once,
// once the tables are known to keep their row order.
constexpr uint64_t kStatementsOfARun = 9;

TEST_F(RunConnection, ARunOpensOneConnectionAndCompilesEachStatementOnceInEitherJournalMode) {
    std::vector<double> fractionsOfMode[2];
    for (const char* mode : {"DELETE", "WAL"}) {
        SCOPED_TRACE(mode);
        {
            HostConnection host(file_.path());
            ASSERT_EQ(host.Exec((std::string("PRAGMA journal_mode=") + mode + ";").c_str()), SQLITE_OK);
        }
        UseHostDatabase use(file_);
        CalcContext context = Context(kMethodC1);
        const DataBase::AccessCounts before = DataBase::CurrentAccessCounts();
        ASSERT_EQ(RunCalculation(context), 0);
        const DataBase::AccessCounts after = DataBase::CurrentAccessCounts();
        EXPECT_EQ(after.opens - before.opens, 1u);
        EXPECT_EQ(after.compiles - before.compiles, kStatementsOfARun);
        ASSERT_FALSE(context.components.empty());
        std::vector<double>& fractions = fractionsOfMode[mode[0] == 'W' ? 1 : 0];
        for (const ComponentResult& row : context.components) {
            fractions.push_back(row.molarFraction);
        }

        // The run's connection is closed: the host may write at once, without waiting for it.
        HostConnection host(file_.path());
        EXPECT_EQ(host.Exec("BEGIN EXCLUSIVE; COMMIT;"), SQLITE_OK);
    }
    EXPECT_EQ(fractionsOfMode[0], fractionsOfMode[1]);
}

TEST_F(RunConnection, ReadsOutsideARunOpenTheirOwnConnectionAndInsideOneEndTheirRead) {
    UseHostDatabase use(file_);
    const std::u16string mixture = manifest_->methods[0].mixtures[0].name;
    DataBase::AccessCounts before = DataBase::CurrentAccessCounts();
    EXPECT_TRUE(MixtureExists(mixture));
    EXPECT_FALSE(LoadMixtureNames().empty());
    EXPECT_EQ(DataBase::CurrentAccessCounts().opens - before.opens, 2u);

    const DataBase::RunScope run;
    before = DataBase::CurrentAccessCounts();
    for (int repeat = 0; repeat < 3; ++repeat) {
        // A single step leaves the statement mid-read; the reader ends that read when it returns.
        EXPECT_TRUE(MixtureExists(mixture));
        HostConnection host(file_.path());
        EXPECT_EQ(host.Exec("BEGIN EXCLUSIVE; COMMIT;"), SQLITE_OK) << "a read of the run is still open";
    }
    EXPECT_EQ(DataBase::CurrentAccessCounts().opens - before.opens, 1u);
    EXPECT_EQ(DataBase::CurrentAccessCounts().compiles - before.compiles, 1u);
}

TEST_F(RunConnection, ARunWaitsForTheHostsWriteLockAndSucceedsWhenItIsReleased) {
    UseHostDatabase use(file_);
    CalcContext context = Context(kMethodC1);
    HostConnection host(file_.path());
    // An exclusive lock of a rollback-journal database keeps every reader out until the host commits.
    ASSERT_EQ(host.Exec("BEGIN EXCLUSIVE; UPDATE station SET name = name || ' (1)';"), SQLITE_OK);
    std::atomic<bool> released{false};
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        released = true;
        host.Exec("COMMIT;");
    });
    int32_t status = -1;
    std::string failure;
    try {
        status = RunCalculation(context);
    } catch (const DataBase::SqlException& raised) {
        failure = raised.message();
    }
    const bool waited = released;
    writer.join();
    EXPECT_EQ(failure, "");
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(waited) << "the run finished while the host held its lock";
    EXPECT_FALSE(context.components.empty());
}

TEST_F(RunConnection, AWriteAheadLogDatabaseIsReadWhileTheHostWrites) {
    HostConnection host(file_.path());
    ASSERT_EQ(host.Exec("PRAGMA journal_mode=WAL;"), SQLITE_OK);
    ASSERT_EQ(host.Exec("BEGIN IMMEDIATE; UPDATE peak SET area = 0;"), SQLITE_OK);
    UseHostDatabase use(file_);
    CalcContext context = Context(kMethodC1);
    EXPECT_EQ(RunCalculation(context), 0) << "the run reads the last committed state";
    EXPECT_FALSE(context.components.empty());
    EXPECT_EQ(host.Exec("ROLLBACK;"), SQLITE_OK);
}

TEST_F(RunConnection, AHotJournalIsReportedAndNeitherTheDatabaseNorTheJournalChange) {
    CalcContext context;
    {
        UseHostDatabase intact(file_);
        context = Context(kMethodC1);
    }
    // A host writer that crashed mid-transaction: the database holds part of the change, the journal
    // the pages as they were. Copying both while the transaction is open makes that state.
    TempHostDatabase crashed("crashed");
    {
        HostConnection host(file_.path());
        ASSERT_EQ(host.Exec("PRAGMA cache_size = 2; BEGIN; UPDATE peak SET area = area * 2;"), SQLITE_OK);
        std::filesystem::copy_file(PathOf(file_.path()), PathOf(crashed.path()));
        std::filesystem::copy_file(PathOf(file_.path() + "-journal"), PathOf(crashed.path() + "-journal"));
        ASSERT_EQ(host.Exec("ROLLBACK;"), SQLITE_OK);
    }
    const std::string databaseBefore = Sha1Of(crashed.path());
    const std::string journalBefore = Sha1Of(crashed.path() + "-journal");

    UseHostDatabase use(crashed);
    try {
        RunCalculation(context);
        ADD_FAILURE() << "the run read a database that needs recovery";
    } catch (const DataBase::SqlException& raised) {
        EXPECT_EQ(raised.message(), DataBase::kNeedsRecoveryMessage);
        EXPECT_EQ(raised.code(), SQLITE_READONLY);
    }
    EXPECT_EQ(Sha1Of(crashed.path()), databaseBefore);
    EXPECT_EQ(Sha1Of(crashed.path() + "-journal"), journalBefore);
}

TEST(ReadOnlyOpen, AMissingFileIsReportedAndNotCreated) {
    TempHostDatabase missing("missing");
    try {
        DataBase::Handle handle(missing.address());
        ADD_FAILURE() << "a missing database was opened";
    } catch (const DataBase::SqlException& raised) {
        EXPECT_EQ(raised.code(), SQLITE_CANTOPEN);
    }
    UseHostDatabase use(missing);
    EXPECT_THROW(LoadMixtureNames(), DataBase::SqlException);
    EXPECT_FALSE(std::filesystem::exists(PathOf(missing.path())));
}

} // namespace
