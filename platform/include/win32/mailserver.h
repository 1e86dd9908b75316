#pragma once
// The messaging server that the library drives: a session with an outbox of messages, each with
// recipients, attachments, a subject and a text, the members the Windows messaging automation
// server offers. Send composes a MIME message (text, attachments in base64, non-ASCII subjects
// and names encoded as mail requires) and delivers it:
// - by SMTP when $MISC_SMTP_URL is set ("smtp://host:port" or "smtps://..."; STARTTLS when the
//   server offers it), logging in with $MISC_SMTP_USER and $MISC_SMTP_PASSWORD when set, from
//   $MISC_MAIL_FROM (else user@computer);
// - else as a file NNN.eml in the folder $MISC_MAIL_OUTBOX (else "mail-outbox" under the
//   per-user data folder), made when missing.
// $MISC_MAIL_BACKEND=none makes a machine without a mail program: no session can be created.
#include "win32/types.h"

#include <memory>
#include <string>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct MiscMailRecipient {
    std::string name;     // the Name property: an address, or "Name <address>"
    std::string address;
    int type = 1;
    bool resolved = false;
    // Resolve: takes the address from the name. False (nothing resolved) for a name without an
    // address.
    bool Resolve(bool showDialog);
};

struct MiscMailAttachment {
    std::string name;   // display name (a trailing line feed is not part of the file name)
    std::string source; // path of the file
    int position = 1;
    int type = 1;
};

class MiscMailMessage {
public:
    std::string subject;
    std::string text;
    std::vector<MiscMailRecipient> recipients;
    std::vector<MiscMailAttachment> attachments;
    long property17 = 1;

    MiscMailRecipient* AddRecipient(const std::string& name, const std::string& address, int type);
    void AddAttachment(const std::string& name, int position, int type, const std::string& source);
    long AttachmentCount() const { return static_cast<long>(attachments.size()); }
    // Composes and delivers the message. False with a reason in *error when a recipient or the
    // subject holds a line break, a recipient has no address, an attachment cannot be read, or
    // the delivery fails. Nothing is delivered then.
    bool Send(bool saveCopy, bool showDialog, std::string* error);
    // The message as it is delivered (RFC 5322 with MIME parts, CR LF line ends), or "" with
    // *error for the refusals above.
    std::string Compose(std::string* error) const;
};

class MiscMailSession {
public:
    // Creates the session ("MAPI.Session"); null when there is no mail program.
    static std::unique_ptr<MiscMailSession> Create();
    bool Logon(const std::string& profile, const std::string& password, bool showDialog,
               bool newSession);
    // Outbox.Messages.Add(subject, text, type, importance): a new message in the outbox.
    MiscMailMessage* AddOutboxMessage(const std::string& subject, const std::string& text,
                                      long type, long importance);
    void Logoff();
    bool LoggedOn() const { return m_loggedOn; }

private:
    bool m_loggedOn = false;
    std::vector<std::unique_ptr<MiscMailMessage>> m_outbox;
};

// The sender of every message: $MISC_MAIL_FROM, else user@computer.
std::string MiscMailSender();
// Where the last message sent went: the .eml file, or the SMTP address ("" before the first).
std::string MiscMailLastDelivery();

MISC_PUBLIC_END
