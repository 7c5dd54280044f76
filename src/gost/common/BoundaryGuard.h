// What every exported function of a calculation library wraps its body in. Hosts written in Delphi run
// with floating-point exceptions unmasked: an overflow or a division by zero inside the library would
// then raise a hardware exception in the host. The guard saves the caller's floating-point environment,
// masks every exception for the call and restores the caller's environment (flags included) on return.
// No C++ exception may cross the C boundary either: GuardedCall turns one into the given fallback.
#pragma once

#include <cfenv>
#include <utility>

namespace gost {

class FloatingPointGuard {
public:
    FloatingPointGuard() { std::feholdexcept(&saved_); }
    ~FloatingPointGuard() { std::fesetenv(&saved_); }
    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

private:
    std::fenv_t saved_;
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
