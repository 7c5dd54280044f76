#include "host/cli/CommandLine.h"

#include <algorithm>

bool ParsedOptions::Has(std::string_view name) const {
    return std::any_of(given.begin(), given.end(),
                       [name](const auto& option) { return option.first == name; });
}

std::string ParsedOptions::Value(std::string_view name, std::string_view fallback) const {
    for (const auto& [option, value] : given) {
        if (option == name) {
            return value;
        }
    }
    return std::string(fallback);
}

std::vector<std::string> ParsedOptions::Values(std::string_view name) const {
    std::vector<std::string> values;
    for (const auto& [option, value] : given) {
        if (option == name) {
            values.push_back(value);
        }
    }
    return values;
}

bool ParseOptions(std::span<const std::string_view> args, std::span<const KnownOption> knownOptions,
                  ParsedOptions& options, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            error = "unexpected argument '" + std::string(arg) + "'";
            return false;
        }
        const size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto option = std::find_if(knownOptions.begin(), knownOptions.end(),
                                         [name](const KnownOption& known) { return known.name == name; });
        if (option == knownOptions.end()) {
            error = "unknown option '" + std::string(name) + "'";
            return false;
        }
        if (!option->repeatable && options.Has(name)) {
            error = "option '" + std::string(name) + "' given twice";
            return false;
        }
        std::string value;
        if (option->takesValue) {
            if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                error = "option '" + std::string(name) + "' needs a value";
                return false;
            }
        } else if (equals != std::string_view::npos) {
            error = "option '" + std::string(name) + "' takes no value";
            return false;
        }
        options.given.emplace_back(std::string(name), std::move(value));
    }
    return true;
}
