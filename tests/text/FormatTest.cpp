// FormatText against the printf meaning of each conversion. The expected texts are those of the GNU C
// library's printf (correctly rounded, ties of exact binary values to even); on the native build the
// formatter is also compared with std::snprintf itself over tables and a seeded sweep of values.
#include "text/Format.h"

#include "text/Utf.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Format(std::u16string_view format, std::initializer_list<FormatArg> args) {
    return Utf16ToUtf8(FormatText(format, args));
}

struct RealCase {
    std::u16string_view format;
    double value;
    const char* expected;
};

// Values whose decimal expansion sits on or next to a rounding boundary, the rounding ties of %.0f, and
// the widths, flags, infinities and not-a-numbers of the real conversions.
const RealCase kRealCases[] = {
    {u"%f", 0.0, "0.000000"},
    {u"%f", -0.0, "-0.000000"},
    {u"%f", 1.0 / 3.0, "0.333333"},
    {u"%f", 2.0 / 3.0, "0.666667"},
    {u"%f", 0.0000005, "0.000000"}, // 4.99999999999999977e-07 in binary
    {u"%f", 0.0000015, "0.000002"},
    {u"%f", 0.0000025, "0.000003"}, // 2.50000000000000016e-06
    {u"%f", -1e-7, "-0.000000"},
    {u"%f", 123456.7890125, "123456.789012"},
    {u"%f", 1e21, "1000000000000000000000.000000"},
    {u"%f", 98.7654321, "98.765432"},
    {u"%f", 0.1 + 0.2, "0.300000"},
    {u"%f", 9.9999995, "9.999999"},
    {u"%f", 37.0 / 0.0041868, "8837.298175"},
    {u"%.0f", 0.5, "0"},
    {u"%.0f", 1.5, "2"},
    {u"%.0f", 2.5, "2"},
    {u"%.0f", 3.5, "4"},
    {u"%.0f", -0.5, "-0"},
    {u"%.0f", 1e15 + 0.5, "1000000000000000"},
    {u"%.0f", 4503599627370497.0, "4503599627370497"},
    {u"%.2f", 0.125, "0.12"},
    {u"%.2f", 0.375, "0.38"},
    {u"%.2f", 2.675, "2.67"},
    {u"%.2f", 1.005, "1.00"},
    {u"%.2f", 1.015, "1.01"},
    {u"%.2f", 1.025, "1.02"},
    {u"%.2f", -1.005, "-1.00"},
    {u"%.4f", 0.00005, "0.0001"},
    {u"%.4f", 0.12345, "0.1235"},
    {u"%.4f", 100.0, "100.0000"},
    {u"%.4f", 0.00015, "0.0001"},
    {u"%.4f", 0.99995, "1.0000"},
    {u"%.4f", 72.14878, "72.1488"},
    {u"%.3f", 0.0005, "0.001"},
    {u"%.3f", 0.0015, "0.002"},
    {u"%g", 98.7654, "98.7654"},
    {u"%g", 0.000123456789, "0.000123457"},
    {u"%g", 1234567.0, "1.23457e+06"},
    {u"%g", 100000.0, "100000"},
    {u"%g", 999999.5, "1e+06"},
    {u"%g", 0.0001, "0.0001"},
    {u"%g", 0.00001, "1e-05"},
    {u"%g", 0.0, "0"},
    {u"%g", -0.0, "-0"},
    {u"%g", 1e100, "1e+100"},
    {u"%g", 5e-324, "4.94066e-324"},
    {u"%g", 0.5, "0.5"},
    {u"%g", 2.5e-5, "2.5e-05"},
    {u"%g", 123456.5, "123456"},
    {u"%g", 0.1 + 0.2, "0.3"},
    {u"%g", 99.99995, "99.9999"},
    {u"%.10g", 0.1 + 0.2, "0.3"},
    {u"%.0g", 2.5, "2"},
    {u"%.3g", 1234.5, "1.23e+03"},
    {u"%e", 12345.678, "1.234568e+04"},
    {u"%e", 0.0, "0.000000e+00"},
    {u"%.2e", 1e-300, "1.00e-300"},
    {u"%E", 12345.678, "1.234568E+04"},
    {u"%G", 1e-10, "1E-10"},
    {u"%10.3f", 3.14159, "     3.142"},
    {u"%-10.3f|", 3.14159, "3.142     |"},
    {u"%010.3f", -3.14159, "-00003.142"},
    {u"%+.2f", 2.5, "+2.50"},
    {u"% .1f", 0.25, " 0.2"},
    {u"%+f", 0.0, "+0.000000"},
    {u"%f", kInfinity, "inf"},
    {u"%f", -kInfinity, "-inf"},
    {u"%f", kNaN, "nan"},
    {u"%5.1f", kInfinity, "  inf"},
    {u"%05f", -kInfinity, " -inf"},
    {u"%e", kInfinity, "inf"},
    {u"%g", kNaN, "nan"},
    {u"%F", kInfinity, "INF"},
    {u"%E", kNaN, "NAN"},
    {u"%G", -kInfinity, "-INF"},
};

struct IntegerCase {
    std::u16string_view format;
    long long value;
    const char* expected;
};

const IntegerCase kIntegerCases[] = {
    {u"%d", 0, "0"},
    {u"%d", -1, "-1"},
    {u"%d", std::numeric_limits<int32_t>::min(), "-2147483648"},
    {u"%d", std::numeric_limits<int32_t>::max(), "2147483647"},
    {u"%i", -17, "-17"},
    {u"%5d", 42, "   42"},
    {u"%-5d|", 42, "42   |"},
    {u"%05d", -42, "-0042"},
    {u"%+d", 42, "+42"},
    {u"% d", 42, " 42"},
    {u"%+ d", 42, "+42"},
    {u"%-05d|", 42, "42   |"},
    {u"%.3d", 7, "007"},
    {u"%.3d", -7, "-007"},
    {u"%8.3d", 7, "     007"},
    {u"%08.3d", 7, "     007"}, // a precision turns the zero padding off
    {u"%.0d", 0, ""},
    {u"%5.0d|", 0, "     |"},
    {u"%03d", 7, "007"},
    {u"%03d", -7, "-07"},
    {u"%03d", 0, "000"},
    {u"%03d", 1234, "1234"},
    {u"%u", 4000000000LL, "4000000000"},
    {u"%u", -1, "4294967295"},
    {u"%x", 255, "ff"},
    {u"%X", 255, "FF"},
    {u"%08x", 48879, "0000beef"},
    {u"%x", -1, "ffffffff"},
    {u"%.0x", 0, ""},
    {u"%lld", std::numeric_limits<long long>::min(), "-9223372036854775808"},
    {u"%I64d", -5000000000LL, "-5000000000"},
};
} // namespace

TEST(Format, RealConversionsWriteWhatPrintfWrites) {
    for (const RealCase& c : kRealCases) {
        EXPECT_EQ(Format(c.format, {c.value}), c.expected)
            << Utf16ToUtf8(c.format) << " of " << std::to_string(c.value);
    }
}

TEST(Format, IntegerConversionsWriteWhatPrintfWrites) {
    for (const IntegerCase& c : kIntegerCases) {
        EXPECT_EQ(Format(c.format, {c.value}), c.expected) << Utf16ToUtf8(c.format) << " of " << c.value;
    }
}

TEST(Format, PercentSIsAUtf16Text) {
    const std::u16string owned = u"ГСО 10541-2014";
    EXPECT_EQ(FormatText(u"Смесь \"%s\".", {owned}), u"Смесь \"ГСО 10541-2014\".");
    EXPECT_EQ(FormatText(u"%s/%s", {std::u16string_view(u"methane"), u"Метан"}), u"methane/Метан");
    EXPECT_EQ(FormatText(u"[%s]", {static_cast<const char16_t*>(nullptr)}), u"[]");
    EXPECT_EQ(FormatText(u"[%s]", {u""}), u"[]");
    // Astral characters pass as their surrogate pairs.
    EXPECT_EQ(FormatText(u"%s!", {u"\U0001F525"}), u"\U0001F525!");
}

TEST(Format, AnArgumentIsNeverReadAsAFormat) {
    // A mixture or component name holding "%" is shown unchanged.
    EXPECT_EQ(FormatText(u"В смеси \"%s\" компонент \"%s\".", {u"ГСО 100%s", u"%d%%"}),
              u"В смеси \"ГСО 100%s\" компонент \"%d%%\".");
}

TEST(Format, TextWidthAndPrecision) {
    EXPECT_EQ(FormatText(u"[%6s]", {u"Этан"}), u"[  Этан]");
    EXPECT_EQ(FormatText(u"[%-6s]", {u"Этан"}), u"[Этан  ]");
    EXPECT_EQ(FormatText(u"[%.3s]", {u"Пропан"}), u"[Про]");
    EXPECT_EQ(FormatText(u"[%*s]", {5, u"Ar"}), u"[   Ar]");
    EXPECT_EQ(FormatText(u"[%-*s]", {5, u"Ar"}), u"[Ar   ]");
    EXPECT_EQ(FormatText(u"[%*s]", {-5, u"Ar"}), u"[Ar   ]"); // a negative width aligns left
    EXPECT_EQ(FormatText(u"[%c%c]", {0x0416, u'ж'}), u"[Жж]");
}

TEST(Format, StarWidthsAndPrecisionsAtTheLimitsOfSixtyFourBits) {
    constexpr long long kMin = std::numeric_limits<long long>::min();
    constexpr long long kMax = std::numeric_limits<long long>::max();
    const std::string wide(4095, ' ');
    struct Case {
        std::u16string_view format;
        long long star;
        const char* expected;
    };
    // The most negative width has no positive counterpart: it aligns left at the widest width, as the
    // largest one aligns right; a huge precision is bounded, a negative one counts as none.
    const std::string left = "[7" + wide + "]";
    const std::string right = "[" + wide + "7]";
    const Case cases[] = {
        {u"[%*d]", kMin, left.c_str()},  {u"[%*d]", kMax, right.c_str()},
        {u"[%*d]", -4096, left.c_str()}, {u"[%*d]", 1LL << 32, right.c_str()},
        {u"[%.*d]", kMin, "[7]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.format, {c.star, 7}), c.expected) << Utf16ToUtf8(c.format) << " with " << c.star;
    }
    EXPECT_EQ(Format(u"%.*f", {kMin, 0.5}), "0.500000");
    EXPECT_EQ(Format(u"%.*f", {kMax, 0.5}).size(), 2u + 340u);
}

TEST(Format, LongIsThirtyTwoBitsAsOnWindows) {
    // %lu reads a 32-bit unsigned long: a value above 2^32 wraps as the Windows C runtime shows it.
    EXPECT_EQ(Format(u"%lu", {4294967296ULL + 5}), "5");
    EXPECT_EQ(Format(u"%lu", {4294967295U}), "4294967295");
    EXPECT_EQ(Format(u"%lu", {-1L}), "4294967295");
    EXPECT_EQ(Format(u"%ld", {2147483648LL}), "-2147483648");
    // %d is 32-bit too; %llu and %lld keep all 64 bits.
    EXPECT_EQ(Format(u"%d", {4294967297LL}), "1");
    EXPECT_EQ(Format(u"%llu", {std::numeric_limits<unsigned long long>::max()}), "18446744073709551615");
    EXPECT_EQ(Format(u"%llu", {4294967296ULL + 5}), "4294967301");
    EXPECT_EQ(Format(u"%lld", {-4294967301LL}), "-4294967301");
}

TEST(Format, VariablePrecision) {
    EXPECT_EQ(Format(u"%.*f", {3, 0.5}), "0.500");
    EXPECT_EQ(Format(u"%.*f", {0, 2.5}), "2");
    EXPECT_EQ(Format(u"%.*f", {-1, 0.5}), "0.500000"); // a negative precision counts as none
    EXPECT_EQ(Format(u"%.*f", {22, 1234.5678}), "1234.5678000000000338332029");
    EXPECT_EQ(Format(u"%.*f", {22, 0.1}), "0.1000000000000000055511");
    EXPECT_EQ(Format(u"%*.*f|", {9, 2, -1.005}), "    -1.00|");
}

TEST(Format, PercentSigns) {
    EXPECT_EQ(Format(u"100%%", {}), "100%");
    EXPECT_EQ(Format(u"%d%%", {98}), "98%");
    EXPECT_EQ(FormatText(u"от 98%% до 102%%: %f", {97.5}), u"от 98% до 102%: 97.500000");
    // Something that is no conversion stays as written, so a broken text shows.
    EXPECT_EQ(Format(u"(мол.%)", {}), "(мол.%)");
    EXPECT_EQ(Format(u"доля, %", {}), "доля, %");
    EXPECT_EQ(Format(u"[%q]", {1}), "[%q]");
}

TEST(Format, MissingArgumentsWriteNothingAndSurplusOnesAreIgnored) {
    EXPECT_EQ(Format(u"a%db%sc%fd%ge%%", {}), "abcde%");
    EXPECT_EQ(Format(u"%d из %d", {2}), "2 из ");
    EXPECT_EQ(Format(u"[%*d]", {}), "[]");
    EXPECT_EQ(Format(u"[%.*f]", {2}), "[]");
    EXPECT_EQ(Format(u"%d", {1, 2, u"лишний"}), "1");
    EXPECT_EQ(Format(u"без аргументов", {1.5}), "без аргументов");
}

TEST(Format, FormatFixedPointIsPercentDotStarF) {
    EXPECT_EQ(Utf16ToUtf8(FormatFixedPoint(0.125, 2)), "0.12");
    EXPECT_EQ(Utf16ToUtf8(FormatFixedPoint(2.5, 0)), "2");
    EXPECT_EQ(Utf16ToUtf8(FormatFixedPoint(-1.005, 2)), "-1.00");
    EXPECT_EQ(Utf16ToUtf8(FormatFixedPoint(0.5, -1)), "0.500000");
    EXPECT_EQ(Utf16ToUtf8(FormatFixedPoint(1234.5678, 22)), "1234.5678000000000338332029");
}

namespace {
// Switches the C locale's decimal separator to a comma for the life of the object, when the system has
// such a locale; restores the previous locale afterwards.
class CommaLocale {
public:
    CommaLocale() {
        const char* current = std::setlocale(LC_ALL, nullptr);
        previous_ = current != nullptr ? current : "C";
        for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8",
                                 "Russian_Russia.1251", "Russian", "rus", "German_Germany.1252", "deu"}) {
            if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
                name_ = name;
                return;
            }
        }
        std::setlocale(LC_ALL, previous_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return !name_.empty(); }
    const std::string& name() const { return name_; }

private:
    std::string previous_;
    std::string name_;
};
} // namespace

TEST(Format, DecimalPointDoesNotFollowTheCLocale) {
    CommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no locale with a decimal comma on this system";
    }
    // The C library itself now writes a comma: the formatter must not.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    EXPECT_STREQ(buffer, "0,5") << "locale " << locale.name();
    EXPECT_EQ(Format(u"%.1f", {0.5}), "0.5");
    EXPECT_EQ(Format(u"%f|%.4f|%g|%e", {98.7654321, 0.12345, 0.000123456789, 12345.678}),
              "98.765432|0.1235|0.000123457|1.234568e+04");
    EXPECT_EQ(Utf16ToUtf8(FormatFixedPoint(1.5, 3)), "1.500");
    EXPECT_EQ(Format(u"%d", {1234567}), "1234567"); // no grouping either
}

#ifndef _WIN32
// The native C library is the reference: the same format and value must give the same text.
namespace {
std::string Printf(const std::string& format, double value) {
    std::vector<char> buffer(1024);
    std::snprintf(buffer.data(), buffer.size(), format.c_str(), value);
    return buffer.data();
}

std::string Printf(const std::string& format, long long value) {
    char buffer[128];
    if (format.find("ll") != std::string::npos) {
        std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    } else if (format.find_first_of("uxX") != std::string::npos) {
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<unsigned>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<int>(value));
    }
    return buffer;
}

const char* const kRealFormats[] = {"%f",    "%.0f",   "%.1f",   "%.2f", "%.3f",    "%.4f",  "%.7f", "%.15f",
                                    "%.22f", "%g",     "%.1g",   "%.3g", "%.8g",    "%.17g", "%e",   "%.0e",
                                    "%.12e", "%12.4f", "%-9.2f", "%+g",  "%010.3f", "% .5f", "%G",   "%.10E"};
} // namespace

TEST(Format, MatchesTheNativePrintfOnTables) {
    for (const RealCase& c : kRealCases) {
        EXPECT_EQ(Format(c.format, {c.value}), Printf(Utf16ToUtf8(c.format), c.value))
            << Utf16ToUtf8(c.format) << " of " << c.value;
    }
    for (const IntegerCase& c : kIntegerCases) {
        const std::string format = Utf16ToUtf8(c.format);
        if (format.find("I64") != std::string::npos) {
            continue; // Windows-only length modifier
        }
        EXPECT_EQ(Format(c.format, {c.value}), Printf(format, c.value)) << format << " of " << c.value;
    }
}

TEST(Format, MatchesTheNativePrintfOverASweepOfValues) {
    std::mt19937_64 random(20240531);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<uint64_t> bits;
    std::vector<double> values;
    for (int i = 0; i < 3000; ++i) {
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    }
    // Decimal ties and near-ties: k/2^n and k/1000 for small k.
    for (int k = 0; k < 400; ++k) {
        values.push_back(k / 8.0);
        values.push_back(k / 1000.0);
        values.push_back(k / 1000.0 + 5e-7);
    }
    // Raw bit patterns cover subnormals and the largest magnitudes.
    for (int i = 0; i < 500; ++i) {
        const uint64_t pattern = bits(random);
        double value;
        static_assert(sizeof value == sizeof pattern);
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    int mismatches = 0;
    for (const char* format : kRealFormats) {
        const std::u16string wide = Utf8ToUtf16(format);
        for (double value : values) {
            const std::string expected = Printf(format, value);
            const std::string actual = Format(wide, {value});
            if (actual != expected && ++mismatches <= 10) {
                ADD_FAILURE() << format << " of " << value << ": got " << actual << ", printf gives "
                              << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}
#endif
