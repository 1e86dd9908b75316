// CMailSession: connecting to the mail server, the send sequence and the mail log.
#include "mailsession.h"

#include "misc/services/emailsupport.h"

#include "misc/frame/profile.h"

#include <afxwin.h>
#include <mfc/resscope.h>
#include <windows.h>

namespace {

const char kFailedToConnect[] = "Failed to connect to your E-mail program";

EmailComposeDialogProc g_composeDialog = nullptr;

} // namespace

EmailComposeDialogProc SetEmailComposeDialog(EmailComposeDialogProc proc)
{
    EmailComposeDialogProc previous = g_composeDialog;
    g_composeDialog = proc;
    return previous;
}

bool CMailSession::Connect()
{
    m_session = MiscMailSession::Create();
    m_message = nullptr;
    if (!m_session) {
        AfxMessageBox(kFailedToConnect, MB_OK);
        return false;
    }
    m_session->Logon("", "", true, false);
    m_message = m_session->AddOutboxMessage("", "", 1, 1);
    return m_message != nullptr;
}

void CMailSession::AddAttachment(const CString& name, const CString& path, int)
{
    m_attachNames.Add(name);
    m_attachPaths.Add(path);
    if (m_attachNow && m_message)
        m_message->AddAttachment(name.GetString(), 1, 1, path.GetString());
}

bool CMailSession::TakeFileName(const CString& path)
{
    char name[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(path, nullptr, nullptr, name, ext);
    m_fileName = CString(name) + ext;
    CFileStatus status;
    if (!CFile::GetStatus(path, status))
        return false;
    CFile probe;
    if (!probe.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return false;
    probe.Close();
    return true;
}

void CMailSession::SetSubject(const CString& subject)
{
    if (m_message)
        m_message->subject = subject.GetString();
}

void CMailSession::SetText(const CString& text)
{
    if (m_message)
        m_message->text = text.GetString();
}

void CMailSession::SendSequence(int showDialog)
{
    if (!m_message)
        return;
    CCallResourceScope scope;
    if (showDialog) {
        DialogSequence();
        return;
    }
    for (INT_PTR i = 0; i < m_attachNames.GetSize() && i < m_attachPaths.GetSize(); ++i)
        m_message->AddAttachment(m_attachNames[i].GetString(), 1, 1, m_attachPaths[i].GetString());
    ResolveSendLogoff();
}

void CMailSession::DialogSequence()
{
    CEmailComposeData data;
    data.recipients.Copy(m_recipients);
    data.subject = m_message->subject.c_str();
    data.text = m_message->text.c_str();
    data.names.Copy(m_attachNames);
    data.paths.Copy(m_attachPaths);
    data.attachedCount = static_cast<int>(m_message->AttachmentCount());
    if (m_singleFile) {
        data.singleFile = 1;
        data.singleName = m_fileName;
        data.singlePath = m_filePath;
        data.includeSingle = 1;
    }
    // Without a dialog, or on Cancel, nothing is sent, logged or logged off.
    if (g_composeDialog == nullptr || !g_composeDialog(data))
        return;
    m_recipients.Append(data.newRecipients);
    m_message->subject = data.subject.GetString();
    m_message->text = data.text.GetString();
    const INT_PTR count = m_message->AttachmentCount();
    if (count != data.names.GetSize()) {
        for (INT_PTR i = count; i < data.names.GetSize() && i < data.paths.GetSize(); ++i) {
            if (data.names[i].IsEmpty())
                continue;
            m_sentNames.Add(data.names[i]);
            m_sentPaths.Add(data.paths[i]);
            m_message->AddAttachment(data.names[i].GetString(), 1, 1, data.paths[i].GetString());
        }
    }
    ResolveSendLogoff();
}

void CMailSession::ResolveSendLogoff()
{
    for (INT_PTR i = 0; i < m_recipients.GetSize(); ++i) {
        MiscMailRecipient* recipient = m_message->AddRecipient("", "", 1);
        recipient->name = m_recipients[i].GetString();
        recipient->Resolve(true);
    }
    m_message->property17 = 0;
    std::string error;
    // The log records messages that went: it is written once the server has taken the message.
    if (m_message->Send(false, false, &error))
        WriteMailLog();
    else
        AfxMessageBox(CString("The message was not sent: ") + error.c_str(), MB_OK);
    m_session->Logoff();
}

CString CMailSession::MailLogPath() const
{
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    const CString fallback = CString(folder) + "/Kestrel/vmxmail.log";
    char path[257] = "";
    ProfileReadString("MailLogFile", "LogFilePath", fallback, path, sizeof path, 1);
    // The default folder is made when missing, as the drive root of the default always existed.
    if (fallback == path) {
        SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder);
        CreateDirectoryA(CString(folder) + "/Kestrel", nullptr);
    }
    return path;
}

void CMailSession::WriteMailLog()
{
    const CString path = MailLogPath();
    CStdioFile file;
    // A log that cannot be opened is skipped; the message has gone.
    if (!file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::typeText))
        return;
    try {
        file.SeekToEnd();
        CString entry = "On the: " + CTime::GetCurrentTime().Format("%x %X") + "\n";
        entry += CString("Subject: ") + m_message->subject.c_str() + "\n";
        entry += CString("Message body: ") + m_message->text.c_str() + "\n";
        entry += "Recipients: \n";
        for (INT_PTR i = 0; i < m_recipients.GetSize(); ++i)
            entry += m_recipients[i] + "\n";
        if (m_sentNames.GetSize() > 0) {
            entry += "With these files: \n";
            for (INT_PTR i = 0; i < m_sentNames.GetSize() && i < m_sentPaths.GetSize(); ++i) {
                CFileStatus status;
                long size = CFile::GetStatus(m_sentPaths[i], status) ? static_cast<long>(status.m_size) : 0;
                CString sizeText;
                sizeText.Format("%d", static_cast<int>(size));
                entry += "File Name: " + m_sentNames[i] + "File path: " + m_sentPaths[i] + "\n" +
                         "File size: " + sizeText + " Bytes\n\n";
            }
        }
        entry += "End log entry!\n**************************************\n";
        file.WriteString(entry);
        file.Close();
    } catch (CException* e) {
        e->Delete();
    }
}
