// The message formatter and the UTF conversions on arbitrary texts: any format string with arguments of
// every kind formats without fault, and a text converted to UTF-8 converts back to the same UTF-8.
#include <string>

#include "FuzzSupport.h"
#include "text/Format.h"
#include "text/Utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u16string name =
        data.ConsumeBool() ? u"Этан %s %d" : Utf8ToUtf16(data.ConsumeRandomLengthString(64));
    const double number = fuzzsupport::AnyDouble(data);
    const int integer = data.ConsumeIntegral<int>();
    std::u16string format;
    const std::string tail = data.ConsumeRemainingBytesAsString();
    for (size_t i = 0; i + 1 < tail.size(); i += 2) {
        format.push_back(static_cast<char16_t>(static_cast<unsigned char>(tail[i]) |
                                               (static_cast<unsigned char>(tail[i + 1]) << 8)));
    }

    const std::u16string text = FormatText(format, {name, number, integer, name, number});
    const std::string utf8 = Utf16ToUtf8(text);
    fuzzsupport::Require(Utf16ToUtf8(Utf8ToUtf16(utf8)) == utf8, "UTF-8 round trip");
    const std::string raw = Utf16ToUtf8(format);
    fuzzsupport::Require(Utf16ToUtf8(Utf8ToUtf16(raw)) == raw, "UTF-8 round trip of the format");
    return 0;
}
