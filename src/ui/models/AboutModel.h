// What the about page lists beside the modules: the module identifier's written form and the row of the
// table of metrological characteristics in force, so that a user or a service engineer sees which table
// every printed uncertainty comes from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/MetrologyTableInForce.h"

// Hexadecimal digits in groups of eight joined by "-" (a SHA-1: five groups, 44 characters).
std::u16string GroupedIdentifier(std::u16string_view hexDigits);

// The row of the about page's module list for the table in force: the table file's name, one word for
// what is in force in the version column ("встроенная", "лабораторная", "отклонена"), "SHA1" and the file's
// identifier when a file was read; empty when the library does not say.
std::vector<std::u16string> MetrologyTableAboutRow(const MetrologyTableInForce& table);
