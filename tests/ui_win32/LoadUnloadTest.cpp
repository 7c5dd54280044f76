// The plug-in loaded, used and unloaded many times in one host process, as a host that loads its
// plug-ins on demand does: every cycle must give back the GDI objects and the handles it took (the
// strip's brushes, the activation context of the manifest, COM, the window classes).
#include <windows.h>
// winternl.h needs the types of windows.h.
#include <winternl.h>

#include <vector>

#include "WindowFixture.h"

namespace ui {
namespace {

constexpr int kReportTab = 5;
constexpr int kWarmUpCycles = 2;
constexpr int kMeasuredCycles = 15;

// GDI objects of the process. Wine's GetGuiResources is a stub (0, ERROR_CALL_NOT_IMPLEMENTED); there
// the live entries of the GDI handle table are counted instead, which Wine's GetObjectType finds by
// their table index alone.
DWORD GdiObjectCount() {
    SetLastError(ERROR_SUCCESS);
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        return reported;
    }
    DWORD count = 0;
    for (ULONG_PTR index = 0; index <= 0xFFFF; ++index) {
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return count;
}

// Handles of the process. Wine answers GetProcessHandleCount with 0; there the process's entries of the
// system's handle list are counted instead.
DWORD HandleCount() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) {
        return count;
    }
    struct HandleEntry { // SYSTEM_HANDLE_TABLE_ENTRY_INFO
        USHORT processId;
        USHORT creatorBackTraceIndex;
        UCHAR objectType;
        UCHAR attributes;
        USHORT value;
        PVOID object;
        ULONG grantedAccess;
    };
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
    using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<ULONG_PTR> buffer(1 << 16);
    NTSTATUS status = kInfoLengthMismatch;
    while (query != nullptr && status == kInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
        ULONG needed = 0;
        status = query(kSystemHandleInformation, buffer.data(),
                       static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR)), &needed);
    }
    if (query == nullptr || status != 0) {
        return 0;
    }
    const ULONG entries = static_cast<ULONG>(buffer[0]);
    const auto* entry = reinterpret_cast<const HandleEntry*>(buffer.data() + 1);
    for (ULONG index = 0; index < entries; ++index) {
        count += entry[index].processId == static_cast<USHORT>(GetCurrentProcessId()) ? 1 : 0;
    }
    return count;
}

TEST_F(WindowTest, LoadingAndUnloadingManyTimesGivesBackEveryGdiObjectAndHandle) {
    // The counts see what they are meant to see: one brush, one event more.
    const DWORD gdiBefore = GdiObjectCount();
    const DWORD handlesBefore = HandleCount();
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(GdiObjectCount(), gdiBefore + 1);
    EXPECT_EQ(HandleCount(), handlesBefore + 1);
    DeleteObject(brush);
    CloseHandle(event);

    // A host program has the system's dialogs, and with them printing, loaded for its own use. Unloaded
    // with the plug-in, Wine's printing library would leave a thread, an event and a mutex behind each
    // time: not the plug-in's to give back.
    ASSERT_NE(LoadLibraryW(L"comdlg32.dll"), nullptr);

    hosted.reset();
    // Each cycle opens the window (its status strip painted), shows the report page (the browser
    // window's class, COM, the transformation) and unloads the library.
    auto cycle = [this](bool screenshot) {
        hosted = std::make_unique<HostedPlugin>(profile, database);
        ASSERT_TRUE(hosted->Loaded());
        HWND main = Open();
        ASSERT_NE(main, nullptr);
        SelectTab(main, kReportTab);
        PumpMessages();
        ASSERT_NE(CurrentPage(main), nullptr);
        if (screenshot) {
            Screenshot(main, "load_unload_report_page");
        }
        hosted.reset();
        ASSERT_EQ(FindWindowW(nullptr, L"Природный газ"), nullptr);
    };
    // The first cycles load what stays loaded after them (the common controls of version 6, MSXML).
    for (int warmUp = 0; warmUp < kWarmUpCycles; ++warmUp) {
        cycle(false);
    }
    const DWORD gdiObjects = GdiObjectCount();
    const DWORD handles = HandleCount();
    ASSERT_GT(gdiObjects, 0u);
    ASSERT_GT(handles, 0u);
    for (int measured = 0; measured < kMeasuredCycles; ++measured) {
        cycle(measured == kMeasuredCycles - 1);
    }
    EXPECT_EQ(GdiObjectCount(), gdiObjects);
    EXPECT_EQ(HandleCount(), handles);
}

} // namespace
} // namespace ui
