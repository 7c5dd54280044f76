// The address of the host's database: one process-wide holder, filled when the host announces that its
// modules are loaded and read by every database access. Before the host gives an address it is empty,
// which SQLite opens as a private temporary database.
#pragma once

#include <string>
#include <string_view>

class DataBaseConnection {
public:
    // Replaces the held address with a copy of uri up to its terminating zero; null clears it.
    static void SetUri(const char16_t* uri);
    static void SetUri(std::u16string_view uri);
    static std::u16string Uri();

private:
    static std::u16string& Held();
};
