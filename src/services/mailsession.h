#pragma once
// CMailSession: the work behind CEmailSupportApi. It drives the platform's mail server (the
// session, the outbox message, its recipients and attachments), keeps the pending recipients and
// files, runs the send sequence and writes the mail log.
#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include <win32/mailserver.h>

#include <memory>

class CMailSession {
public:
    // Creates the server's session, logs on and opens a new outbox message. Shows "Failed to
    // connect to your E-mail program" and gives false when there is no mail program.
    bool Connect();
    void AddAttachment(const CString& name, const CString& path, int fileType);
    // Splits the path, keeps name and extension in m_fileName; whether the file can be read.
    bool TakeFileName(const CString& path);
    void SetSubject(const CString& subject);
    void SetText(const CString& text);
    // The send sequence. With showDialog the compose dialog asks the person first.
    void SendSequence(int showDialog);

    int m_attachNow = 0;
    CStringArray m_recipients;
    CStringArray m_attachNames;
    CStringArray m_attachPaths;
    CStringArray m_sentNames;
    CStringArray m_sentPaths;
    CString m_fileName;
    CString m_filePath;
    int m_singleFile = 0;

private:
    void DialogSequence();
    // Resolves the recipients, sends, logs the message when it went, and logs off.
    void ResolveSendLogoff();
    void WriteMailLog();
    CString MailLogPath() const;

    std::unique_ptr<MiscMailSession> m_session;
    MiscMailMessage* m_message = nullptr;
};
