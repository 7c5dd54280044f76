// The browser host is one object with one reference count: the WebBrowser control holds references to
// the site, the frame, the UI handler and the event sink it was given, and releases them in an order of
// its own, so each of those parts forwards its IUnknown to the object and the object lives until the
// last of them is released (by the control or by the window). The parts are members, not separate
// objects: there is nothing to keep apart, and a query from any of them answers the whole table.
// The control is created only here and never assumed: every use checks it, so the object keeps its
// ready file and temporary files in order without one (the window itself keeps no host object when
// the control or its HTML engine is missing).
#include "ui/win32/WebBrowserHost.h"

#include <exdispid.h>
#include <mshtml.h>

#include "platform/LocalTime.h"
#include "platform/Platform.h"
#include "platform/TempFiles.h"
#include "plugin/CallGuard.h"
#include "ui/win32/WebformWindow.h"

namespace {

// The address of a before-navigation event: its second argument, a reference to a variant string.
std::wstring EventAddress(const VARIANT& argument) {
    const VARIANT* value = &argument;
    if (V_VT(value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(value) != nullptr) {
        value = V_VARIANTREF(value);
    }
    if (V_VT(value) == VT_BSTR && V_BSTR(value) != nullptr) {
        return std::wstring(V_BSTR(value), SysStringLen(V_BSTR(value)));
    }
    if (V_VT(value) == (VT_BYREF | VT_BSTR) && V_BSTRREF(value) != nullptr && *V_BSTRREF(value) != nullptr) {
        return std::wstring(*V_BSTRREF(value), SysStringLen(*V_BSTRREF(value)));
    }
    return {};
}

// The control can exist without the engine that shows HTML (a system where it was removed or is
// disabled); it would then show nothing, and the page could not tell. Such a control counts as none.
bool HtmlEngineAvailable() {
    // CLSID_HTMLDocument, which the import libraries do not carry.
    constexpr CLSID kHtmlDocument = {
        0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};
    platform::ComPtr<IUnknown> document;
    return SUCCEEDED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      document.OutVoid())) &&
           document;
}

// The connection point of the browser's events on control; empty when it has none.
platform::ComPtr<IConnectionPoint> EventConnection(IOleObject* control) {
    const auto container = platform::Query<IConnectionPointContainer>(control, IID_IConnectionPointContainer);
    platform::ComPtr<IConnectionPoint> point;
    if (container && FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Out()))) {
        point.Reset();
    }
    return point;
}

template <class Part>
HRESULT Answer(Part* part, void** object) {
    *object = part;
    part->AddRef();
    return S_OK;
}

} // namespace

TWebf::TWebf(HWND window, bool scrollBarsWanted) : window_(window), scrollBarsWanted_(scrollBarsWanted) {
    clientSite_.outer = this;
    inPlaceSite_.outer = this;
    inPlaceFrame_.outer = this;
    dispatch_.outer = this;
    uiHandler_.outer = this;
}

// A ready file never navigated to is a temporary file like the others: it goes with the object.
TWebf::~TWebf() {
    if (readyFile_ != INVALID_HANDLE_VALUE) {
        CloseHandle(readyFile_);
        temporaryFiles_.push_back(readyPath_);
    }
    DeleteTemporaryFiles();
}

HRESULT TWebf::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (IsEqualIID(id, IID_IUnknown)) {
        return Answer(static_cast<IUnknown*>(this), object);
    }
    if (IsEqualIID(id, IID_IOleClientSite)) {
        return Answer(&clientSite_, object);
    }
    if (IsEqualIID(id, IID_IOleInPlaceSite) || IsEqualIID(id, IID_IOleWindow)) {
        return Answer(&inPlaceSite_, object);
    }
    if (IsEqualIID(id, IID_IOleInPlaceFrame) || IsEqualIID(id, IID_IOleInPlaceUIWindow)) {
        return Answer(&inPlaceFrame_, object);
    }
    // The event sink is asked for by the events' own interface when the connection is made.
    if (IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, DIID_DWebBrowserEvents2)) {
        return Answer(&dispatch_, object);
    }
    if (IsEqualIID(id, IID_IDocHostUIHandler)) {
        return Answer(&uiHandler_, object);
    }
    return E_NOINTERFACE;
}

ULONG TWebf::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG TWebf::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

RECT TWebf::ClientRectangle() const {
    RECT rectangle{};
    GetClientRect(window_, &rectangle);
    return rectangle;
}

bool TWebf::CreateBrowser() {
    if (!HtmlEngineAvailable()) {
        return false;
    }
    if (FAILED(
            CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC, IID_IOleObject, control_.OutVoid())) ||
        !control_) {
        control_.Reset();
        return false;
    }
    RECT rectangle = ClientRectangle();
    bool created = SUCCEEDED(control_->SetClientSite(&clientSite_)) &&
                   SUCCEEDED(control_->SetHostNames(L"MyHost", L"MyDoc")) &&
                   SUCCEEDED(OleSetContainedObject(control_.Get(), TRUE)) &&
                   SUCCEEDED(control_->DoVerb(OLEIVERB_SHOW, nullptr, &clientSite_, -1, window_, &rectangle));
    if (created) {
        const platform::ComPtr<IConnectionPoint> point = EventConnection(control_.Get());
        created = point && SUCCEEDED(point->Advise(&dispatch_, &sinkCookie_));
    }
    if (created) {
        browser_ = platform::Query<IWebBrowser2>(control_.Get(), IID_IWebBrowser2);
        created = static_cast<bool>(browser_);
    }
    if (!created) {
        CloseBrowser();
    }
    return created;
}

void TWebf::CloseBrowser() {
    if (!control_) {
        return;
    }
    if (sinkCookie_ != 0) {
        if (const platform::ComPtr<IConnectionPoint> point = EventConnection(control_.Get())) {
            point->Unadvise(sinkCookie_);
        }
        sinkCookie_ = 0;
    }
    browser_.Reset();
    control_->Close(OLECLOSE_NOSAVE);
    control_->SetClientSite(nullptr);
    control_.Reset();
}

HANDLE TWebf::Ready() {
    if (readyFile_ != INVALID_HANDLE_VALUE) {
        OutputDebugStringW(L"Webform error: asked for Ready(), but something already is.");
        return readyFile_;
    }
    const std::u16string folder = platform::TempDirectory();
    if (folder.empty()) {
        return nullptr;
    }
    // The name is reserved by creating the file, then opened for writing; a link is never followed.
    const platform::TickNumberedFile made =
        platform::CreateTickNumberedFile(folder, u"wbf", u".html", platform::TickCountMilliseconds());
    if (made.result != platform::NewFileResult::Created) {
        return nullptr;
    }
    const std::wstring path(made.path.begin(), made.path.end());
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileW(path.c_str());
        return nullptr;
    }
    readyFile_ = file;
    readyPath_ = path;
    return readyFile_;
}

DWORD TWebf::Set(const wchar_t* text) {
    if (readyFile_ == INVALID_HANDLE_VALUE) {
        OutputDebugStringW(L"Webform error: tried to Set, but haven't Ready()ed");
        return 0;
    }
    if (text == nullptr) {
        return 0;
    }
    DWORD written = 0;
    WriteFile(readyFile_, text, static_cast<DWORD>(lstrlenW(text) * sizeof(wchar_t)), &written, nullptr);
    return written;
}

void TWebf::DeleteTemporaryFiles() {
    std::vector<std::wstring> kept;
    for (const std::wstring& path : temporaryFiles_) {
        if (!DeleteFileW(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            kept.push_back(path);
        }
    }
    temporaryFiles_ = std::move(kept);
}

bool TWebf::Go(const std::wstring& address) {
    DeleteTemporaryFiles();
    std::wstring target = address;
    if (target.empty()) {
        if (readyFile_ == INVALID_HANDLE_VALUE) {
            OutputDebugStringW(L"Webform error: tried to Go, but haven't yet Ready/Set");
            return false;
        }
        target = readyPath_;
    }
    if (readyFile_ != INVALID_HANDLE_VALUE) {
        CloseHandle(readyFile_);
        readyFile_ = INVALID_HANDLE_VALUE;
        temporaryFiles_.push_back(readyPath_);
        readyPath_.clear();
    }
    navigationFlags_ = kStartedByProgram | kDocumentPending | kInsideNavigate;
    if (browser_) {
        const platform::Bstr url(target);
        VARIANT empty;
        VariantInit(&empty);
        browser_->Navigate(url.Get(), &empty, &empty, &empty, &empty);
        if ((navigationFlags_ & kDocumentPending) == 0) {
            Notify(kWebformDocumentComplete);
        }
    }
    navigationFlags_ &= ~kInsideNavigate;
    return static_cast<bool>(browser_);
}

void TWebf::Resize(int width, int height) {
    if (browser_) {
        browser_->put_Width(width);
        browser_->put_Height(height);
    }
}

IWebBrowser2* TWebf::Browser() {
    return browser_.NewReference();
}

IUnknown* TWebf::Document() {
    if (!browser_) {
        return nullptr;
    }
    platform::ComPtr<IDispatch> dispatch;
    if (FAILED(browser_->get_Document(dispatch.Out()))) {
        return nullptr;
    }
    return platform::Query<IHTMLDocument2>(dispatch.Get(), IID_IHTMLDocument2).Detach();
}

IUnknown* TWebf::Element(const wchar_t* name) {
    const auto document = platform::ComPtr<IUnknown>::Adopt(Document());
    if (!document || name == nullptr) {
        return nullptr;
    }
    const auto document3 = platform::Query<IHTMLDocument3>(document.Get(), IID_IHTMLDocument3);
    platform::ComPtr<IHTMLElement> element;
    if (document3) {
        const platform::Bstr id{std::wstring_view(name)};
        document3->getElementById(id.Get(), element.Out());
    }
    return element.Detach();
}

const wchar_t* TWebf::CapturedField(const wchar_t* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    for (const auto& [fieldName, value] : capturedFields_) {
        if (fieldName == name) {
            return value.c_str();
        }
    }
    return nullptr;
}

void TWebf::Notify(WORD code) {
    PostMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), code),
                 reinterpret_cast<LPARAM>(window_));
}

HRESULT TWebf::BeforeNavigate(DISPPARAMS* parameters) {
    if ((navigationFlags_ & kStartedByProgram) != 0) {
        navigationFlags_ &= ~kStartedByProgram;
        return S_OK;
    }
    // Arguments come last first: the address is the second of seven, the cancel flag the seventh.
    if (parameters == nullptr || parameters->cArgs < 7) {
        return E_INVALIDARG;
    }
    VARIANT& cancel = parameters->rgvarg[0];
    if (V_VT(&cancel) == (VT_BYREF | VT_BOOL) && V_BOOLREF(&cancel) != nullptr) {
        *V_BOOLREF(&cancel) = VARIANT_TRUE;
    }
    capturedAddress_ = EventAddress(parameters->rgvarg[5]);
    capturedFields_.clear();
    const std::u16string address(capturedAddress_.begin(), capturedAddress_.end());
    for (const FormField& field : DecodeFormFields(address)) {
        capturedFields_.emplace_back(std::wstring(field.first.begin(), field.first.end()),
                                     std::wstring(field.second.begin(), field.second.end()));
    }
    Notify(kWebformLinkCaptured);
    return S_OK;
}

void TWebf::DocumentComplete() {
    navigationFlags_ &= ~kDocumentPending;
    if ((navigationFlags_ & kInsideNavigate) == 0) {
        Notify(kWebformDocumentComplete);
    }
}

// The parts: their IUnknown is the object's.
#define TWEBF_FORWARD_UNKNOWN(Part)                                                                          \
    HRESULT TWebf::Part::QueryInterface(REFIID id, void** object) {                                          \
        return outer->QueryInterface(id, object);                                                            \
    }                                                                                                        \
    ULONG TWebf::Part::AddRef() {                                                                            \
        return outer->AddRef();                                                                              \
    }                                                                                                        \
    ULONG TWebf::Part::Release() {                                                                           \
        return outer->Release();                                                                             \
    }

TWEBF_FORWARD_UNKNOWN(TOleClientSite)
TWEBF_FORWARD_UNKNOWN(TOleInPlaceSite)
TWEBF_FORWARD_UNKNOWN(TOleInPlaceFrame)
TWEBF_FORWARD_UNKNOWN(TDispatch)
TWEBF_FORWARD_UNKNOWN(TDocHostUIHandler)
#undef TWEBF_FORWARD_UNKNOWN

HRESULT TWebf::TOleClientSite::SaveObject() {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleClientSite::GetMoniker(DWORD, DWORD, IMoniker**) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleClientSite::GetContainer(IOleContainer** container) {
    if (container != nullptr) {
        *container = nullptr;
    }
    return E_NOINTERFACE;
}
HRESULT TWebf::TOleClientSite::ShowObject() {
    return S_OK;
}
HRESULT TWebf::TOleClientSite::OnShowWindow(BOOL) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleClientSite::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

HRESULT TWebf::TOleInPlaceSite::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = outer->window_;
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceSite::CanInPlaceActivate() {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::OnInPlaceActivate() {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::OnUIActivate() {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                                 LPRECT position, LPRECT clip,
                                                 LPOLEINPLACEFRAMEINFO frameInfo) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        frameInfo == nullptr) {
        return E_POINTER;
    }
    *frame = &outer->inPlaceFrame_;
    outer->AddRef();
    *document = nullptr;
    *position = outer->ClientRectangle();
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = outer->window_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::Scroll(SIZE) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceSite::OnUIDeactivate(BOOL) {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::OnInPlaceDeactivate() {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceSite::DiscardUndoState() {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceSite::DeactivateAndUndo() {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceSite::OnPosRectChange(LPCRECT position) {
    if (position == nullptr) {
        return S_OK;
    }
    if (const auto inPlace =
            platform::Query<IOleInPlaceObject>(outer->control_.Get(), IID_IOleInPlaceObject)) {
        inPlace->SetObjectRects(position, position);
    }
    return S_OK;
}

HRESULT TWebf::TOleInPlaceFrame::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = outer->window_;
    return S_OK;
}
HRESULT TWebf::TOleInPlaceFrame::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceFrame::GetBorder(LPRECT) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceFrame::RemoveMenus(HMENU) {
    return E_NOTIMPL;
}
HRESULT TWebf::TOleInPlaceFrame::SetStatusText(LPCOLESTR) {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceFrame::EnableModeless(BOOL) {
    return S_OK;
}
HRESULT TWebf::TOleInPlaceFrame::TranslateAccelerator(LPMSG, WORD) {
    return E_NOTIMPL;
}

HRESULT TWebf::TDispatch::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}
HRESULT TWebf::TDispatch::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_FAIL;
}
HRESULT TWebf::TDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_FAIL;
}
// The browser's events: a boundary like a window procedure (the browser cannot unwind an exception),
// and capturing an address allocates.
HRESULT TWebf::TDispatch::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    return GuardedCall("WebBrowserEvents", HRESULT{E_FAIL}, [&]() -> HRESULT {
        switch (member) {
        case DISPID_BEFORENAVIGATE2:
            return outer->BeforeNavigate(parameters);
        case DISPID_DOCUMENTCOMPLETE:
            outer->DocumentComplete();
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    });
}

HRESULT TWebf::TDocHostUIHandler::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* info) {
    if (info == nullptr) {
        return E_POINTER;
    }
    info->cbSize = sizeof(DOCHOSTUIINFO);
    info->dwFlags = DOCHOSTUIFLAG_NO3DOUTERBORDER | (outer->scrollBarsWanted_ ? 0 : DOCHOSTUIFLAG_SCROLL_NO);
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                         IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::HideUI() {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::UpdateUI() {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::EnableModeless(BOOL) {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::OnDocWindowActivate(BOOL) {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::OnFrameWindowActivate(BOOL) {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}
HRESULT TWebf::TDocHostUIHandler::TranslateAccelerator(LPMSG, const GUID*, DWORD) {
    return S_FALSE;
}
HRESULT TWebf::TDocHostUIHandler::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    if (key != nullptr) {
        *key = nullptr;
    }
    return S_FALSE;
}
HRESULT TWebf::TDocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget** target) {
    if (target != nullptr) {
        *target = nullptr;
    }
    return S_FALSE;
}
HRESULT TWebf::TDocHostUIHandler::GetExternal(IDispatch** external) {
    if (external != nullptr) {
        *external = nullptr;
    }
    return S_FALSE;
}
HRESULT TWebf::TDocHostUIHandler::TranslateUrl(DWORD, OLECHAR*, OLECHAR** translated) {
    if (translated != nullptr) {
        *translated = nullptr;
    }
    return S_FALSE;
}
HRESULT TWebf::TDocHostUIHandler::FilterDataObject(IDataObject*, IDataObject** filtered) {
    if (filtered != nullptr) {
        *filtered = nullptr;
    }
    return S_FALSE;
}
