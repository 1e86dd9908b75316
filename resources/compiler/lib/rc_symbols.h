#pragma once
// Symbols of a resource script: the style and button names every script may use (from the
// platform's win32 headers), and the numbers that #define gives names to.
#include <cstdint>
#include <map>
#include <string>

namespace misc_rc {

struct BuiltinSymbol {
    const char* name;
    int64_t value;
};
extern const BuiltinSymbol kBuiltinSymbols[];
extern const int kBuiltinSymbolCount;

class Symbols {
public:
    Symbols();
    // Defines (or redefines) a numeric name.
    void Define(const std::string& name, uint32_t value);
    // Marks a name as defined without a numeric value (#define NAME, or a text macro).
    void DefineOpaque(const std::string& name);
    void Undefine(const std::string& name);
    bool IsDefined(const std::string& name) const;
    // The value of a numeric name; false when the name has none.
    bool Lookup(const std::string& name, uint32_t& value) const;

private:
    std::map<std::string, uint32_t> m_numbers;
    std::map<std::string, bool> m_opaque;
    std::map<std::string, bool> m_undefined; // built-in names taken back by #undef
};

} // namespace misc_rc
