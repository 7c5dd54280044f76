// Nothing thrown inside the plug-in reaches the host: the exported entry points and the host's callbacks
// return their documented value and record why they failed.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "plugin/CallGuard.h"
#include "plugin/Host.h"
#include "plugin/Lifecycle.h"
#include "plugin/MainWindowHooks.h"
#include "plugin/PluginExports.h"

namespace {

// A host whose services throw where a test asks them to; the handlers it is given are kept so that the
// test can call them as the host would.
struct ThrowingHost {
    bool subscribeThrows = false;
    bool unsubscribeThrows = false;
    bool uriThrows = false;
    HostHandler startUp = nullptr;
    HostHandler menuCommand = nullptr;
};
ThrowingHost g_host;

HostServices ThrowingServices() {
    HostServices services{};
    services.SubscribeEvent = [](const char*, HostHandler handler) -> int32_t {
        if (g_host.subscribeThrows) {
            throw std::bad_alloc();
        }
        g_host.startUp = handler;
        return 7;
    };
    services.UnsubscribeEvent = [](int32_t) {
        if (g_host.unsubscribeThrows) {
            throw std::runtime_error("the host's message bus is closed");
        }
    };
    services.RegisterCommand = [](const char*, HostHandler handler) -> int32_t {
        g_host.menuCommand = handler;
        return 8;
    };
    services.UnregisterCommand = [](int32_t) {};
    services.CallTopic = [](const char* topic, intptr_t, intptr_t) -> intptr_t {
        if (g_host.uriThrows && std::strcmp(topic, topic::GetConnectionUri) == 0) {
            throw DataBase::SqlException("database is locked", "SELECT 1;", 5);
        }
        return 0;
    };
    services.IsTopicAvailable = [](const char*) -> int32_t { return 0; };
    return services;
}

int g_windowsCreated = 0;
bool g_creationThrows = false;

MainWindowHooks CountingHooks() {
    MainWindowHooks hooks;
    hooks.create = [](intptr_t) -> intptr_t {
        if (g_creationThrows) {
            throw std::length_error("basic_string::_M_create");
        }
        return 100 + ++g_windowsCreated;
    };
    hooks.destroy = [](intptr_t) { MainWindowDestroyed(); };
    return hooks;
}

class Boundary : public ::testing::Test {
protected:
    void SetUp() override {
        g_host = ThrowingHost{};
        g_windowsCreated = 0;
        g_creationThrows = false;
        services = ThrowingServices();
        SetMainWindowHooks(CountingHooks());
        ClearBoundaryFailure();
    }
    void TearDown() override {
        g_host = ThrowingHost{};
        Unload();
        SetHostServices(nullptr); // the table lives in this fixture
        if (MainWindowHandle() != 0) {
            MainWindowDestroyed();
        }
        SetMainWindowHooks(MainWindowHooks{});
        DataBaseConnection::SetUri(nullptr);
        ClearBoundaryFailure();
    }
    void ExpectFailure(const char* where, const std::string& reason, bool database) {
        const BoundaryFailure& failure = LastBoundaryFailure();
        EXPECT_EQ(failure.where, where);
        EXPECT_EQ(failure.reason, reason);
        EXPECT_EQ(failure.database, database);
    }
    HostServices services{};
};

TEST_F(Boundary, LoadThatRunsOutOfMemoryReturnsZero) {
    g_host.subscribeThrows = true;
    EXPECT_EQ(Load(&services), 0);
    ExpectFailure("Load", "out of memory", false);
}

TEST_F(Boundary, UnloadWhoseHostThrowsReturnsZero) {
    ASSERT_EQ(Load(&services), 0);
    EXPECT_TRUE(LastBoundaryFailure().where.empty()) << "a call that succeeds records nothing";
    g_host.unsubscribeThrows = true;
    EXPECT_EQ(Unload(), 0);
    ExpectFailure("Unload", "the host's message bus is closed", false);
}

TEST_F(Boundary, StartUpWithADatabaseFailureReturnsZeroAndKeepsTheCommand) {
    ASSERT_EQ(Load(&services), 0);
    ASSERT_NE(g_host.startUp, nullptr);
    g_host.uriThrows = true;
    EXPECT_EQ(g_host.startUp(0, 0), 0);
    ExpectFailure("OnModulesLoaded", "database is locked", true);
    // What was done before the failure stays done: the command is registered.
    EXPECT_NE(g_host.menuCommand, nullptr);
}

TEST_F(Boundary, MenuCommandThatThrowsReturnsZeroAndTheNextOneOpensTheWindow) {
    ASSERT_EQ(Load(&services), 0);
    ASSERT_EQ(g_host.startUp(0, 0), 0);
    ASSERT_NE(g_host.menuCommand, nullptr);
    g_creationThrows = true;
    EXPECT_EQ(g_host.menuCommand(55, 0), 0);
    ExpectFailure("OnMenuCommand", "basic_string::_M_create", false);
    EXPECT_EQ(MainWindowHandle(), 0);

    g_creationThrows = false;
    EXPECT_EQ(g_host.menuCommand(55, 0), 0);
    EXPECT_EQ(MainWindowHandle(), 101);
}

TEST(CallGuard, RecordsEveryKindOfExceptionAndSwallowsAThrowingHandler) {
    struct Case {
        void (*body)();
        const char* reason;
        bool database;
    };
    const Case cases[] = {
        {[] { throw std::bad_alloc(); }, "out of memory", false},
        {[] { throw DataBase::SqlException("no such table: assay", "", 1); }, "no such table: assay", true},
        {[] { throw std::out_of_range("vector::at"); }, "vector::at", false},
        {[] { throw 42; }, "unknown exception", false},
    };
    for (const Case& c : cases) {
        bool handlerCalled = false;
        const int result = GuardedCall(
            "WindowProc", -5,
            [&c]() -> int {
                c.body();
                return 1;
            },
            [&handlerCalled](const BoundaryFailure& failure) {
                handlerCalled = true;
                EXPECT_EQ(failure.where, "WindowProc");
                throw std::runtime_error("the handler failed as well");
            });
        EXPECT_EQ(result, -5) << c.reason;
        EXPECT_TRUE(handlerCalled) << c.reason;
        EXPECT_EQ(LastBoundaryFailure().reason, c.reason);
        EXPECT_EQ(LastBoundaryFailure().database, c.database) << c.reason;
    }
    EXPECT_EQ(GuardedCall("WindowProc", -5, [] { return 3; }), 3);
    ClearBoundaryFailure();
}

} // namespace
