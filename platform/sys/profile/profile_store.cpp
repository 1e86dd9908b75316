// Parsed-file cache and atomic updates of profile files.
#include "profile/profile_store.h"

#include "win32/system.h"
#include "system/sysenv.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <unordered_map>

namespace miscprofile {

namespace {

constexpr size_t kMaxEntries = 32;

struct Signature {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    int64_t mtimeNs = 0;
    int64_t ctimeNs = 0;
    bool operator==(const Signature&) const = default;
};

struct CacheEntry {
    Signature sig;
    DocPtr doc;
    bool settled = false; // old enough that the signature alone proves the bytes unchanged
    uint64_t lastUse = 0;
};

std::mutex g_mutex;
std::unordered_map<std::string, CacheEntry> g_cache;
uint64_t g_useCounter = 0;

int64_t ToNs(const struct timespec& ts) { return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec; }

Signature SignatureOf(const struct stat& st)
{
    return {st.st_dev, st.st_ino, st.st_size, ToNs(st.st_mtim), ToNs(st.st_ctim)};
}

int64_t NowNs()
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return ToNs(ts);
}

void Evict()
{
    if (g_cache.size() < kMaxEntries)
        return;
    auto oldest = g_cache.begin();
    for (auto it = g_cache.begin(); it != g_cache.end(); ++it)
        if (it->second.lastUse < oldest->second.lastUse)
            oldest = it;
    g_cache.erase(oldest);
}

// Reads the file and its signature from the same descriptor.
bool ReadWithSignature(const std::string& path, std::string& bytes, Signature& sig, DWORD& error)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = MiscErrorFromErrno(errno);
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        error = ERROR_ACCESS_DENIED;
        return false;
    }
    if (static_cast<size_t>(st.st_size) > kMaxFileSize) {
        close(fd);
        error = ERROR_NOT_ENOUGH_MEMORY;
        return false;
    }
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got); // the file may have shrunk meanwhile; its signature then differs next time
    // A file that grew while we read: take the rest too.
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || bytes.size() + static_cast<size_t>(n) > kMaxFileSize)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    sig = SignatureOf(st);
    return true;
}

} // namespace

bool IsSettled(int64_t mtimeNs, int64_t nowNs)
{
    // A stamp in the future (a clock set back) never settles early; the difference cannot
    // overflow for stamps of real files.
    return nowNs - mtimeNs > kGranularityNs;
}

namespace {

// Load with g_mutex held.
DocPtr LoadLocked(const std::string& path, DWORD& error)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        error = MiscErrorFromErrno(errno);
        g_cache.erase(path);
        return nullptr;
    }
    auto it = g_cache.find(path);
    if (it != g_cache.end() && it->second.settled && it->second.sig == SignatureOf(st)) {
        it->second.lastUse = ++g_useCounter;
        return it->second.doc;
    }
    std::string bytes;
    Signature sig;
    if (!ReadWithSignature(path, bytes, sig, error)) {
        g_cache.erase(path);
        return nullptr;
    }
    DocPtr doc;
    if (it != g_cache.end() && it->second.doc->Text() == bytes)
        doc = it->second.doc; // unchanged: keep the parse
    else
        doc = std::make_shared<const miscini::Document>(std::move(bytes));
    if (it == g_cache.end()) {
        Evict();
        it = g_cache.emplace(path, CacheEntry{}).first;
    }
    it->second.sig = sig;
    it->second.doc = doc;
    it->second.settled = IsSettled(sig.mtimeNs, NowNs());
    it->second.lastUse = ++g_useCounter;
    error = ERROR_SUCCESS;
    return doc;
}

} // namespace

DocPtr Load(const std::string& path, DWORD* error)
{
    DWORD e = ERROR_SUCCESS;
    DocPtr doc;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        doc = LoadLocked(path, e);
    }
    if (error)
        *error = e;
    return doc;
}

DWORD Update(const std::string& path, const Edit& edit)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    DWORD error = ERROR_SUCCESS;
    DocPtr doc = LoadLocked(path, error);
    if (!doc) {
        if (error != ERROR_FILE_NOT_FOUND)
            return error;
        doc = std::make_shared<const miscini::Document>();
    }
    std::optional<std::string> text = edit(*doc);
    if (!text)
        return ERROR_SUCCESS;
    if (text->size() > kMaxFileSize)
        return ERROR_NOT_ENOUGH_MEMORY;
    DWORD rc = MiscReplaceFile(path, *text);
    g_cache.erase(path);
    if (rc != ERROR_SUCCESS)
        return rc == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : rc;
    // Keep the parse of what was written; it is checked against the file until it settles.
    struct stat st;
    if (stat(path.c_str(), &st) == 0) {
        Evict();
        CacheEntry& entry = g_cache[path];
        entry.sig = SignatureOf(st);
        entry.doc = std::make_shared<const miscini::Document>(std::move(*text));
        entry.settled = false;
        entry.lastUse = ++g_useCounter;
    }
    return ERROR_SUCCESS;
}

void Forget(const std::string& path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_cache.erase(path);
}

void ForgetAll()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_cache.clear();
}

std::string DefaultFile() { return miscsys::WindowsDir() + "/win.ini"; }

std::string ResolvePath(const char* fileName)
{
    if (!fileName)
        return DefaultFile();
    std::string p = MiscNativePath(fileName);
    if (p.empty())
        return p;
    if (p.find('/') == std::string::npos && !(p.size() >= 2 && p[1] == ':'))
        return miscsys::WindowsDir() + "/" + p;
    return p;
}

} // namespace miscprofile
