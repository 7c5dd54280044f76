// The host of the WebBrowser control inside a WebformClass window (TWebf): its OLE site, in-place site
// and frame, its UI handler and its event sink, the ready file the window fills before it navigates to
// it, and the temporary files it deletes.
#pragma once

#include <windows.h>
// The OLE and browser headers need the types of windows.h.
#include <exdisp.h>
#include <mshtmhst.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "platform/win32/Com.h"
#include "ui/win32/WebformFields.h"

class TWebf final : public IUnknown {
public:
    // Navigation flags.
    static constexpr unsigned kStartedByProgram = 1; // the next before-navigation event is ours
    static constexpr unsigned kDocumentPending = 2;  // the document has not completed yet
    static constexpr unsigned kInsideNavigate = 4;   // inside the browser's Navigate call

    // A host object for window with one reference, owned by the caller; no browser yet.
    TWebf(HWND window, bool scrollBarsWanted);
    TWebf(const TWebf&) = delete;
    TWebf& operator=(const TWebf&) = delete;

    // Creates the browser control in the window's client area and connects the event sink; false (and
    // no browser) when the control or its HTML engine cannot be created.
    bool CreateBrowser();
    // Disconnects the event sink and closes the browser without saving.
    void CloseBrowser();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // "ready": creates the ready file and returns its handle (the open one, when one is open already).
    HANDLE Ready();
    // "set": appends text (UTF-16, no byte-order mark) to the ready file; the number of bytes written.
    DWORD Set(const wchar_t* text);
    // "go": navigates to address, or with none to the ready file. False when nothing was navigated to.
    bool Go(const std::wstring& address);

    void Resize(int width, int height);
    // The browser with a reference added for the caller; null when there is none.
    IWebBrowser2* Browser();
    // The current document (IHTMLDocument2) or one of its elements by name (IHTMLElement), with a
    // reference for the caller; null when there is none.
    IUnknown* Document();
    IUnknown* Element(const wchar_t* name);

    // The last address a link or form tried to open, and its decoded fields.
    const std::wstring& CapturedAddress() const { return capturedAddress_; }
    // The value of the captured field of that name; null when there is none.
    const wchar_t* CapturedField(const wchar_t* name) const;

    unsigned NavigationFlags() const { return navigationFlags_; }
    const std::vector<std::wstring>& TemporaryFiles() const { return temporaryFiles_; }
    const std::wstring& ReadyPath() const { return readyPath_; }

private:
    ~TWebf();

    HRESULT BeforeNavigate(DISPPARAMS* parameters);
    void DocumentComplete();
    void Notify(WORD code);
    void DeleteTemporaryFiles();
    RECT ClientRectangle() const;

    struct TOleClientSite : IOleClientSite {
        TWebf* outer;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE SaveObject() override;
        HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override;
        HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
        HRESULT STDMETHODCALLTYPE ShowObject() override;
        HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override;
        HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;
    };
    struct TOleInPlaceSite : IOleInPlaceSite {
        TWebf* outer;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;
        HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
        HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
        HRESULT STDMETHODCALLTYPE OnUIActivate() override;
        HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                                   LPRECT position, LPRECT clip,
                                                   LPOLEINPLACEFRAMEINFO frameInfo) override;
        HRESULT STDMETHODCALLTYPE Scroll(SIZE) override;
        HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
        HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
        HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
        HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
        HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;
    };
    struct TOleInPlaceFrame : IOleInPlaceFrame {
        TWebf* outer;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;
        HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override;
        HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override;
        HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override;
        HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override;
        HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override;
        HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override;
        HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override;
        HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override;
        HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override;
        HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override;
    };
    struct TDispatch : IDispatch {
        TWebf* outer;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                         EXCEPINFO*, UINT*) override;
    };
    struct TDocHostUIHandler : IDocHostUIHandler {
        TWebf* outer;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override;
        HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
        HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                         IOleInPlaceFrame*, IOleInPlaceUIWindow*) override;
        HRESULT STDMETHODCALLTYPE HideUI() override;
        HRESULT STDMETHODCALLTYPE UpdateUI() override;
        HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override;
        HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override;
        HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override;
        HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override;
        HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override;
        HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override;
        HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override;
        HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
        HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, OLECHAR*, OLECHAR** translated) override;
        HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** filtered) override;
    };

    LONG references_ = 1;
    HWND window_;
    bool scrollBarsWanted_;
    TOleClientSite clientSite_{};
    TOleInPlaceSite inPlaceSite_{};
    TOleInPlaceFrame inPlaceFrame_{};
    TDispatch dispatch_{};
    TDocHostUIHandler uiHandler_{};
    platform::ComPtr<IOleObject> control_;
    platform::ComPtr<IWebBrowser2> browser_;
    DWORD sinkCookie_ = 0;
    unsigned navigationFlags_ = 0;
    HANDLE readyFile_ = INVALID_HANDLE_VALUE;
    std::wstring readyPath_;
    std::wstring capturedAddress_;
    std::vector<std::pair<std::wstring, std::wstring>> capturedFields_;
    std::vector<std::wstring> temporaryFiles_;
};
