// COM as every caller of the Windows build uses it: one owner per interface reference (ComPtr), COM
// for the calling thread while a scope lives (ComScope), and an owned BSTR (Bstr). No other code calls
// Release, CoUninitialize or SysFreeString by hand.
#pragma once

#include <windows.h>
// objbase.h and oleauto.h need the types of windows.h.
#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace platform {

// One reference to a COM interface, released when the owner goes. Adopt takes over a reference the
// caller already holds (a return value documented as "the caller releases").
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    static ComPtr Adopt(T* pointer) {
        ComPtr owner;
        owner.pointer_ = pointer;
        return owner;
    }
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(other.Detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = other.Detach();
        }
        return *this;
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // The address a creating or querying call writes a new reference to; the old one is released first.
    T** Out() {
        Reset();
        return &pointer_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

    // Hands the reference to the caller (a return value the caller releases).
    T* Detach() { return std::exchange(pointer_, nullptr); }
    // A new reference for the caller, the owner keeping its own; null when there is none.
    T* NewReference() const {
        if (pointer_ != nullptr) {
            pointer_->AddRef();
        }
        return pointer_;
    }
    void Reset() {
        if (T* pointer = Detach()) {
            pointer->Release();
        }
    }

private:
    T* pointer_ = nullptr;
};

// The interface id of object as Target; an empty owner when the object does not have it.
template <class Target>
ComPtr<Target> Query(IUnknown* object, REFIID id) {
    ComPtr<Target> target;
    if (object != nullptr && FAILED(object->QueryInterface(id, target.OutVoid()))) {
        target.Reset();
    }
    return target;
}

// COM (a single-threaded apartment) for the calling thread while the scope lives. A thread that has COM
// already gets it again, counted, and the scope ends only its own count.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Ok() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

// A BSTR owned until it goes.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::u16string_view text)
        : value_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                   static_cast<UINT>(text.size()))) {}
    explicit Bstr(std::wstring_view text)
        : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return value_; }
    BSTR* Out() {
        SysFreeString(value_);
        value_ = nullptr;
        return &value_;
    }
    std::u16string Text() const {
        return value_ != nullptr
                   ? std::u16string(reinterpret_cast<const char16_t*>(value_), SysStringLen(value_))
                   : std::u16string();
    }

private:
    BSTR value_ = nullptr;
};

} // namespace platform
