// Composing a message: headers with encoded words where the text is not plain ASCII, the text
// part and every attachment in base64.
#include "win32/mailserver.h"

#include "win32/system.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <random>

namespace {

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

bool IsPlain(const std::string& text)
{
    for (unsigned char c : text)
        if (c >= 0x80 || (c < 0x20 && c != '\t'))
            return false;
    return true;
}

std::string Base64(const std::string& bytes, bool wrap)
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t line = 0;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kAlphabet[v & 63] : '=';
        if (wrap && (line += 4) >= 76) {
            out += "\r\n";
            line = 0;
        }
    }
    if (wrap && line > 0)
        out += "\r\n";
    return out;
}

// A header value: as it is when plain ASCII, else one encoded word (RFC 2047).
std::string HeaderText(const std::string& text)
{
    return IsPlain(text) ? text : "=?UTF-8?B?" + Base64(text, false) + "?=";
}

// A file name parameter: quoted when plain, else in the extended form (RFC 2231).
std::string FileNameParameter(const std::string& name)
{
    bool plain = IsPlain(name) && name.find_first_of("\"\\") == std::string::npos;
    if (plain)
        return "filename=\"" + name + "\"";
    std::string out = "filename*=UTF-8''";
    char hex[4];
    for (unsigned char c : name) {
        if (isalnum(c) || c == '.' || c == '-' || c == '_') {
            out += static_cast<char>(c);
        } else {
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string DateHeader()
{
    char buffer[64];
    std::time_t now = std::time(nullptr);
    std::tm tm {};
    localtime_r(&now, &tm);
    std::strftime(buffer, sizeof buffer, "%a, %d %b %Y %H:%M:%S %z", &tm);
    return buffer;
}

bool ReadAll(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

std::string MiscMailMessage::Compose(std::string* error) const
{
    auto fail = [error](const std::string& why) {
        if (error)
            *error = why;
        return std::string();
    };
    if (HasLineBreak(subject))
        return fail("the subject holds a line break");
    if (recipients.empty())
        return fail("no recipient");
    std::string to;
    for (const MiscMailRecipient& r : recipients) {
        if (HasLineBreak(r.name) || HasLineBreak(r.address))
            return fail("a recipient holds a line break");
        if (r.address.empty())
            return fail("the recipient \"" + r.name + "\" has no address");
        to += (to.empty() ? "" : ", ") + r.address;
    }
    std::mt19937_64 random(std::random_device{}());
    const std::string boundary = "=_misc_" + std::to_string(random());
    std::string out = "From: " + MiscMailSender() + "\r\nTo: " + to + "\r\nSubject: " +
                      HeaderText(subject) + "\r\nDate: " + DateHeader() +
                      "\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"" + boundary +
                      "\"\r\n\r\n";
    out += "--" + boundary + "\r\nContent-Type: text/plain; charset=UTF-8\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" + Base64(text, true);
    for (const MiscMailAttachment& a : attachments) {
        std::string bytes;
        if (!ReadAll(a.source, bytes))
            return fail("the attachment " + a.source + " cannot be read");
        std::string name = a.name;
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
            name.pop_back();
        if (HasLineBreak(name))
            return fail("an attachment name holds a line break");
        out += "--" + boundary + "\r\nContent-Type: application/octet-stream\r\n"
               "Content-Transfer-Encoding: base64\r\nContent-Disposition: attachment; " +
               FileNameParameter(name) + "\r\n\r\n" + Base64(bytes, true);
    }
    out += "--" + boundary + "--\r\n";
    return out;
}
