// The report document under construction: a pugixml tree of elements with text, no attributes and no
// white space, built with a sticky failure flag. Once a creation or append fails, every later one does
// nothing and the document is given up as a whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

struct ReportTree {
    pugi::xml_document document;
    bool failed = false;
};

// A new child element of parent; a null node (and the tree marked failed) when it cannot be made or
// the parent is null.
pugi::xml_node AddElement(ReportTree& tree, pugi::xml_node parent, const char* name);

// A new child element holding the text. Characters that XML 1.0 does not allow (control characters
// other than tab, line feed and carriage return; U+FFFE, U+FFFF) are left out, so any name, sample or
// message reaches the document; an empty text gives an empty element.
pugi::xml_node AddText(ReportTree& tree, pugi::xml_node parent, const char* name, std::u16string_view text);

// A new child element holding the string-table text of id.
pugi::xml_node AddString(ReportTree& tree, pugi::xml_node parent, const char* name, uint32_t stringId);

// The text converted to UTF-8 with the characters XML 1.0 does not allow left out.
std::string XmlSafeUtf8(std::u16string_view text);
