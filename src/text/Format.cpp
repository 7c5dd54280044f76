#include "text/Format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

int64_t FormatArg::asSigned() const {
    switch (kind_) {
    case Kind::Signed:
        return signed_;
    case Kind::Unsigned:
        return static_cast<int64_t>(unsigned_);
    case Kind::Real:
        return std::isfinite(real_) && std::fabs(real_) < 9.2e18 ? static_cast<int64_t>(real_) : 0;
    case Kind::Text:
        break;
    }
    return 0;
}

uint64_t FormatArg::asUnsigned() const {
    return kind_ == Kind::Unsigned ? unsigned_ : static_cast<uint64_t>(asSigned());
}

double FormatArg::asReal() const {
    switch (kind_) {
    case Kind::Real:
        return real_;
    case Kind::Signed:
        return static_cast<double>(signed_);
    case Kind::Unsigned:
        return static_cast<double>(unsigned_);
    case Kind::Text:
        break;
    }
    return 0.0;
}

namespace {

// Bounds of a width and a precision: enough for any text the plug-in writes, and no allocation that a
// hostile number could blow up.
constexpr int kMaxWidth = 4096;
constexpr int kMaxPrecision = 340;

// One conversion directive: "%" flags width precision length conversion.
struct Directive {
    bool leftAlign = false;
    bool zeroPad = false;
    bool plus = false;
    bool space = false;
    int width = 0;
    int precision = -1; // -1: none given
    int longness = 0;   // 0 int, 1 long (32-bit as on Windows), 2 long long, -1 short
    char16_t conversion = 0;
};

// The arguments in order; a conversion past the last one gets none.
class Arguments {
public:
    Arguments(const FormatArg* begin, const FormatArg* end) : next_(begin), end_(end) {}
    const FormatArg* Take() { return next_ != end_ ? next_++ : nullptr; }

private:
    const FormatArg* next_;
    const FormatArg* end_;
};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Digits at position i, saturating at limit.
int ParseNumber(std::u16string_view format, size_t& i, int limit) {
    int number = 0;
    for (; i < format.size() && IsDigit(format[i]); ++i) {
        number = std::min(number * 10 + (format[i] - u'0'), limit);
    }
    return number;
}

void ParseFlags(std::u16string_view format, size_t& i, Directive& directive) {
    for (; i < format.size(); ++i) {
        switch (format[i]) {
        case u'-':
            directive.leftAlign = true;
            break;
        case u'0':
            directive.zeroPad = true;
            break;
        case u'+':
            directive.plus = true;
            break;
        case u' ':
            directive.space = true;
            break;
        case u'#':
            break; // accepted and ignored
        default:
            return;
        }
    }
}

// A "*" width comes from the arguments; a negative one aligns left. Its magnitude is taken without
// negating a signed value, which would overflow for the most negative one.
void ParseWidth(std::u16string_view format, size_t& i, Arguments& args, Directive& directive) {
    if (i < format.size() && format[i] == u'*') {
        ++i;
        const FormatArg* arg = args.Take();
        const int64_t width = arg != nullptr ? arg->asSigned() : 0;
        const uint64_t magnitude =
            width < 0 ? 0 - static_cast<uint64_t>(width) : static_cast<uint64_t>(width);
        directive.leftAlign = directive.leftAlign || width < 0;
        directive.width = static_cast<int>(std::min<uint64_t>(magnitude, kMaxWidth));
        return;
    }
    directive.width = ParseNumber(format, i, kMaxWidth);
}

// A negative "*" precision counts as none.
void ParsePrecision(std::u16string_view format, size_t& i, Arguments& args, Directive& directive) {
    if (i >= format.size() || format[i] != u'.') {
        return;
    }
    ++i;
    if (i < format.size() && format[i] == u'*') {
        ++i;
        const FormatArg* arg = args.Take();
        const int64_t precision = arg != nullptr ? arg->asSigned() : 0;
        directive.precision =
            precision < 0 ? -1 : static_cast<int>(std::min<int64_t>(precision, kMaxPrecision));
        return;
    }
    directive.precision = ParseNumber(format, i, kMaxPrecision);
}

void ParseLength(std::u16string_view format, size_t& i, Directive& directive) {
    for (; i < format.size(); ++i) {
        if (format[i] == u'l') {
            ++directive.longness;
        } else if (format[i] == u'h') {
            directive.longness = -1;
        } else if (format.compare(i, 3, u"I64") == 0) {
            directive.longness = 2;
            i += 2;
        } else if (format[i] != u'I') {
            return;
        }
    }
}

// Parses the directive after the "%" at position i, taking "*" arguments as it goes, and leaves i after
// its conversion character. False when the text ends inside the directive.
bool ParseDirective(std::u16string_view format, size_t& i, Arguments& args, Directive& directive) {
    ParseFlags(format, i, directive);
    ParseWidth(format, i, args, directive);
    ParsePrecision(format, i, args, directive);
    ParseLength(format, i, directive);
    if (i >= format.size()) {
        return false;
    }
    directive.conversion = format[i++];
    return true;
}

std::string RealToChars(double value, char conversion, int precision) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    if (precision < 0) {
        precision = 6;
    }
    std::vector<char> buffer(400 + static_cast<size_t>(precision));
    std::chars_format format = std::chars_format::fixed;
    if (conversion == 'e' || conversion == 'E') {
        format = std::chars_format::scientific;
    } else if (conversion == 'g' || conversion == 'G') {
        format = std::chars_format::general;
        if (precision == 0) {
            precision = 1;
        }
    }
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

void AppendPadded(std::u16string& out, std::u16string_view body, const Directive& directive, bool numeric) {
    const size_t width = directive.width > 0 ? static_cast<size_t>(directive.width) : 0;
    if (body.size() >= width) {
        out += body;
        return;
    }
    const size_t pad = width - body.size();
    if (directive.leftAlign) {
        out += body;
        out.append(pad, u' ');
    } else if (directive.zeroPad && numeric) {
        size_t signLength =
            (!body.empty() && (body[0] == u'-' || body[0] == u'+' || body[0] == u' ')) ? 1 : 0;
        if (body.substr(signLength, 2) == u"0x") {
            signLength += 2;
        }
        out += body.substr(0, signLength);
        out.append(pad, u'0');
        out += body.substr(signLength);
    } else {
        out.append(pad, u' ');
        out += body;
    }
}

std::u16string Ascii(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

std::string SignPrefix(bool negative, const Directive& directive) {
    if (negative) {
        return "-";
    }
    if (directive.plus) {
        return "+";
    }
    return directive.space ? " " : "";
}

void ToUpper(std::string& text) {
    for (auto& ch : text) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
}

// Digits padded with zeros to the precision; printf writes no digit at all for a zero with a precision
// of zero.
std::string DigitsToPrecision(std::string digits, bool zero, const Directive& directive) {
    if (directive.precision == 0 && zero) {
        return {};
    }
    if (directive.precision >= 0 && digits.size() < static_cast<size_t>(directive.precision)) {
        digits.insert(0, static_cast<size_t>(directive.precision) - digits.size(), '0');
    }
    return digits;
}

// %s: a UTF-16 text; a number given for it is written in decimal.
void WriteText(std::u16string& out, const Directive& directive, const FormatArg& arg) {
    std::u16string_view body = arg.text();
    std::u16string number;
    if (arg.kind() != FormatArg::Kind::Text) {
        number = Ascii(std::to_string(arg.asSigned()));
        body = number;
    }
    if (directive.precision >= 0) {
        body = body.substr(0, static_cast<size_t>(directive.precision));
    }
    AppendPadded(out, body, directive, false);
}

// %c: one UTF-16 code unit.
void WriteCharacter(std::u16string& out, const Directive& directive, const FormatArg& arg) {
    const char16_t character = static_cast<char16_t>(arg.asUnsigned());
    AppendPadded(out, std::u16string_view(&character, 1), directive, false);
}

// %d %i: 32 bits unless "ll" or "I64" is given.
void WriteSigned(std::u16string& out, const Directive& directive, const FormatArg& arg) {
    int64_t value = arg.asSigned();
    if (directive.longness < 2) {
        value = static_cast<int32_t>(value);
    }
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const std::string digits = DigitsToPrecision(std::to_string(magnitude), magnitude == 0, directive);
    AppendPadded(out, Ascii(SignPrefix(value < 0, directive) + digits), directive, directive.precision < 0);
}

// %u %x %X: 32 bits unless "ll" or "I64" is given.
void WriteUnsigned(std::u16string& out, const Directive& directive, const FormatArg& arg) {
    uint64_t value = arg.asUnsigned();
    if (directive.longness < 2) {
        value = static_cast<uint32_t>(value);
    }
    char buffer[32];
    const int base = directive.conversion == u'u' ? 10 : 16;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    std::string digits = DigitsToPrecision(std::string(buffer, result.ptr), value == 0, directive);
    if (directive.conversion == u'X') {
        ToUpper(digits);
    }
    AppendPadded(out, Ascii(digits), directive, directive.precision < 0);
}

// %f %F %e %E %g %G; the capital conversions write the exponent, INF and NAN in capitals as well.
void WriteReal(std::u16string& out, const Directive& directive, const FormatArg& arg) {
    const double value = arg.asReal();
    const char conversion = static_cast<char>(directive.conversion);
    std::string body = RealToChars(std::fabs(value), conversion, directive.precision);
    if (conversion == 'F' || conversion == 'E' || conversion == 'G') {
        ToUpper(body);
    }
    body.insert(0, SignPrefix(std::signbit(value) && !std::isnan(value), directive));
    AppendPadded(out, Ascii(body), directive, std::isfinite(value));
}

using ConversionWriter = void (*)(std::u16string& out, const Directive& directive, const FormatArg& arg);

// The writer of a conversion character; null for one that is no conversion.
ConversionWriter WriterOf(char16_t conversion) {
    switch (conversion) {
    case u's':
        return &WriteText;
    case u'c':
        return &WriteCharacter;
    case u'd':
    case u'i':
        return &WriteSigned;
    case u'u':
    case u'x':
    case u'X':
        return &WriteUnsigned;
    case u'f':
    case u'F':
    case u'e':
    case u'E':
    case u'g':
    case u'G':
        return &WriteReal;
    default:
        return nullptr;
    }
}

} // namespace

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(format.size() + 16 * args.size());
    Arguments arguments(args.begin(), args.end());
    size_t i = 0;
    while (i < format.size()) {
        const size_t percent = std::min(format.find(u'%', i), format.size());
        out += format.substr(i, percent - i);
        if (percent == format.size()) {
            break;
        }
        i = percent + 1;
        if (i < format.size() && format[i] == u'%') {
            out.push_back(u'%');
            ++i;
            continue;
        }
        Directive directive;
        if (!ParseDirective(format, i, arguments, directive)) {
            out += format.substr(percent); // an unfinished directive at the end stays as written
            break;
        }
        const ConversionWriter writer = WriterOf(directive.conversion);
        if (writer == nullptr) {
            out += format.substr(percent, i - percent); // so a broken text stays visible
            continue;
        }
        if (const FormatArg* arg = arguments.Take()) {
            writer(out, directive, *arg);
        }
    }
    return out;
}

std::u16string FormatFixedPoint(double value, int decimals) {
    return FormatText(u"%.*f", {decimals, value});
}
