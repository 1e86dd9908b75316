#pragma once
// A small argument parser for subcommands: --flag, --option VALUE (or --option=VALUE), and
// positional arguments. Anything else is a usage error.
#include <string>
#include <vector>

#include "commands.h"

namespace misctool {

class ArgParser {
public:
    ArgParser& Flag(const std::string& name, bool* value);
    ArgParser& Option(const std::string& name, std::string* value);
    ArgParser& Positional(const std::string& name, std::string* value, bool required = true);
    // Takes every further positional argument.
    ArgParser& Rest(std::vector<std::string>* values);

    // kExitOk, or kExitUsage after a one-line message (unknown option, missing value, missing
    // or surplus argument).
    int Parse(Context& ctx, const std::vector<std::string>& args) const;

private:
    struct Named {
        std::string name;
        bool* flag;
        std::string* value;
    };
    struct Place {
        std::string name;
        std::string* value;
        bool required;
    };
    std::vector<Named> m_named;
    std::vector<Place> m_places;
    std::vector<std::string>* m_rest = nullptr;
};

} // namespace misctool
