// The form fields of an address a link or a form of the report tried to open: the part after the first
// "?", as "name=value" pairs separated by "&".
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

using FormField = std::pair<std::u16string, std::u16string>;

// Decodes the fields of address in order: "+" is a space and "%" with two hexadecimal digits is that
// byte ("%" itself when the digits give 0); the bytes are read as UTF-8, so a Cyrillic value sent by a
// browser ("%D0%93") comes back as its letters. A pair without "=" has an empty value.
std::vector<FormField> DecodeFormFields(std::u16string_view address);
