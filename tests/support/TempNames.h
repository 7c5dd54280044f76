// Names of test files in the temporary folder. Several test programs, and the same program built for
// several configurations, run at once on one machine and share that folder: a name unique within one
// process is not enough, so every name carries a token drawn once per process.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "text/Utf.h"

namespace testsupport {

inline const std::string& ProcessToken() {
    static const std::string token = [] {
        std::random_device device;
        const uint64_t seed =
            (static_cast<uint64_t>(device()) << 32) ^ device() ^
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
        std::string text;
        uint64_t rest = seed;
        for (int i = 0; i < 8; ++i) {
            text += kDigits[rest % 36];
            rest /= 36;
        }
        return text;
    }();
    return token;
}

// <temporary folder>tarvel-<stem>-<process token>-<counter><extension>, UTF-8. Characters that a file
// name cannot hold are replaced by "_".
inline std::string UniqueTempPath(std::string_view stem, std::string_view extension = ".db") {
    static std::atomic<int> counter{0};
    std::string name = "tarvel-";
    for (const char c : stem) {
        name += (c == '/' || c == '\\' || c == ':') ? '_' : c;
    }
    name += '-' + ProcessToken() + '-' + std::to_string(counter++);
    name += extension;
    return Utf16ToUtf8(platform::TempDirectory()) + name;
}

} // namespace testsupport
