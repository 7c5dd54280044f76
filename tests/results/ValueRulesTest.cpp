// The value rules of the result tables: the missing test before every rule, the view rule's choice between
// the GOST rounding and fixed decimals, the lower limit of the measuring range, the 0.005 mol % mark.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "results/ValueRules.h"
#include "text/Utf.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::u16string kDash = u"\u2014";

TEST(ValueRules, ViewRuleChoosesBetweenGostAndScale) {
    struct Case {
        double value;
        double uncertainty;
        bool gost;
        int32_t scale;
        GostRule rule;
        std::u16string expected;
    };
    const Case cases[] = {
        {95.1234, 0.0456, true, 4, GostRule::ByUncertainty, u"95.12"},
        {95.1234, 0.0256, true, 4, GostRule::ByUncertainty, u"95.123"},
        {95.1234, 35.0, true, 4, GostRule::ByUncertainty, u"100"},
        {95.1234, 0.0456, false, 2, GostRule::ByUncertainty, u"95.12"},
        {95.1234, 0.0456, false, 0, GostRule::ByUncertainty, u"95"},
        {0.045, 0.0, true, 4, GostRule::Uncertainty, u"0.05"},
        {0.0123, 99.0, true, 4, GostRule::Uncertainty, u"0.012"},
        {0.045, 0.0, false, 4, GostRule::Uncertainty, u"0.0450"},
        {37.1234, 0.023, true, 1, GostRule::ToUncertaintyDigits, u"37.123"},
        {37.1234, 0.0, true, 1, GostRule::ToUncertaintyDigits, u"37"},
        {0.5123, 7.0, true, 1, GostRule::TwoSignificant, u"0.51"},
        {0.5123, 7.0, false, 1, GostRule::TwoSignificant, u"0.5"},
        // A negative Scale behaves as in the C library: six decimals.
        {1.5, 0.0, false, -1, GostRule::Uncertainty, u"1.500000"},
        // The missing test comes first, whatever the rule.
        {kNaN, 0.1, true, 4, GostRule::ByUncertainty, kDash},
        {kNaN, 0.1, false, 4, GostRule::ByUncertainty, kDash},
        {0.0, 0.1, true, 4, GostRule::ByUncertainty, kDash},
        {1e-17, 0.1, false, 4, GostRule::Uncertainty, kDash},
        {-1e-17, 0.1, true, 4, GostRule::ToUncertaintyDigits, kDash},
        {3e-16, 0.0, false, 2, GostRule::Uncertainty, u"0.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ViewRuleText(c.value, c.uncertainty, c.gost, c.scale, c.rule), c.expected)
            << c.value << " " << c.uncertainty << " gost " << c.gost << " scale " << c.scale;
    }
}

TEST(ValueRules, MolarFractionBelowItsRangeShowsTheLimit) {
    struct Case {
        double fraction;
        double uncertainty;
        double lowerLimit;
        bool gost;
        std::u16string expected;
    };
    const Case cases[] = {
        {0.004, 0.0006, 0.01, true, u"< 0.010"},
        {0.004, 0.0006, 0.01, false, u"< 0.010"},
        {0.004, 0.0006, 0.005, true, u"< 0.005"},
        {0.0, 0.0006, 0.01, true, kDash}, // exactly zero is missing, not below the limit
        {kNaN, 0.0006, 0.01, true, kDash},
        {0.01, 0.0006, 0.01, true, u"0.0100"}, // at the limit the value is shown
        {0.004, 0.0006, 0.0, true, u"0.0040"}, // no range known
        {94.1196, 0.0851, 40.0, false, u"94.1196"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MolarFractionText(c.fraction, c.uncertainty, c.lowerLimit, c.gost, 4), c.expected)
            << c.fraction << " limit " << c.lowerLimit;
    }
}

TEST(ValueRules, ComponentsBelowFiveThousandthsAreMarked) {
    EXPECT_TRUE(IsBelowPropertiesThreshold(0.004));
    EXPECT_TRUE(IsBelowPropertiesThreshold(0.00499999));
    EXPECT_TRUE(IsBelowPropertiesThreshold(0.0));
    EXPECT_TRUE(IsBelowPropertiesThreshold(-0.1));
    EXPECT_TRUE(IsBelowPropertiesThreshold(kNaN));
    EXPECT_FALSE(IsBelowPropertiesThreshold(0.005));
    EXPECT_FALSE(IsBelowPropertiesThreshold(94.12));
    EXPECT_EQ(kExcludedComponentMark, u" *");
}

TEST(ValueRules, FixedOrMissing) {
    EXPECT_EQ(FixedOrMissingText(100.95, 3), u"100.950");
    EXPECT_EQ(FixedOrMissingText(100.95, 0), u"101");
    EXPECT_EQ(FixedOrMissingText(0.0, 3), kDash);
    EXPECT_EQ(FixedOrMissingText(kNaN, 3), kDash);
    EXPECT_EQ(FixedOrMissingText(std::numeric_limits<double>::infinity(), 3), kDash);
}

} // namespace
