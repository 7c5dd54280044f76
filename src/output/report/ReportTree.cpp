#include "output/report/ReportTree.h"

#include "text/StringTable.h"
#include "text/Utf.h"

namespace {
// XML 1.0, production 2 (Char): #x9 | #xA | #xD | [#x20-#xD7FF] | [#xE000-#xFFFD] | [#x10000-#x10FFFF].
// Surrogates are kept here: paired ones form characters above #xFFFF, and the UTF-8 conversion turns an
// unpaired one into U+FFFD.
bool IsXmlCharacterUnit(char16_t unit) {
    if (unit < 0x20) {
        return unit == 0x09 || unit == 0x0A || unit == 0x0D;
    }
    return unit != 0xFFFE && unit != 0xFFFF;
}
} // namespace

std::string XmlSafeUtf8(std::u16string_view text) {
    std::u16string kept;
    kept.reserve(text.size());
    for (const char16_t unit : text) {
        if (IsXmlCharacterUnit(unit)) {
            kept.push_back(unit);
        }
    }
    return Utf16ToUtf8(kept);
}

pugi::xml_node AddElement(ReportTree& tree, pugi::xml_node parent, const char* name) {
    if (tree.failed || !parent) {
        tree.failed = true;
        return {};
    }
    pugi::xml_node element = parent.append_child(name);
    if (!element) {
        tree.failed = true;
    }
    return element;
}

pugi::xml_node AddText(ReportTree& tree, pugi::xml_node parent, const char* name, std::u16string_view text) {
    pugi::xml_node element = AddElement(tree, parent, name);
    if (!element || text.empty()) {
        return element;
    }
    const std::string value = XmlSafeUtf8(text);
    if (value.empty()) {
        return element;
    }
    pugi::xml_node data = element.append_child(pugi::node_pcdata);
    if (!data || !data.set_value(value.c_str())) {
        tree.failed = true;
        return {};
    }
    return element;
}

pugi::xml_node AddString(ReportTree& tree, pugi::xml_node parent, const char* name, uint32_t stringId) {
    return AddText(tree, parent, name, LoadText(stringId));
}
