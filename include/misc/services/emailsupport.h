#pragma once
// CEmailSupportApi: sends the host's files by e-mail through the platform's mail server
// (win32/mailserver.h: SMTP, or an .eml file in an outbox folder) and appends a record of every
// sent message to the mail log: the key "LogFilePath" of the section "MailLogFile" of the user
// profile file, by default vmxmail.log in the per-user data folder's "Kestrel" folder.
#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include <memory>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CWinApp;
class CMailSession;

// What the compose dialog is given and what it gives back when the person presses OK.
struct CEmailComposeData {
    CStringArray recipients;       // in: the session's recipients, shown
    CString subject;               // in and out
    CString text;                  // in and out
    CStringArray names;            // in and out: display names of the files (added ones end in "\n")
    CStringArray paths;            // in and out: their paths, index for index
    int attachedCount = 0;         // in: files already attached to the message
    int singleFile = 0;            // in: the message was opened for one file
    CString singleName, singlePath;
    int includeSingle = 0;         // in and out: the single-file check box
    CStringArray newRecipients;    // out: the recipients picked in the dialog
};

// The compose dialog runs through this hook, which the dialog's part registers (a host calls
// MiscRegisterEmailDialog of misc/datadlg/emaildlg.h once after InitMiscDLL); true for OK.
// Without one the dialog sequence ends as if cancelled. Returns the previous hook.
using EmailComposeDialogProc = bool (*)(CEmailComposeData& data);
EmailComposeDialogProc SetEmailComposeDialog(EmailComposeDialogProc proc);

class CEmailSupportApi {
public:
    explicit CEmailSupportApi(CWinApp* app = nullptr);
    ~CEmailSupportApi();
    // Copies share the session object; it is destroyed with the last copy.
    CEmailSupportApi(const CEmailSupportApi& other) = default;
    CEmailSupportApi& operator=(const CEmailSupportApi& other) = default;

    void NewMessage(int showDialog);
    void NewMessage(CString subject, CString recipient, CString text, CString fileName,
                    CString filePath, int showDialog, int fileType);
    void NewMessage(CString subject, CString recipient, CString text, CString filePath,
                    int showDialog, int fileType);
    void NewMessage(CString subject, CString recipient, CString text, int showDialog);
    void NewMessage(CString fileName, CString filePath, int fileType);
    void NewMessage(CString filePath, int fileType);
    void NewMessage(CArray<CString, CString&>& filePaths);

    void AddRecipient(CString recipient);
    void AddAttachment(CString fileName, CString filePath, int fileType);
    void AddAttachment(CString filePath, int fileType);
    void SetSubject(CString subject);
    void SetMessageText(CString text);
    void Send(int showDialog);

    std::shared_ptr<CMailSession> m_pSession;
    CWinApp* m_pApp;
    int m_messageOpen = 0;
    int m_hasRecipient = 0;
};

MISC_PUBLIC_END
