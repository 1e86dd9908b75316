// The mail session and the delivery of a composed message: SMTP through libcurl, or a .eml
// file in the outbox folder.
#include "win32/mailserver.h"

#include "../system/sysenv.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#ifdef MISC_HAVE_CURL
#include <curl/curl.h>
#endif

namespace {

std::mutex g_mutex;
std::string g_lastDelivery;

void SetLastDelivery(const std::string& where)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_lastDelivery = where;
}

// The address of a sender or recipient text: what is inside <...>, else the text itself.
std::string AddressOf(const std::string& text)
{
    size_t open = text.rfind('<'), close = text.rfind('>');
    std::string address = (open != std::string::npos && close != std::string::npos && open < close)
                              ? text.substr(open + 1, close - open - 1)
                              : text;
    size_t first = address.find_first_not_of(" \t"), last = address.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : address.substr(first, last - first + 1);
}

bool MakeFolders(const std::string& path)
{
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos == path.size() || path[pos] == '/') {
            const std::string part = path.substr(0, pos);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

bool WriteOutbox(const std::string& message, std::string* error)
{
    std::string folder = miscsys::Env("MISC_MAIL_OUTBOX");
    if (folder.empty())
        folder = miscsys::UserDataDir() + "/Kestrel/mail-outbox";
    if (!MakeFolders(folder)) {
        *error = "the outbox " + folder + " cannot be made";
        return false;
    }
    for (int n = 1; n < 100000; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/%05d.eml", n);
        const std::string path = folder + name;
        FILE* file = std::fopen(path.c_str(), "wbx"); // never replaces an earlier message
        if (file == nullptr) {
            if (errno == EEXIST)
                continue;
            break;
        }
        bool ok = std::fwrite(message.data(), 1, message.size(), file) == message.size();
        ok = (std::fclose(file) == 0) && ok;
        if (ok) {
            SetLastDelivery(path);
            return true;
        }
        break;
    }
    *error = "the message cannot be written into " + folder;
    return false;
}

#ifdef MISC_HAVE_CURL
struct Upload {
    const std::string* bytes;
    size_t offset;
};

size_t ReadUpload(char* buffer, size_t size, size_t count, void* context)
{
    auto* upload = static_cast<Upload*>(context);
    size_t n = std::min(size * count, upload->bytes->size() - upload->offset);
    std::memcpy(buffer, upload->bytes->data() + upload->offset, n);
    upload->offset += n;
    return n;
}

bool SendSmtp(const std::string& url, const std::vector<MiscMailRecipient>& recipients,
              const std::string& message, std::string* error)
{
    static std::once_flag init;
    std::call_once(init, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (curl == nullptr) {
        *error = "the mail transfer cannot start";
        return false;
    }
    curl_slist* rcpt = nullptr;
    for (const MiscMailRecipient& r : recipients)
        rcpt = curl_slist_append(rcpt, ("<" + r.address + ">").c_str());
    const std::string from = "<" + AddressOf(MiscMailSender()) + ">";
    const std::string user = miscsys::Env("MISC_SMTP_USER");
    const std::string password = miscsys::Env("MISC_SMTP_PASSWORD");
    Upload upload{&message, 0};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    if (!user.empty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE, static_cast<long>(message.size()));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    CURLcode rc = curl_easy_perform(curl);
    curl_slist_free_all(rcpt);
    curl_easy_cleanup(curl);
    if (rc != CURLE_OK) {
        *error = std::string("the mail server refused the message: ") + curl_easy_strerror(rc);
        return false;
    }
    SetLastDelivery(url);
    return true;
}
#endif

} // namespace

std::string MiscMailSender()
{
    std::string from = miscsys::Env("MISC_MAIL_FROM");
    if (!from.empty() && from.find_first_of("\r\n") == std::string::npos)
        return from;
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    const char* user = std::getenv("USER");
    return std::string(user && *user ? user : "user") + "@" + (host[0] ? host : "localhost");
}

std::string MiscMailLastDelivery()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_lastDelivery;
}

bool MiscMailRecipient::Resolve(bool)
{
    address = AddressOf(name);
    resolved = address.find('@') != std::string::npos &&
               address.find_first_of("\r\n<>, ") == std::string::npos;
    if (!resolved)
        address.clear();
    return resolved;
}

MiscMailRecipient* MiscMailMessage::AddRecipient(const std::string& name, const std::string& addr, int type)
{
    recipients.push_back(MiscMailRecipient{name, addr, type, false});
    return &recipients.back();
}

void MiscMailMessage::AddAttachment(const std::string& name, int position, int type, const std::string& source)
{
    attachments.push_back(MiscMailAttachment{name, source, position, type});
}

bool MiscMailMessage::Send(bool, bool, std::string* error)
{
    std::string why;
    std::string message = Compose(&why);
    bool ok = !message.empty();
    if (ok) {
        const std::string url = miscsys::Env("MISC_SMTP_URL");
#ifdef MISC_HAVE_CURL
        ok = url.empty() ? WriteOutbox(message, &why) : SendSmtp(url, recipients, message, &why);
#else
        ok = url.empty() ? WriteOutbox(message, &why) : (why = "this build cannot send by SMTP", false);
#endif
    }
    if (!ok && error)
        *error = why;
    return ok;
}

std::unique_ptr<MiscMailSession> MiscMailSession::Create()
{
    if (miscsys::Env("MISC_MAIL_BACKEND") == "none")
        return nullptr;
    return std::make_unique<MiscMailSession>();
}

bool MiscMailSession::Logon(const std::string&, const std::string&, bool, bool)
{
    m_loggedOn = true;
    return true;
}

MiscMailMessage* MiscMailSession::AddOutboxMessage(const std::string& subject, const std::string& text,
                                                   long, long)
{
    m_outbox.push_back(std::make_unique<MiscMailMessage>());
    m_outbox.back()->subject = subject;
    m_outbox.back()->text = text;
    return m_outbox.back().get();
}

void MiscMailSession::Logoff() { m_loggedOn = false; }
