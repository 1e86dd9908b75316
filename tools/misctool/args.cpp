#include "args.h"

namespace misctool {

ArgParser& ArgParser::Flag(const std::string& name, bool* value)
{
    m_named.push_back(Named{name, value, nullptr});
    return *this;
}

ArgParser& ArgParser::Option(const std::string& name, std::string* value)
{
    m_named.push_back(Named{name, nullptr, value});
    return *this;
}

ArgParser& ArgParser::Positional(const std::string& name, std::string* value, bool required)
{
    m_places.push_back(Place{name, value, required});
    return *this;
}

ArgParser& ArgParser::Rest(std::vector<std::string>* values)
{
    m_rest = values;
    return *this;
}

int ArgParser::Parse(Context& ctx, const std::vector<std::string>& args) const
{
    size_t place = 0;
    bool onlyPositional = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyPositional && arg == "--") {
            onlyPositional = true;
            continue;
        }
        if (!onlyPositional && arg.size() > 1 && arg[0] == '-') {
            std::string name = arg, inlineValue;
            size_t eq = arg.find('=');
            bool hasInline = eq != std::string::npos;
            if (hasInline) {
                name = arg.substr(0, eq);
                inlineValue = arg.substr(eq + 1);
            }
            const Named* match = nullptr;
            for (const Named& n : m_named)
                if (n.name == name)
                    match = &n;
            if (!match)
                return BadUsage(ctx, "unknown option " + name);
            if (match->flag) {
                if (hasInline)
                    return BadUsage(ctx, "option " + name + " takes no value");
                *match->flag = true;
            } else if (hasInline) {
                *match->value = inlineValue;
            } else if (i + 1 < args.size()) {
                *match->value = args[++i];
            } else {
                return BadUsage(ctx, "option " + name + " needs a value");
            }
            continue;
        }
        if (place < m_places.size())
            *m_places[place++].value = arg;
        else if (m_rest)
            m_rest->push_back(arg);
        else
            return BadUsage(ctx, "unexpected argument " + arg);
    }
    for (; place < m_places.size(); ++place)
        if (m_places[place].required)
            return BadUsage(ctx, "missing " + m_places[place].name);
    return kExitOk;
}

} // namespace misctool
