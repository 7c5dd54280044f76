// What every exported function of a calculation library wraps its body in. Hosts written in Delphi run
// with floating-point exceptions unmasked: an overflow or a division by zero inside the library would
// then raise a hardware exception in the host. The guard saves the caller's floating-point environment,
// masks every exception for the call and restores the caller's environment (flags included) on return.
// No C++ exception may cross the C boundary either: GuardedCall turns one into the given fallback.
#pragma once

#include <cfenv>
#include <utility>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace gost {

class FloatingPointGuard {
public:
    FloatingPointGuard() {
#if defined(__SSE__)
        // MinGW-w64's feholdexcept and fesetenv handle only the x87 unit, while the Windows build does
        // its double arithmetic in SSE2: the SSE control and status register is saved (before
        // feholdexcept clears its flags), masked and restored here as well.
        savedSse_ = _mm_getcsr();
#endif
        std::feholdexcept(&saved_);
#if defined(__SSE__)
        _mm_setcsr((savedSse_ | kSseAllMasks) & ~kSseAllFlags);
#endif
    }
    ~FloatingPointGuard() {
        std::fesetenv(&saved_);
#if defined(__SSE__)
        _mm_setcsr(savedSse_);
#endif
    }
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

private:
    std::fenv_t saved_;
#if defined(__SSE__)
    static constexpr unsigned int kSseAllMasks = 0x1F80u; // MXCSR bits 7-12: exception masks
    static constexpr unsigned int kSseAllFlags = 0x003Fu; // MXCSR bits 0-5: exception flags
    unsigned int savedSse_ = 0;
#endif
};

template <typename Result, typename Body>
Result GuardedCall(Result fallback, Body&& body) noexcept {
    FloatingPointGuard guard;
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return fallback;
    }
}

template <typename Body>
void GuardedCall(Body&& body) noexcept {
    FloatingPointGuard guard;
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

} // namespace gost
