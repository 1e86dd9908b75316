#include "rc_symbols.h"

namespace misc_rc {

namespace {

// The built-in names, looked up after the script's own definitions.
const std::map<std::string, uint32_t>& Builtins()
{
    static const std::map<std::string, uint32_t> builtins = [] {
        std::map<std::string, uint32_t> m;
        for (int i = 0; i < kBuiltinSymbolCount; ++i)
            m[kBuiltinSymbols[i].name] = static_cast<uint32_t>(kBuiltinSymbols[i].value);
        return m;
    }();
    return builtins;
}

} // namespace

Symbols::Symbols() = default;

void Symbols::Define(const std::string& name, uint32_t value)
{
    m_opaque.erase(name);
    m_undefined.erase(name);
    m_numbers[name] = value;
}

void Symbols::DefineOpaque(const std::string& name)
{
    m_numbers.erase(name);
    m_undefined.erase(name);
    m_opaque[name] = true;
}

void Symbols::Undefine(const std::string& name)
{
    m_numbers.erase(name);
    m_opaque.erase(name);
    if (Builtins().count(name))
        m_undefined[name] = true;
}

bool Symbols::IsDefined(const std::string& name) const
{
    if (m_numbers.count(name) != 0 || m_opaque.count(name) != 0)
        return true;
    return m_undefined.count(name) == 0 && Builtins().count(name) != 0;
}

bool Symbols::Lookup(const std::string& name, uint32_t& value) const
{
    auto it = m_numbers.find(name);
    if (it != m_numbers.end()) {
        value = it->second;
        return true;
    }
    if (m_opaque.count(name) != 0 || m_undefined.count(name) != 0)
        return false;
    auto builtin = Builtins().find(name);
    if (builtin == Builtins().end())
        return false;
    value = builtin->second;
    return true;
}

} // namespace misc_rc
