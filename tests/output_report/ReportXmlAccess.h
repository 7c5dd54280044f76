// Reading the report document back in the tests.
#pragma once

#include <string>
#include <vector>

#include <pugixml.hpp>

#include "text/Utf.h"

// Names of the child elements, in order.
inline std::vector<std::string> ChildNames(pugi::xml_node node) {
    std::vector<std::string> names;
    for (pugi::xml_node child : node.children()) {
        names.emplace_back(child.name());
    }
    return names;
}

// The element's text as UTF-16.
inline std::u16string TextOf(pugi::xml_node node) {
    return Utf8ToUtf16(node.child_value());
}

// The bodies of a section.
inline std::vector<pugi::xml_node> Bodies(pugi::xml_node section) {
    std::vector<pugi::xml_node> bodies;
    for (pugi::xml_node body : section.children("body")) {
        bodies.push_back(body);
    }
    return bodies;
}

// The texts of one element of every body of a section.
inline std::vector<std::u16string> Column(pugi::xml_node section, const char* element) {
    std::vector<std::u16string> texts;
    for (pugi::xml_node body : section.children("body")) {
        texts.push_back(TextOf(body.child(element)));
    }
    return texts;
}
