#include "ui/models/InputRules.h"

#include <cstdlib>

#include "plugin/SettingsStore.h"
#include "text/CaseFold.h"
#include "text/StringIds.gen.h"

bool IsDecimalSeparator(char16_t c) {
    return c == u'.' || c == u',';
}

std::optional<int32_t> ParseViewDecimals(std::u16string_view text) {
    // A whole number written with a separator and zeros after it ("4,0", "4.") is that number.
    if (const size_t separator = text.find_first_of(u".,"); separator != std::u16string_view::npos) {
        if (text.substr(separator + 1).find_first_not_of(u'0') != std::u16string_view::npos) {
            return std::nullopt;
        }
        text = text.substr(0, separator);
    }
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int32_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
    }
    if (value > kMaxViewDecimals) {
        return std::nullopt;
    }
    return value;
}

uint32_t CheckListField(std::u16string_view text) {
    return text.find(u'/') == std::u16string_view::npos ? 0 : StringId::NameWithSlashRefused;
}

uint32_t CheckListValueLength(size_t length) {
    return length <= SettingsStore::kMaxValueLength ? 0 : StringId::TextTooLongRefused;
}

uint32_t CheckAlias(const AliasList& aliases, size_t row, std::u16string_view alias) {
    if (alias.empty()) {
        return StringId::EmptyAliasRefused;
    }
    if (const uint32_t refusal = CheckListField(alias)) {
        return refusal;
    }
    const size_t idLength = row < aliases.size() ? aliases[row].id.size() : 0;
    if (const uint32_t refusal = CheckListValueLength(idLength + 1 + alias.size())) {
        return refusal;
    }
    for (size_t other = 0; other < aliases.size(); ++other) {
        if (other != row && EqualsIgnoreCase(aliases[other].alias, alias)) {
            return StringId::AliasInUseRefused;
        }
    }
    return 0;
}

char16_t DecimalSeparator() {
    return std::strtod("0,5", nullptr) > 0.0 ? u',' : u'.';
}

std::optional<TypedNumber> ParseConstantNumber(std::u16string_view text, bool fraction, uint32_t& refusal) {
    refusal = StringId::ConstantNotANumber;
    const size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return std::nullopt;
    }
    const size_t last = text.find_last_not_of(u' ');
    const std::u16string_view number = text.substr(first, last - first + 1);
    const char16_t separator = DecimalSeparator();
    std::string ascii;
    bool negative = false;
    size_t separatorAt = std::u16string_view::npos;
    size_t digits = 0;
    for (size_t i = 0; i < number.size(); ++i) {
        const char16_t c = number[i];
        if (c == u'-' && i == 0) {
            negative = true;
        } else if (IsDecimalSeparator(c) && separatorAt == std::u16string_view::npos) {
            separatorAt = i;
            ascii.push_back(static_cast<char>(separator)); // the runtime reads its own separator
            continue;
        } else if (c >= u'0' && c <= u'9') {
            ++digits;
        } else {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    if (digits == 0) {
        return std::nullopt;
    }
    TypedNumber typed;
    typed.value = std::strtod(ascii.c_str(), nullptr);
    typed.decimals =
        separatorAt == std::u16string_view::npos ? 0 : static_cast<int32_t>(number.size() - separatorAt - 1);
    if (negative && typed.value != 0.0) {
        refusal = StringId::ConstantNegative;
        return std::nullopt;
    }
    if (typed.decimals > kMaxViewDecimals) {
        refusal = StringId::ViewDecimalsRefused;
        return std::nullopt;
    }
    if (fraction && typed.value > 100.0) {
        refusal = StringId::ConstantAboveHundred;
        return std::nullopt;
    }
    typed.value = negative ? 0.0 : typed.value;
    refusal = 0;
    return typed;
}
