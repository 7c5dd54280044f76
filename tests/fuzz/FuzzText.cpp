// The text layer: UTF-8 and UTF-16 conversions, case folding and the message formatter with any format
// string the string table or a translation might hold.
#include <cstdint>
#include <limits>
#include <string>

#include "FuzzSupport.h"
#include "text/CaseFold.h"
#include "text/Format.h"
#include "text/Utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string utf8 = data.ConsumeRandomLengthString(256);
    // A conversion of any bytes gives text that converts back and forth unchanged.
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    fuzz::Require(Utf8ToUtf16(Utf16ToUtf8(utf16)) == utf16,
                  "UTF-16 text does not survive a UTF-8 round trip");
    fuzz::Require(EqualsIgnoreCase(utf16, utf16), "a text differs from itself without regard to case");

    const std::u16string format = Utf8ToUtf16(data.ConsumeRandomLengthString(128));
    const std::u16string text = Utf8ToUtf16(data.ConsumeRandomLengthString(64));
    const int64_t integer =
        data.ConsumeBool() ? std::numeric_limits<int64_t>::min() : data.ConsumeIntegral<int64_t>();
    const double number = fuzz::TakeDouble(data);
    // The arguments may not match the directives: the formatter must never read past them.
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        (void)FormatText(format, {});
        break;
    case 1:
        (void)FormatText(format, {text});
        break;
    case 2:
        (void)FormatText(format, {static_cast<long long>(integer), number, std::u16string_view(text)});
        break;
    default:
        (void)FormatText(format,
                         {number, static_cast<int>(integer), static_cast<unsigned long>(integer), text});
        break;
    }
    return 0;
}
