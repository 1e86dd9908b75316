// _splitpath, _makepath and _fullpath for paths with '/' or '\' separators and drive letters.
#include "win32/crt.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

inline bool IsSep(char c) { return c == '/' || c == '\\'; }

inline bool HasDrive(std::string_view p)
{
    return p.size() >= 2 && p[1] == ':' &&
           ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

// Copies at most size - 1 characters and a NUL (nothing for a null output).
void Put(char* out, size_t size, std::string_view part)
{
    if (!out || size == 0)
        return;
    size_t n = part.size() < size - 1 ? part.size() : size - 1;
    if (n)
        std::memcpy(out, part.data(), n);
    out[n] = '\0';
}

} // namespace

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext)
{
    std::string_view p = path ? path : "";
    std::string_view d;
    if (HasDrive(p)) {
        d = p.substr(0, 2);
        p.remove_prefix(2);
    }
    size_t lastSep = std::string_view::npos;
    for (size_t i = 0; i < p.size(); ++i)
        if (IsSep(p[i]))
            lastSep = i;
    std::string_view folder = lastSep == std::string_view::npos ? std::string_view() : p.substr(0, lastSep + 1);
    std::string_view file = lastSep == std::string_view::npos ? p : p.substr(lastSep + 1);
    size_t dot = file.rfind('.');
    std::string_view name = dot == std::string_view::npos ? file : file.substr(0, dot);
    std::string_view extension = dot == std::string_view::npos ? std::string_view() : file.substr(dot);
    Put(drive, _MAX_DRIVE, d);
    Put(dir, _MAX_DIR, folder);
    Put(fname, _MAX_FNAME, name);
    Put(ext, _MAX_EXT, extension);
}

void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext)
{
    if (!path)
        return;
    std::string out;
    if (drive && *drive) {
        out += drive[0];
        out += ':';
    }
    if (dir && *dir) {
        std::string_view d = dir;
        out += d;
        if (!IsSep(d.back()))
            out += (d.find('\\') != std::string_view::npos && d.find('/') == std::string_view::npos) ? '\\' : '/';
    }
    if (fname)
        out += fname;
    if (ext && *ext) {
        if (*ext != '.')
            out += '.';
        out += ext;
    }
    Put(path, _MAX_PATH, out);
}

char* _fullpath(char* absPath, const char* relPath, size_t maxLength)
{
    std::string p = relPath ? relPath : "";
    for (char& c : p)
        if (c == '\\')
            c = '/';
    std::string prefix;
    if (HasDrive(p)) {
        prefix = p.substr(0, 2);
        p.erase(0, 2);
        if (p.empty() || p[0] != '/')
            p.insert(p.begin(), '/');
    } else if (p.empty() || p[0] != '/') {
        std::vector<char> cwd(4096);
        if (!getcwd(cwd.data(), cwd.size()))
            return nullptr;
        p = std::string(cwd.data()) + "/" + p;
    }
    // Resolve "." and ".." textually; ".." at the root stays at the root.
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos <= p.size()) {
        size_t next = p.find('/', pos);
        if (next == std::string::npos)
            next = p.size();
        std::string part = p.substr(pos, next - pos);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = next + 1;
    }
    std::string out = prefix;
    for (const std::string& part : parts)
        out += "/" + part;
    if (parts.empty())
        out += "/";
    else if (!p.empty() && p.back() == '/')
        out += "/";
    if (!absPath) {
        char* buf = static_cast<char*>(std::malloc(out.size() + 1));
        if (buf)
            std::memcpy(buf, out.c_str(), out.size() + 1);
        return buf;
    }
    if (out.size() + 1 > maxLength)
        return nullptr;
    std::memcpy(absPath, out.c_str(), out.size() + 1);
    return absPath;
}
