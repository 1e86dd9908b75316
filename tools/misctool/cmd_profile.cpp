// misctool profile: read and change any profile (INI) file with the library's profile rules.
#include <misc/misc.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"

namespace misctool {

namespace {

// A bare file name means the current folder here (the profile functions would take it from the
// Windows folder).
std::string FilePath(const std::string& file)
{
    if (file.find('/') == std::string::npos && file.find('\\') == std::string::npos)
        return "./" + file;
    return file;
}

// GetPrivateProfileStringA with a buffer that grows until the result fits.
std::string Read(const char* section, const char* key, const char* def, const std::string& file, bool list)
{
    std::vector<char> buf(4096);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section, key, def, buf.data(), static_cast<DWORD>(buf.size()), file.c_str());
        DWORD cut = static_cast<DWORD>(buf.size()) - (list ? 2 : 1);
        if (n < cut || buf.size() >= (1u << 30))
            return std::string(buf.data(), n);
        buf.resize(buf.size() * 4);
    }
}

void PrintList(Context& ctx, const std::string& list)
{
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find('\0', pos);
        if (end == std::string::npos)
            end = list.size();
        ctx.out << list.substr(pos, end - pos) << "\n";
        pos = end + 1;
    }
}

bool FileExists(const std::string& file) { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

int RunProfile(Context& ctx, const std::vector<std::string>& args)
{
    const std::string unset = "\x01";
    std::string action, file, defaultValue = unset;
    std::vector<std::string> rest;
    ArgParser parser;
    parser.Option("--default", &defaultValue).Positional("ACTION", &action).Positional("FILE", &file).Rest(&rest);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    std::string path = FilePath(file);
    if (action == "get") {
        if (rest.size() != 2)
            return BadUsage(ctx, "get needs SECTION KEY");
        // Two different defaults tell a missing key from a stored value.
        std::string value = Read(rest[0].c_str(), rest[1].c_str(), unset.c_str(), path, false);
        if (value == unset) {
            if (defaultValue == unset)
                return Fail(ctx, "no key \"" + rest[1] + "\" in section \"" + rest[0] + "\" of " + file);
            value = Read(rest[0].c_str(), rest[1].c_str(), defaultValue.c_str(), path, false);
        }
        ctx.out << value << "\n";
        return kExitOk;
    }
    if (action == "set" || action == "delete") {
        bool set = action == "set";
        if (set ? rest.size() != 3 : (rest.empty() || rest.size() > 2))
            return BadUsage(ctx, set ? "set needs SECTION KEY VALUE" : "delete needs SECTION [KEY]");
        const char* key = rest.size() >= 2 ? rest[1].c_str() : nullptr;
        const char* value = set ? rest[2].c_str() : nullptr;
        if (!set && !FileExists(path))
            return Fail(ctx, "cannot read " + file);
        if (!WritePrivateProfileStringA(rest[0].c_str(), key, value, path.c_str())) {
            DWORD error = GetLastError();
            std::string why = error == ERROR_PATH_NOT_FOUND      ? "its folder does not exist"
                              : error == ERROR_ACCESS_DENIED     ? "access denied"
                              : error == ERROR_INVALID_PARAMETER ? "names and values must be single lines"
                                                                 : "error " + std::to_string(error);
            return Fail(ctx, "cannot write " + file + ": " + why);
        }
        return kExitOk;
    }
    if (action == "sections" || action == "keys") {
        bool sections = action == "sections";
        if (sections ? !rest.empty() : rest.size() != 1)
            return BadUsage(ctx, sections ? "sections takes no further arguments" : "keys needs SECTION");
        if (!FileExists(path))
            return Fail(ctx, "cannot read " + file);
        PrintList(ctx, Read(sections ? nullptr : rest[0].c_str(), nullptr, "", path, true));
        return kExitOk;
    }
    return BadUsage(ctx, "unknown action \"" + action + "\"");
}

} // namespace

const Command& ProfileCommand()
{
    static const Command command{
        "profile", "Read and change a profile (INI) file", "get|set|delete|sections|keys FILE ...",
        "  profile get FILE SECTION KEY [--default TEXT]   print a value (fails when missing\n"
        "                                                  and no default is given)\n"
        "  profile set FILE SECTION KEY VALUE              store a value (creates file, section, key)\n"
        "  profile delete FILE SECTION [KEY]               remove a key, or a whole section\n"
        "  profile sections FILE                           list the sections, one per line\n"
        "  profile keys FILE SECTION                       list the keys of a section\n"
        "Sections and keys ignore case; the first of duplicates counts; a value in matching quotes\n"
        "is read without them. Writes replace the file atomically and keep all other lines.",
        &RunProfile};
    return command;
}

} // namespace misctool
