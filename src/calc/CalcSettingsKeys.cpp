// Profile keys of the scalar settings, generated from the lines of CalcSettings.def in their order.
#include "calc/CalcSettings.h"

#define TARVEL_SETTING_KEY(member) u"Tarvel/" #member

namespace {
constexpr BoolSettingKey kBoolKeys[] = {
#define TARVEL_BOOL_SETTING(member, initial) {TARVEL_SETTING_KEY(member), &CalcSettings::member},
#define TARVEL_INT_SETTING(member, initial, lowest, highest)
#define TARVEL_TEXT_SETTING(member, initial)
#include "calc/CalcSettings.def"
};

constexpr IntSettingKey kIntKeys[] = {
#define TARVEL_BOOL_SETTING(member, initial)
#define TARVEL_INT_SETTING(member, initial, lowest, highest)                                                 \
    {TARVEL_SETTING_KEY(member), &CalcSettings::member, lowest, highest},
#define TARVEL_TEXT_SETTING(member, initial)
#include "calc/CalcSettings.def"
};

constexpr TextSettingKey kTextKeys[] = {
#define TARVEL_BOOL_SETTING(member, initial)
#define TARVEL_INT_SETTING(member, initial, lowest, highest)
#define TARVEL_TEXT_SETTING(member, initial) {TARVEL_SETTING_KEY(member), &CalcSettings::member},
#include "calc/CalcSettings.def"
};
} // namespace

std::span<const BoolSettingKey> BoolSettingKeys() {
    return kBoolKeys;
}

std::span<const IntSettingKey> IntSettingKeys() {
    return kIntKeys;
}

std::span<const TextSettingKey> TextSettingKeys() {
    return kTextKeys;
}
