#include "ui/win32/WebformFields.h"

#include "text/Utf.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The escapes are bytes of UTF-8; the other characters are taken as they are (the escape characters are
// ASCII, so they are found the same in the UTF-8 form).
std::u16string DecodeComponent(std::u16string_view text) {
    const std::string encoded = Utf16ToUtf8(text);
    std::string bytes;
    for (size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            bytes.push_back(' ');
        } else if (c == '%' && i + 2 < encoded.size() && HexDigit(encoded[i + 1]) >= 0 &&
                   HexDigit(encoded[i + 2]) >= 0) {
            const int value = HexDigit(encoded[i + 1]) * 16 + HexDigit(encoded[i + 2]);
            bytes.push_back(value == 0 ? '%' : static_cast<char>(value));
            i += 2;
        } else {
            bytes.push_back(c);
        }
    }
    return Utf8ToUtf16(bytes);
}

} // namespace

std::vector<FormField> DecodeFormFields(std::u16string_view address) {
    std::vector<FormField> fields;
    const size_t query = address.find(u'?');
    if (query == std::u16string_view::npos) {
        return fields;
    }
    std::u16string_view rest = address.substr(query + 1);
    while (!rest.empty()) {
        const size_t end = rest.find(u'&');
        const std::u16string_view pair = rest.substr(0, end);
        if (!pair.empty()) {
            const size_t equals = pair.find(u'=');
            fields.emplace_back(DecodeComponent(pair.substr(0, equals)),
                                equals == std::u16string_view::npos
                                    ? std::u16string()
                                    : DecodeComponent(pair.substr(equals + 1)));
        }
        if (end == std::u16string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return fields;
}
