#include "text/Format.h"

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
struct Directive {
    bool leftAlign = false;
    bool zeroPad = false;
    bool plus = false;
    bool space = false;
    int width = 0;
    int precision = -1;
    int longness = 0; // 0 int, 1 long (32-bit as on Windows), 2 long long, -1 short
};

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

void AppendPadded(std::u16string& out, std::u16string body, const Directive& directive, bool numeric) {
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
        if (body.compare(signLength, 2, u"0x") == 0) {
            signLength += 2;
        }
        out.append(body, 0, signLength);
        out.append(pad, u'0');
        out.append(body, signLength, std::u16string::npos);
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
} // namespace

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(format.size() + 16 * args.size());
    const FormatArg* next = args.begin();
    const FormatArg* const end = args.end();
    auto take = [&]() -> const FormatArg* { return next != end ? next++ : nullptr; };

    size_t i = 0;
    while (i < format.size()) {
        const char16_t c = format[i];
        if (c != u'%') {
            out.push_back(c);
            ++i;
            continue;
        }
        const size_t start = i++;
        if (i < format.size() && format[i] == u'%') {
            out.push_back(u'%');
            ++i;
            continue;
        }
        Directive directive;
        for (; i < format.size(); ++i) {
            const char16_t f = format[i];
            if (f == u'-') {
                directive.leftAlign = true;
            } else if (f == u'0') {
                directive.zeroPad = true;
            } else if (f == u'+') {
                directive.plus = true;
            } else if (f == u' ') {
                directive.space = true;
            } else if (f != u'#') {
                break;
            }
        }
        if (i < format.size() && format[i] == u'*') {
            const FormatArg* a = take();
            const int64_t w = a ? a->asSigned() : 0;
            if (w < 0) {
                directive.leftAlign = true;
            }
            directive.width = static_cast<int>(std::min<int64_t>(w < 0 ? -w : w, 4096));
            ++i;
        } else {
            while (i < format.size() && format[i] >= u'0' && format[i] <= u'9') {
                directive.width = std::min(directive.width * 10 + (format[i] - u'0'), 4096);
                ++i;
            }
        }
        if (i < format.size() && format[i] == u'.') {
            ++i;
            directive.precision = 0;
            if (i < format.size() && format[i] == u'*') {
                const FormatArg* a = take();
                const int64_t p = a ? a->asSigned() : 0;
                directive.precision = p < 0 ? -1 : static_cast<int>(std::min<int64_t>(p, 340));
                ++i;
            } else {
                while (i < format.size() && format[i] >= u'0' && format[i] <= u'9') {
                    directive.precision = std::min(directive.precision * 10 + (format[i] - u'0'), 340);
                    ++i;
                }
            }
        }
        while (i < format.size() && (format[i] == u'l' || format[i] == u'h' || format[i] == u'I')) {
            if (format[i] == u'l') {
                ++directive.longness;
            } else if (format[i] == u'h') {
                directive.longness = -1;
            } else if (format.compare(i, 3, u"I64") == 0) {
                directive.longness = 2;
                i += 2;
            }
            ++i;
        }
        if (i >= format.size()) {
            out.append(format.substr(start));
            break;
        }
        const char16_t conversion = format[i++];
        switch (conversion) {
        case u's': {
            const FormatArg* a = take();
            std::u16string body;
            if (a != nullptr && a->kind() == FormatArg::Kind::Text) {
                body = std::u16string(a->text());
            } else if (a != nullptr) {
                body = Ascii(std::to_string(a->asSigned()));
            }
            if (directive.precision >= 0 && body.size() > static_cast<size_t>(directive.precision)) {
                body.resize(static_cast<size_t>(directive.precision));
            }
            AppendPadded(out, body, directive, false);
            break;
        }
        case u'c': {
            const FormatArg* a = take();
            if (a != nullptr) {
                AppendPadded(out, std::u16string(1, static_cast<char16_t>(a->asUnsigned())), directive,
                             false);
            }
            break;
        }
        case u'd':
        case u'i': {
            const FormatArg* a = take();
            if (a == nullptr) {
                break;
            }
            int64_t value = a->asSigned();
            if (directive.longness < 2) {
                value = static_cast<int32_t>(value);
            }
            const uint64_t magnitude =
                value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
            // printf writes no digit at all for a zero with a precision of zero.
            std::string digits =
                directive.precision == 0 && magnitude == 0 ? std::string() : std::to_string(magnitude);
            if (directive.precision >= 0 && digits.size() < static_cast<size_t>(directive.precision)) {
                digits.insert(0, static_cast<size_t>(directive.precision) - digits.size(), '0');
            }
            AppendPadded(out, Ascii(SignPrefix(value < 0, directive) + digits), directive,
                         directive.precision < 0);
            break;
        }
        case u'u':
        case u'x':
        case u'X': {
            const FormatArg* a = take();
            if (a == nullptr) {
                break;
            }
            uint64_t value = a->asUnsigned();
            if (directive.longness < 2) {
                value = static_cast<uint32_t>(value);
            }
            char buffer[32];
            const int base = conversion == u'u' ? 10 : 16;
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, base);
            std::string digits =
                directive.precision == 0 && value == 0 ? std::string() : std::string(buffer, result.ptr);
            if (conversion == u'X') {
                for (auto& ch : digits) {
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                }
            }
            if (directive.precision >= 0 && digits.size() < static_cast<size_t>(directive.precision)) {
                digits.insert(0, static_cast<size_t>(directive.precision) - digits.size(), '0');
            }
            AppendPadded(out, Ascii(digits), directive, directive.precision < 0);
            break;
        }
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G': {
            const FormatArg* a = take();
            if (a == nullptr) {
                break;
            }
            const double value = a->asReal();
            std::string body =
                RealToChars(std::fabs(value), static_cast<char>(conversion), directive.precision);
            if (conversion == u'F' || conversion == u'E' || conversion == u'G') {
                // The capital conversions write the exponent, INF and NAN in capitals as well.
                for (auto& ch : body) {
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                }
            }
            body.insert(0, SignPrefix(std::signbit(value) && !std::isnan(value), directive));
            AppendPadded(out, Ascii(body), directive, std::isfinite(value));
            break;
        }
        default:
            // Unknown conversion: written as it stands, so a broken text stays visible.
            out.append(format.substr(start, i - start));
            break;
        }
    }
    return out;
}

std::u16string FormatFixedPoint(double value, int decimals) {
    return FormatText(u"%.*f", {decimals, value});
}
