#include "platform/TextEncoding.h"

#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {
// Windows-1251, the ANSI code page of a Russian-language Windows system.
constexpr uint32_t kRussianAnsiCodePage = 1251;
constexpr char kDefaultCharacter = '?';

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Owns the conversion descriptor.
class Converter {
public:
    Converter() : descriptor_(iconv_open("CP1251", "UTF-16LE")) {}
    ~Converter() {
        if (IsOpen()) {
            iconv_close(descriptor_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return descriptor_; }

private:
    iconv_t descriptor_;
};
} // namespace

uint32_t AnsiCodePage() {
    return kRussianAnsiCodePage;
}

std::string ToAnsiCodePage(std::u16string_view text) {
    // The units as little-endian bytes, whatever the machine's byte order.
    std::string input;
    input.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        input.push_back(static_cast<char>(unit & 0xFF));
        input.push_back(static_cast<char>(unit >> 8));
    }
    // A single-byte code page writes at most one byte per UTF-16 unit.
    std::string output(text.size(), '\0');
    Converter converter;
    if (!converter.IsOpen()) {
        return std::string(text.size(), kDefaultCharacter);
    }
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    while (inLeft > 0) {
        if (iconv(converter.Get(), &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // The character at in has no byte in the code page (or is an unpaired surrogate): write the
        // default character in its place and go on after it.
        const size_t position = (input.size() - inLeft) / 2;
        const bool pair = position + 1 < text.size() && IsHighSurrogate(text[position]) &&
                          IsLowSurrogate(text[position + 1]);
        const size_t skipped = pair ? 4 : 2;
        *out++ = kDefaultCharacter;
        --outLeft;
        in += skipped;
        inLeft -= skipped < inLeft ? skipped : inLeft;
    }
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace platform
