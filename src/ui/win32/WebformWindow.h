// The window class WebformClass: a child window that shows a web page in the WebBrowser control it
// hosts (TWebf). A page is written into the window's ready file ("ready", "set") or named by address,
// and navigated to by setting the window text ("go").
#pragma once

#include <windows.h>

inline constexpr wchar_t kWebformClassName[] = L"WebformClass";

// Messages of the window (wParam 0 unless said otherwise).
inline constexpr UINT kWebformReady = WM_USER;        // creates the ready file; returns its handle
inline constexpr UINT kWebformSet = WM_USER + 1;      // lParam: text to append; returns bytes written
inline constexpr UINT kWebformAddress = WM_USER + 2;  // returns the last captured address (wchar_t*)
inline constexpr UINT kWebformField = WM_USER + 3;    // lParam: field name; returns its value or null
inline constexpr UINT kWebformDocument = WM_USER + 4; // returns the IHTMLDocument2 (caller releases)
inline constexpr UINT kWebformBrowser = WM_USER + 5;  // returns the IWebBrowser2 (caller releases)
inline constexpr UINT kWebformElement = WM_USER + 6;  // lParam: element name; returns its IHTMLElement

// Notification codes sent to the parent (WM_COMMAND with the window's id and handle).
inline constexpr WORD kWebformLinkCaptured = 2;     // a navigation was stopped and its address captured
inline constexpr WORD kWebformDocumentComplete = 3; // a document completed outside a navigation call

// Registers the class with module (the plug-in's own, so that the class never outlives its code); the
// window procedure is guarded. False when registration failed for another reason than an existing class.
bool RegisterWebformClass(HINSTANCE module);
void UnregisterWebformClass(HINSTANCE module);

class TWebf;
// The host object of a WebformClass window; null when the window has none (no browser control).
TWebf* WebformHost(HWND window);
