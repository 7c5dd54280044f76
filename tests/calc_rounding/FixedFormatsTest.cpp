// Fixed decimals and certified values: the decimal tie rule where the C library would round the binary
// value, and agreement with the C library everywhere else.
#include "calc/rounding/FixedFormats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "text/Utf.h"

namespace {

std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

struct FixedCase {
    double x;
    int32_t n;
    const char* text;
};

// The double nearest to a random decimal-looking number of the given magnitude range, built from its
// bits so that every platform draws the same numbers.
double RandomDouble(std::mt19937_64& engine, int minExponent, int maxExponent) {
    const uint64_t bits = engine();
    const int exponent =
        minExponent + static_cast<int>(bits % static_cast<uint64_t>(maxExponent - minExponent + 1));
    const double mantissa = 1.0 + static_cast<double>(bits >> 12) / 4503599627370496.0; // [1, 2)
    const double value = std::ldexp(mantissa, exponent);
    return (engine() & 1) ? -value : value;
}

// True when the digits past `position` of the exact expansion start with 49 or 50: the value lies
// within a hundredth of a unit of the last written place from a tie, where its shortest decimal form
// (at most 17 digits) may be the tie itself and the rules round the other way than the C library.
// With at most 13 significant digits written, a double's 16 digits put every decimal tie there.
bool NearTie(const std::string& exact, size_t position) {
    if (position >= exact.size()) {
        return false;
    }
    const std::string rest = exact.substr(position, 2);
    return rest == "49" || rest == "50";
}

// "-0", "-0.000": the C library keeps the sign of a negative number that rounds to zero.
bool IsNegativeZeroText(const char* text) {
    return text[0] == '-' && std::strspn(text + 1, "0.") == std::strlen(text + 1);
}

// Digits written from the first nonzero one on; past the shortest decimal form the C library writes
// the binary expansion where the decimal reading has zeros.
size_t SignificantDigits(const char* text) {
    size_t count = 0;
    for (; *text != 0; ++text) {
        if (*text >= '1' && *text <= '9') {
            ++count;
        } else if (*text == '0' && count > 0) {
            ++count;
        }
    }
    return count;
}

} // namespace

TEST(FormatFixed, DecimalTiesRoundAwayFromZero) {
    const std::vector<FixedCase> cases = {
        {2.5, 0, "3"},           {-2.5, 0, "-3"},      {0.5, 0, "1"},          {1.5, 0, "2"},
        {0.125, 2, "0.13"},      {-0.125, 2, "-0.13"}, {2.675, 2, "2.68"},     {1.005, 2, "1.01"},
        {0.045, 2, "0.05"},      {1.45, 1, "1.5"},     {37.1235, 3, "37.124"}, {9.5, 0, "10"},
        {999.995, 2, "1000.00"}, {0.0005, 3, "0.001"}, {0.00049, 3, "0.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " /" << c.n);
        EXPECT_EQ(Narrow(FormatFixed(c.x, c.n)), c.text);
    }
}

TEST(FormatFixed, DigitsBeyondTheShortestFormAreZeros) {
    // 0.1 is 0.1000000000000000055511151231257827 in binary; its decimal reading has no such tail.
    EXPECT_EQ(Narrow(FormatFixed(0.1, 20)), "0.10000000000000000000");
    EXPECT_EQ(Narrow(FormatFixed(1e22, 0)), "10000000000000000000000");
    EXPECT_EQ(Narrow(FormatFixed(123.456, 0)), "123");
    EXPECT_EQ(Narrow(FormatFixed(0.0, 3)), "0.000");
    EXPECT_EQ(Narrow(FormatFixed(-0.0004, 3)), "0.000"); // a result of zero has no sign
    EXPECT_EQ(Narrow(FormatFixed(-0.0005, 3)), "-0.001");
}

TEST(FormatFixed, AgreesWithCLibraryAwayFromTies) {
    std::mt19937_64 engine(20200701);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const double x = RandomDouble(engine, -30, 40);
        const int decimals = static_cast<int>(engine() % 9);
        char expected[128];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, x);
        char exact[160];
        std::snprintf(exact, sizeof exact, "%.*f", decimals + 30, x);
        const size_t cut = std::strlen(exact) - 30;
        if (NearTie(exact, cut) || IsNegativeZeroText(expected) || SignificantDigits(expected) > 13) {
            continue; // a near tie, a "-0.00", or digits past those a double holds
        }
        ASSERT_EQ(Narrow(FormatFixed(x, decimals)), expected) << exact;
        ++compared;
    }
    EXPECT_GT(compared, 12000);
}

TEST(FormatReference, GeneralFormAsTheCLibraryWritesIt) {
    const std::vector<FixedCase> cases = {
        {95.5, -1, "95.5"},
        {0.00012345, -1, "0.00012345"},
        {0.000012345, -1, "1.2345e-05"},
        {999999.0, -1, "999999"},
        {999999.5, -1, "1e+06"},
        {1000000.0, -1, "1e+06"},
        {0.1234565, -1, "0.123457"},
        {-7.0, -1, "-7"},
        {1e-5, -1, "1e-05"},
        {1e100, -1, "1e+100"},
        {12.0, -5, "12"},
        {4.5, 2, "4.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " /" << c.n);
        EXPECT_EQ(Narrow(FormatReference(c.x, c.n)), c.text);
    }
}

TEST(FormatReference, AgreesWithCLibraryAwayFromTies) {
    std::mt19937_64 engine(31371);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const double c = RandomDouble(engine, -40, 40);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%g", c);
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.30e", c);
        // Six significant digits end at index 7 of "d.ddddd..." (one more with a sign).
        if (NearTie(exact, c < 0 ? 8 : 7)) {
            continue;
        }
        ASSERT_EQ(Narrow(FormatReference(c, -1)), expected) << exact;
        ++compared;
    }
    EXPECT_GT(compared, 19000);
}
