// The browser host object tested directly, without a browser control (Wine has no HTML engine here):
// its interface table and shared reference count, the answers of its host interfaces, the capture and
// decoding of a navigation the report did not start, the ready/set/go protocol with its temporary
// files, and the WebformClass window that has no host object.
#include <windows.h>
// The browser headers need the types of windows.h.
#include <exdispid.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "plugin/CallGuard.h"
#include "ui/win32/WebBrowserHost.h"
#include "ui/win32/WebformFields.h"
#include "ui/win32/WebformWindow.h"

namespace ui {
namespace {

constexpr int kWindowId = 101;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A parent window with a child standing for the WebformClass window, and a host object on the child.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent =
            CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        window = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 5, 6, 300, 200, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWindowId)), nullptr, nullptr);
        host = new TWebf(window, true);
    }
    void TearDown() override {
        if (host != nullptr) {
            EXPECT_EQ(host->Release(), 0u);
        }
        DestroyWindow(parent);
    }
    template <class Interface>
    Interface* Query(REFIID id) {
        void* object = nullptr;
        EXPECT_EQ(host->QueryInterface(id, &object), S_OK);
        return static_cast<Interface*>(object);
    }
    // The notification codes posted to the parent since the last call.
    std::vector<WORD> Notifications() {
        std::vector<WORD> codes;
        MSG message;
        while (PeekMessageW(&message, parent, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
            EXPECT_EQ(LOWORD(message.wParam), kWindowId);
            EXPECT_EQ(reinterpret_cast<HWND>(message.lParam), window);
            codes.push_back(HIWORD(message.wParam));
        }
        return codes;
    }
    HRESULT Invoke(DISPID member, DISPPARAMS* parameters) {
        IDispatch* sink = Query<IDispatch>(IID_IDispatch);
        const HRESULT result = sink->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                            parameters, nullptr, nullptr, nullptr);
        sink->Release();
        return result;
    }
    // A before-navigation event for address; returns the cancel flag the host left.
    VARIANT_BOOL BeforeNavigate(const wchar_t* address) {
        VARIANT url;
        V_VT(&url) = VT_BSTR;
        V_BSTR(&url) = SysAllocString(address);
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT arguments[7];
        for (VARIANT& argument : arguments) {
            VariantInit(&argument);
        }
        V_VT(&arguments[0]) = VT_BYREF | VT_BOOL;
        V_BOOLREF(&arguments[0]) = &cancel;
        V_VT(&arguments[5]) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&arguments[5]) = &url;
        DISPPARAMS parameters{arguments, nullptr, 7, 0};
        EXPECT_EQ(Invoke(DISPID_BEFORENAVIGATE2, &parameters), S_OK);
        VariantClear(&url);
        return cancel;
    }

    HWND parent = nullptr;
    HWND window = nullptr;
    TWebf* host = nullptr;
};

TEST_F(HostTest, OneObjectAnswersTheInterfaceTableWithOneReferenceCount) {
    struct Entry {
        const IID* id;
        const IID* sameAs; // the interface answered by the same part
    };
    const Entry table[] = {
        {&IID_IUnknown, &IID_IUnknown},
        {&IID_IOleClientSite, &IID_IOleClientSite},
        {&IID_IOleInPlaceSite, &IID_IOleInPlaceSite},
        {&IID_IOleWindow, &IID_IOleInPlaceSite},
        {&IID_IOleInPlaceFrame, &IID_IOleInPlaceFrame},
        {&IID_IOleInPlaceUIWindow, &IID_IOleInPlaceFrame},
        {&IID_IDispatch, &IID_IDispatch},
        {&DIID_DWebBrowserEvents2, &IID_IDispatch},
        {&IID_IDocHostUIHandler, &IID_IDocHostUIHandler},
    };
    IUnknown* identity = Query<IUnknown>(IID_IUnknown);
    EXPECT_EQ(identity, static_cast<IUnknown*>(host));
    ULONG expected = 2;
    for (const Entry& entry : table) {
        IUnknown* part = Query<IUnknown>(*entry.id);
        ASSERT_NE(part, nullptr);
        ++expected;
        IUnknown* same = Query<IUnknown>(*entry.sameAs);
        EXPECT_EQ(part, same);
        ++expected;
        // Every part answers the whole table, and its IUnknown is the object.
        void* back = nullptr;
        EXPECT_EQ(part->QueryInterface(IID_IUnknown, &back), S_OK);
        EXPECT_EQ(back, identity);
        ++expected;
        EXPECT_EQ(part->AddRef(), expected + 1);
        EXPECT_EQ(part->Release(), expected);
        static_cast<IUnknown*>(back)->Release();
        same->Release();
        part->Release();
        expected -= 3;
    }
    for (const IID* refused : {&IID_IOleContainer, &IID_IStream, &IID_IOleObject, &IID_IWebBrowser2}) {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(host->QueryInterface(*refused, &object), E_NOINTERFACE);
        EXPECT_EQ(object, nullptr);
    }
    EXPECT_EQ(identity->Release(), 1u);
}

TEST_F(HostTest, TheObjectLivesUntilItsLastPartIsReleased) {
    IOleClientSite* site = Query<IOleClientSite>(IID_IOleClientSite);
    ASSERT_TRUE(host->Ready() != nullptr);
    const std::wstring ready = host->ReadyPath();
    ASSERT_TRUE(Exists(ready));
    EXPECT_EQ(host->Release(), 1u); // the owner lets go; the site still holds the object
    host = nullptr;
    HWND answered = nullptr;
    IOleWindow* oleWindow = nullptr;
    ASSERT_EQ(site->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&oleWindow)), S_OK);
    EXPECT_EQ(oleWindow->GetWindow(&answered), S_OK);
    EXPECT_EQ(answered, window);
    EXPECT_EQ(oleWindow->Release(), 1u);
    EXPECT_TRUE(Exists(ready));
    EXPECT_EQ(site->Release(), 0u);
    EXPECT_FALSE(Exists(ready)) << "the last release deletes the object and its files";
}

TEST_F(HostTest, HostInterfacesAnswerAsTheTableSays) {
    IOleClientSite* site = Query<IOleClientSite>(IID_IOleClientSite);
    IOleContainer* container = reinterpret_cast<IOleContainer*>(1);
    EXPECT_EQ(site->GetContainer(&container), E_NOINTERFACE);
    EXPECT_EQ(container, nullptr);
    EXPECT_EQ(site->ShowObject(), S_OK);
    EXPECT_EQ(site->SaveObject(), E_NOTIMPL);
    EXPECT_EQ(site->GetMoniker(0, 0, nullptr), E_NOTIMPL);
    EXPECT_EQ(site->OnShowWindow(TRUE), E_NOTIMPL);
    EXPECT_EQ(site->RequestNewObjectLayout(), E_NOTIMPL);
    site->Release();

    IOleInPlaceSite* inPlace = Query<IOleInPlaceSite>(IID_IOleInPlaceSite);
    HWND answered = nullptr;
    EXPECT_EQ(inPlace->GetWindow(&answered), S_OK);
    EXPECT_EQ(answered, window);
    for (HRESULT result :
         {inPlace->CanInPlaceActivate(), inPlace->OnInPlaceActivate(), inPlace->OnUIActivate(),
          inPlace->OnUIDeactivate(FALSE), inPlace->OnInPlaceDeactivate()}) {
        EXPECT_EQ(result, S_OK);
    }
    for (HRESULT result : {inPlace->ContextSensitiveHelp(TRUE), inPlace->Scroll(SIZE{1, 1}),
                           inPlace->DiscardUndoState(), inPlace->DeactivateAndUndo()}) {
        EXPECT_EQ(result, E_NOTIMPL);
    }
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    RECT position{};
    RECT clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof(info);
    info.fMDIApp = TRUE;
    ASSERT_EQ(inPlace->GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);
    EXPECT_EQ(document, nullptr);
    const RECT client{0, 0, 300, 200};
    EXPECT_TRUE(EqualRect(&position, &client));
    EXPECT_TRUE(EqualRect(&clip, &client));
    EXPECT_FALSE(info.fMDIApp);
    EXPECT_EQ(info.hwndFrame, window);
    EXPECT_EQ(info.haccel, nullptr);
    EXPECT_EQ(info.cAccelEntries, 0u);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(inPlace->OnPosRectChange(&client), S_OK);
    inPlace->Release();

    answered = nullptr;
    EXPECT_EQ(frame->GetWindow(&answered), S_OK);
    EXPECT_EQ(answered, window);
    for (HRESULT result :
         {frame->SetActiveObject(nullptr, nullptr), frame->SetMenu(nullptr, nullptr, nullptr),
          frame->SetStatusText(L"x"), frame->EnableModeless(TRUE)}) {
        EXPECT_EQ(result, S_OK);
    }
    RECT border{};
    for (HRESULT result :
         {frame->ContextSensitiveHelp(TRUE), frame->GetBorder(&border), frame->RequestBorderSpace(nullptr),
          frame->SetBorderSpace(nullptr), frame->InsertMenus(nullptr, nullptr), frame->RemoveMenus(nullptr),
          frame->TranslateAccelerator(nullptr, 0)}) {
        EXPECT_EQ(result, E_NOTIMPL);
    }
    frame->Release();

    IDispatch* sink = Query<IDispatch>(IID_IDispatch);
    UINT count = 5;
    EXPECT_EQ(sink->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(FAILED(sink->GetTypeInfo(0, 0, nullptr)));
    EXPECT_TRUE(FAILED(sink->GetIDsOfNames(IID_NULL, nullptr, 0, 0, nullptr)));
    sink->Release();
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(Invoke(DISPID_NAVIGATECOMPLETE2, &none), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(DISPID_STATUSTEXTCHANGE, &none), DISP_E_MEMBERNOTFOUND);

    IDocHostUIHandler* handler = Query<IDocHostUIHandler>(IID_IDocHostUIHandler);
    DOCHOSTUIINFO hostInfo{};
    hostInfo.cbSize = sizeof(hostInfo);
    EXPECT_EQ(handler->GetHostInfo(&hostInfo), S_OK);
    EXPECT_EQ(hostInfo.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DOUTERBORDER)) << "scroll bars wanted";
    for (HRESULT result :
         {handler->ShowContextMenu(0, nullptr, nullptr, nullptr),
          handler->ShowUI(0, nullptr, nullptr, nullptr, nullptr), handler->HideUI(), handler->UpdateUI(),
          handler->EnableModeless(TRUE), handler->OnDocWindowActivate(TRUE),
          handler->OnFrameWindowActivate(TRUE), handler->ResizeBorder(nullptr, nullptr, TRUE)}) {
        EXPECT_EQ(result, S_OK);
    }
    LPOLESTR key = reinterpret_cast<LPOLESTR>(1);
    IDropTarget* target = reinterpret_cast<IDropTarget*>(1);
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    OLECHAR* translated = reinterpret_cast<OLECHAR*>(1);
    IDataObject* filtered = reinterpret_cast<IDataObject*>(1);
    EXPECT_EQ(handler->TranslateAccelerator(nullptr, nullptr, 0), S_FALSE);
    EXPECT_EQ(handler->GetOptionKeyPath(&key, 0), S_FALSE);
    EXPECT_EQ(handler->GetDropTarget(nullptr, &target), S_FALSE);
    EXPECT_EQ(handler->GetExternal(&external), S_FALSE);
    EXPECT_EQ(handler->TranslateUrl(0, nullptr, &translated), S_FALSE);
    EXPECT_EQ(handler->FilterDataObject(nullptr, &filtered), S_FALSE);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(target, nullptr);
    EXPECT_EQ(external, nullptr);
    EXPECT_EQ(translated, nullptr);
    EXPECT_EQ(filtered, nullptr);
    handler->Release();

    // A host that wants no scroll bars tells the browser so.
    TWebf* plain = new TWebf(window, false);
    IDocHostUIHandler* plainHandler = nullptr;
    ASSERT_EQ(plain->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&plainHandler)), S_OK);
    EXPECT_EQ(plainHandler->GetHostInfo(&hostInfo), S_OK);
    EXPECT_EQ(hostInfo.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DOUTERBORDER | DOCHOSTUIFLAG_SCROLL_NO));
    plainHandler->Release();
    EXPECT_EQ(plain->Release(), 0u);
}

TEST_F(HostTest, ANavigationTheProgramDidNotStartIsCancelledAndItsFieldsDecoded) {
    Notifications();
    EXPECT_EQ(BeforeNavigate(L"http://report/form?a=1&b=x+y%21&c=%D0%93%D0%B0%D0%B7"), VARIANT_TRUE);
    EXPECT_EQ(Notifications(), std::vector<WORD>{kWebformLinkCaptured});
    EXPECT_EQ(host->CapturedAddress(), L"http://report/form?a=1&b=x+y%21&c=%D0%93%D0%B0%D0%B7");
    ASSERT_NE(host->CapturedField(L"a"), nullptr);
    EXPECT_STREQ(host->CapturedField(L"a"), L"1");
    EXPECT_STREQ(host->CapturedField(L"b"), L"x y!");
    EXPECT_STREQ(host->CapturedField(L"c"), L"Газ");
    EXPECT_EQ(host->CapturedField(L"d"), nullptr);

    // The next capture replaces the fields.
    EXPECT_EQ(BeforeNavigate(L"about:blank#top"), VARIANT_TRUE);
    EXPECT_EQ(host->CapturedField(L"a"), nullptr);
    EXPECT_EQ(host->CapturedAddress(), L"about:blank#top");
    Notifications();

    // A navigation the program started proceeds once; the document's completion outside the navigation
    // call is told to the parent.
    EXPECT_FALSE(host->Go(L"about:blank")) << "no browser: nothing is navigated";
    EXPECT_EQ(host->NavigationFlags(), TWebf::kStartedByProgram | TWebf::kDocumentPending);
    EXPECT_EQ(BeforeNavigate(L"about:blank"), VARIANT_FALSE);
    EXPECT_EQ(host->NavigationFlags(), TWebf::kDocumentPending);
    EXPECT_EQ(host->CapturedAddress(), L"about:blank#top");
    EXPECT_TRUE(Notifications().empty());
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(Invoke(DISPID_DOCUMENTCOMPLETE, &none), S_OK);
    EXPECT_EQ(host->NavigationFlags(), 0u);
    EXPECT_EQ(Notifications(), std::vector<WORD>{kWebformDocumentComplete});
    EXPECT_EQ(BeforeNavigate(L"http://elsewhere/"), VARIANT_TRUE) << "the next one is a link again";
}

TEST_F(HostTest, AnEventThatFailsInsideTheHostReturnsAFailureToTheBrowser) {
    // An address whose length prefix claims more characters than a string can hold: copying it throws,
    // and the exception stops at the event sink.
    DWORD claimed[] = {0xFFFFFFFEu, 0x78u};
    VARIANT arguments[7];
    for (VARIANT& argument : arguments) {
        VariantInit(&argument);
    }
    VARIANT_BOOL cancel = VARIANT_FALSE;
    V_VT(&arguments[0]) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&arguments[0]) = &cancel;
    V_VT(&arguments[5]) = VT_BSTR;
    V_BSTR(&arguments[5]) = reinterpret_cast<BSTR>(&claimed[1]);
    DISPPARAMS parameters{arguments, nullptr, 7, 0};
    ClearBoundaryFailure();
    EXPECT_EQ(Invoke(DISPID_BEFORENAVIGATE2, &parameters), E_FAIL);
    EXPECT_EQ(LastBoundaryFailure().where, "WebBrowserEvents");
    EXPECT_FALSE(LastBoundaryFailure().reason.empty());
    EXPECT_TRUE(Notifications().empty());
    // The object goes on answering.
    EXPECT_EQ(BeforeNavigate(L"http://report/?a=1"), VARIANT_TRUE);
    EXPECT_STREQ(host->CapturedField(L"a"), L"1");
}

TEST_F(HostTest, ReadySetGoWritesTheReadyFileAndDeletesItAtTheNextNavigation) {
    EXPECT_EQ(host->Set(L"early"), 0u) << "set before ready";
    EXPECT_FALSE(host->Go(L"")) << "go before ready";
    EXPECT_TRUE(host->TemporaryFiles().empty());

    const HANDLE file = host->Ready();
    ASSERT_NE(file, nullptr);
    const std::wstring path = host->ReadyPath();
    wchar_t folder[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, folder);
    ASSERT_EQ(path.rfind(folder, 0), 0u);
    const std::wstring name = path.substr(wcslen(folder));
    EXPECT_EQ(name.rfind(L"wbf", 0), 0u);
    EXPECT_EQ(name.substr(name.size() - 5), L".html");
    EXPECT_EQ(host->Ready(), file) << "asked again, the open file is returned";

    EXPECT_EQ(host->Set(L"<p>Газ</p>"), 20u);
    EXPECT_EQ(host->Set(L""), 0u);
    host->Go(L"");
    EXPECT_TRUE(host->ReadyPath().empty());
    EXPECT_EQ(host->TemporaryFiles(), std::vector<std::wstring>{path});
    const std::string bytes = ReadAll(path);
    EXPECT_EQ(bytes, std::string("<\0p\0>\0\x13\x04\x30\x04\x37\x04<\0/\0p\0>\0", 20))
        << "UTF-16, no byte-order mark";

    // A file still open elsewhere stays in the list; the next navigation deletes the rest.
    ASSERT_NE(host->Ready(), nullptr);
    const std::wstring second = host->ReadyPath();
    EXPECT_NE(second, path);
    const HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    host->Go(L"");
    EXPECT_EQ(host->TemporaryFiles(), (std::vector<std::wstring>{path, second}));
    CloseHandle(holder);
    host->Go(L"about:blank");
    EXPECT_TRUE(host->TemporaryFiles().empty());
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(second));

    // Files still listed when the object goes are deleted with it.
    ASSERT_NE(host->Ready(), nullptr);
    const std::wstring third = host->ReadyPath();
    host->Go(L"");
    EXPECT_TRUE(Exists(third));
    EXPECT_EQ(host->Release(), 0u);
    host = nullptr;
    EXPECT_FALSE(Exists(third));
}

TEST(FormFields, DecodeAsUtf8AfterTheFirstQuestionMark) {
    struct Case {
        const char16_t* address;
        std::vector<FormField> fields;
    };
    const Case cases[] = {
        {u"?a=1&b=x+y%21&c=%D0%93%D0%B0%D0%B7", {{u"a", u"1"}, {u"b", u"x y!"}, {u"c", u"Газ"}}},
        {u"http://host/path", {}},
        {u"x?a=%00&b=%zz&c=%4", {{u"a", u"%"}, {u"b", u"%zz"}, {u"c", u"%4"}}},
        {u"x?q=1?r=2&&s", {{u"q", u"1?r=2"}, {u"s", u""}}},
        {u"x?k=a=b&%D0%98%D0%BC%D1%8F=%D0%A1%D0%B5%D0%B2%D0%B5%D1%80", {{u"k", u"a=b"}, {u"Имя", u"Север"}}},
        {u"x?t=Газ+%2B", {{u"t", u"Газ +"}}},
        {u"x?bad=%D0", {{u"bad", u"\uFFFD"}}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(DecodeFormFields(test.address), test.fields);
    }
}

TEST(WebformWindow, WithoutABrowserTheWindowIsPlainAndTheButtonsHaveNothingToCall) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    ASSERT_TRUE(RegisterWebformClass(module));
    EXPECT_TRUE(RegisterWebformClass(module)) << "registering again is harmless";
    HWND parent =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    HWND window = CreateWindowExW(0, kWebformClassName, L"about:blank", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                                  10, 42, 200, 100, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWindowId)), module, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL, 0) << "the scroll bars go to the page";
    EXPECT_EQ(WebformHost(window), nullptr);
    for (UINT message = kWebformReady; message <= kWebformElement; ++message) {
        EXPECT_EQ(SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(L"x")), 0) << message;
    }
    SetWindowTextW(window, L"C:\\report.html");
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    EXPECT_STREQ(text, L"C:\\report.html");
    DestroyWindow(parent);
    UnregisterWebformClass(module);
    WNDCLASSEXW unused{};
    unused.cbSize = sizeof(unused);
    EXPECT_FALSE(GetClassInfoExW(module, kWebformClassName, &unused));
}

} // namespace
} // namespace ui
