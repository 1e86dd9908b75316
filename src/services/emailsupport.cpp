// CEmailSupportApi: the message forms of the host's e-mail commands over CMailSession.
#include "misc/services/emailsupport.h"

#include "mailsession.h"

CEmailSupportApi::CEmailSupportApi(CWinApp* app)
    : m_pSession(std::make_shared<CMailSession>()), m_pApp(app)
{
}

CEmailSupportApi::~CEmailSupportApi() = default;

void CEmailSupportApi::NewMessage(int showDialog)
{
    if (m_pSession->Connect() && showDialog)
        m_pSession->SendSequence(showDialog);
    m_messageOpen = 1;
    m_hasRecipient = 0;
}

void CEmailSupportApi::NewMessage(CString subject, CString recipient, CString text, CString fileName,
                                  CString filePath, int showDialog, int fileType)
{
    if (m_pSession->Connect()) {
        m_pSession->m_recipients.Add(recipient);
        m_pSession->AddAttachment(fileName, filePath, fileType);
        m_pSession->SetSubject(subject);
        m_pSession->SetText(text);
        m_pSession->SendSequence(showDialog);
    }
    m_messageOpen = 1;
    m_hasRecipient = 1;
}

void CEmailSupportApi::NewMessage(CString subject, CString recipient, CString text, CString filePath,
                                  int showDialog, int fileType)
{
    if (m_pSession->Connect() && m_pSession->TakeFileName(filePath)) {
        m_pSession->m_recipients.Add(recipient);
        m_pSession->AddAttachment(m_pSession->m_fileName, filePath, fileType);
        m_pSession->SetSubject(subject);
        m_pSession->SetText(text);
        m_pSession->SendSequence(showDialog);
    }
    m_messageOpen = 1;
    m_hasRecipient = 1;
}

void CEmailSupportApi::NewMessage(CString subject, CString recipient, CString text, int showDialog)
{
    if (m_pSession->Connect()) {
        m_pSession->m_recipients.Add(recipient);
        m_pSession->SetSubject(subject);
        m_pSession->SetText(text);
        m_pSession->SendSequence(showDialog);
    }
    m_messageOpen = 1;
    m_hasRecipient = 1;
}

void CEmailSupportApi::NewMessage(CString fileName, CString filePath, int fileType)
{
    if (m_pSession->Connect()) {
        m_pSession->m_singleFile = 1;
        m_pSession->m_fileName = fileName;
        m_pSession->m_filePath = filePath;
        m_pSession->AddAttachment(fileName, filePath, fileType);
        m_pSession->SendSequence(1);
    }
    m_messageOpen = 1;
    m_hasRecipient = 0;
}

void CEmailSupportApi::NewMessage(CString filePath, int fileType)
{
    if (m_pSession->Connect() && m_pSession->TakeFileName(filePath)) {
        m_pSession->m_singleFile = 1;
        m_pSession->m_filePath = filePath;
        m_pSession->AddAttachment(m_pSession->m_fileName, filePath, fileType);
        m_pSession->SendSequence(1);
    }
    m_messageOpen = 1;
    m_hasRecipient = 0;
}

void CEmailSupportApi::NewMessage(CArray<CString, CString&>& filePaths)
{
    if (m_pSession->Connect()) {
        m_pSession->m_singleFile = 0;
        m_pSession->m_attachNow = 1;
        for (INT_PTR i = 0; i < filePaths.GetSize(); ++i)
            m_pSession->AddAttachment(filePaths[i], filePaths[i], 0);
        m_pSession->SendSequence(1);
    }
    m_messageOpen = 1;
    m_hasRecipient = 0;
}

void CEmailSupportApi::AddRecipient(CString recipient)
{
    if (!m_messageOpen)
        return;
    m_pSession->m_recipients.Add(recipient);
    m_hasRecipient = 1;
}

void CEmailSupportApi::AddAttachment(CString fileName, CString filePath, int fileType)
{
    if (m_messageOpen)
        m_pSession->AddAttachment(fileName, filePath, fileType);
}

void CEmailSupportApi::AddAttachment(CString filePath, int fileType)
{
    if (m_messageOpen && m_pSession->TakeFileName(filePath))
        m_pSession->AddAttachment(m_pSession->m_fileName, filePath, fileType);
}

void CEmailSupportApi::SetSubject(CString subject)
{
    if (m_messageOpen)
        m_pSession->SetSubject(subject);
}

void CEmailSupportApi::SetMessageText(CString text)
{
    if (m_messageOpen)
        m_pSession->SetText(text);
}

void CEmailSupportApi::Send(int showDialog)
{
    if (m_messageOpen && m_hasRecipient)
        m_pSession->SendSequence(showDialog);
    m_messageOpen = 0;
    m_hasRecipient = 0;
}
