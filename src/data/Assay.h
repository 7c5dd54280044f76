// One chromatogram of the chromatogram list: a row of the host's assay table plus what the list adds
// (whether it takes part, the list it was added to, when it was added).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class AssayRole : int32_t {
    Analysis = 0,
    Calibration = 1,
    Control = 2,
};

struct Assay {
    bool included = false;
    int64_t id = 0;
    std::u16string filename;
    std::u16string uuid;
    std::u16string sample;
    std::u16string method;
    int64_t date = 0; // seconds since 1970-01-01 UTC
    int32_t role = 0; // AssayRole; other values are kept as stored
    std::u16string mixture;
    double atmpressure = 0.0; // kPa
    uint32_t groupStamp = 0;  // seconds since 1970-01-01 UTC at which it was added; shared by one action
};

// The last component of a file path as the host stores it: the text after the last "\" or "/".
inline std::u16string_view FileNameOfPath(std::u16string_view path) {
    const size_t separator = path.find_last_of(u"\\/");
    return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}
