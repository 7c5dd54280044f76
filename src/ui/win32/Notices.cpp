#include "ui/win32/Notices.h"

#include "text/StringIds.gen.h"
#include "ui/win32/PluginModule.h"

namespace {
HWND UsableOwner(HWND owner) {
    return owner != nullptr && IsWindow(owner) ? owner : nullptr;
}

void ShowBox(HWND owner, const std::wstring& text, uint32_t captionId, UINT icon) {
    // The texts are loaded once and kept.
    static const std::wstring warning = ResourceText(StringId::WarningCaption);
    static const std::wstring error = ResourceText(StringId::ErrorCaption);
    const std::wstring& caption = captionId == StringId::ErrorCaption ? error : warning;
    ManifestActivation activation;
    MessageBoxW(UsableOwner(owner), text.c_str(), caption.c_str(), MB_OK | icon);
}
} // namespace

void ShowNotice(HWND owner, uint32_t textId, std::initializer_list<FormatArg> args) {
    std::u16string text = FormatText(FromWide(ResourceText(textId)), args);
    if (text.size() > kNoticeLength) {
        text.resize(kNoticeLength);
    }
    ShowBox(owner, std::wstring(text.begin(), text.end()), StringId::WarningCaption, MB_ICONINFORMATION);
}

void ShowErrorBox(HWND owner, const std::u16string& text) {
    ShowBox(owner, std::wstring(text.begin(), text.end()), StringId::ErrorCaption, MB_ICONERROR);
}

void ShowCalculationFailedBox(HWND owner) {
    static const std::wstring text = ResourceText(StringId::CalculationFailed);
    ShowBox(owner, text, StringId::WarningCaption, MB_ICONERROR);
}
