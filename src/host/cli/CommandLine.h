// The options of a command: "--name value", "--name=value" or a bare "--name" switch, checked against
// the options the command knows.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct KnownOption {
    std::string_view name; // with its dashes: "--db"
    bool takesValue = false;
    bool repeatable = false;
};

struct ParsedOptions {
    std::vector<std::pair<std::string, std::string>> given; // in command-line order; switches: empty

    bool Has(std::string_view name) const;
    // The value of the option, or fallback when it is not given.
    std::string Value(std::string_view name, std::string_view fallback = {}) const;
    std::vector<std::string> Values(std::string_view name) const;
};

// Reads args against knownOptions. False, with the reason in error, for an unknown option, a missing value, a
// repeated option that may be given once, or a word that is no option.
bool ParseOptions(std::span<const std::string_view> args, std::span<const KnownOption> knownOptions,
                  ParsedOptions& options, std::string& error);
