// printf-style formatting of the string-table texts into UTF-16, independent of the platform's wide
// printf (MinGW reads %s there as a narrow string) and of the C locale: a point is always the decimal
// separator. Conversions: %s (UTF-16 text), %d %i, %u, %lu (32-bit, as on Windows), %llu %lld (64-bit),
// %x, %c, %f, %e, %g, with flags "-0+ ", width and precision (digits or *), and %%.
// A conversion without a matching argument writes nothing; a surplus argument is ignored.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class FormatArg {
public:
    enum class Kind { Text, Signed, Unsigned, Real };

    FormatArg(std::u16string_view text) : kind_(Kind::Text), text_(text) {}
    FormatArg(const std::u16string& text) : kind_(Kind::Text), text_(text) {}
    FormatArg(const char16_t* text) : kind_(Kind::Text), text_(text ? text : u"") {}
    FormatArg(int value) : kind_(Kind::Signed), signed_(value) {}
    FormatArg(long value) : kind_(Kind::Signed), signed_(value) {}
    FormatArg(long long value) : kind_(Kind::Signed), signed_(value) {}
    FormatArg(unsigned value) : kind_(Kind::Unsigned), unsigned_(value) {}
    FormatArg(unsigned long value) : kind_(Kind::Unsigned), unsigned_(value) {}
    FormatArg(unsigned long long value) : kind_(Kind::Unsigned), unsigned_(value) {}
    FormatArg(double value) : kind_(Kind::Real), real_(value) {}

    Kind kind() const { return kind_; }
    std::u16string_view text() const { return text_; }
    int64_t asSigned() const;
    uint64_t asUnsigned() const;
    double asReal() const;

private:
    Kind kind_;
    std::u16string_view text_;
    int64_t signed_ = 0;
    uint64_t unsigned_ = 0;
    double real_ = 0.0;
};

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args);

// The number as printf's %.<decimals>f writes it in the "C" locale (correctly rounded, point separator).
std::u16string FormatFixedPoint(double value, int decimals);
