// One version record.
#include "misc/data/versions.h"

#include <cstring>
#include <new>

namespace {

constexpr int kCommentBuffer = 256;  // copies keep 255 characters
constexpr int kReadBuffer = 260;     // texts read keep 259

// put_str wants a writable text; this hands it a copy.
void PutText(CUniversalReadWrite* writer, const char* text, size_t limit, FILE* file)
{
    size_t len = strnlen(text, limit);
    char* copy = new (std::nothrow) char[len + 1];
    if (!copy)
        return;
    std::memcpy(copy, text, len);
    copy[len] = '\0';
    writer->put_str(copy, file);
    delete[] copy;
}

} // namespace

CVersionDetail::CVersionDetail(CUniversalReadWrite* writer)
    : m_pWriter(writer), m_containsFile(0), m_posInFile(-1), m_posInFileEnd(-1), m_pComments(nullptr)
{
}

CVersionDetail::CVersionDetail(CUniversalReadWrite* writer, const CVersionDetail& other) : CVersionDetail(writer)
{
    CopyFrom(other);
}

CVersionDetail::~CVersionDetail() { delete m_pComments; }

void CVersionDetail::SetComments(char* text)
{
    delete m_pComments;
    m_pComments = nullptr;
    if (text && *text)
        m_pComments = new (std::nothrow) CString(text);
}

void CVersionDetail::SetComments(CString text)
{
    SetComments(const_cast<char*>(text.GetString()));
}

void CVersionDetail::GetComments(char* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    const char* text = m_pComments ? m_pComments->GetString() : "";
    size_t n = strnlen(text, static_cast<size_t>(size - 1));
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

CString CVersionDetail::GetComments()
{
    char buffer[kCommentBuffer];
    GetComments(buffer, sizeof buffer);
    return CString(buffer);
}

void CVersionDetail::SetContaineFile(int contains)
{
    m_containsFile = contains;
    if (!contains)
        m_posInFile = m_posInFileEnd = -1;
}

void CVersionDetail::Init()
{
    m_savedBy.Empty();
    SetContaineFile(0);
}

void CVersionDetail::CopyFrom(const CVersionDetail& other)
{
    if (this == &other)
        return;
    m_containsFile = other.m_containsFile;
    m_posInFile = other.m_posInFile;
    m_posInFileEnd = other.m_posInFileEnd;
    m_savedBy = other.m_savedBy;
    m_dateTime = other.m_dateTime;
    char buffer[kCommentBuffer];
    const_cast<CVersionDetail&>(other).GetComments(buffer, sizeof buffer);
    SetComments(buffer);
}

void CVersionDetail::PutTo(FILE* file)
{
    CUniversalReadWrite* w = m_pWriter;
    if (!w)
        return;
    w->put_char(VERSION_TAG_RECORD, file);
    w->put_char(VERSION_TAG_POS, file);
    w->put_long(m_posInFile, file);
    w->put_char(VERSION_TAG_POS_END, file);
    w->put_long(m_posInFileEnd, file);
    w->put_char(VERSION_TAG_SAVED_BY, file);
    PutText(w, m_savedBy.GetString(), static_cast<size_t>(m_savedBy.GetLength()), file);
    w->put_char(VERSION_TAG_COMMENTS, file);
    PutText(w, m_pComments ? m_pComments->GetString() : "", kCommentBuffer - 1, file);
    w->put_char(VERSION_TAG_DATE, file);
    w->put_long(static_cast<LONG>(m_dateTime.GetTime()), file);
    if (m_containsFile)
        w->put_char(VERSION_TAG_CONTAINS_FILE, file);
    w->put_char(VERSION_TAG_END, file);
}

int CVersionDetail::GetForm(FILE* file)
{
    CUniversalReadWrite* w = m_pWriter;
    if (!w)
        return 0;
    for (;;) {
        int tag = w->get_char(file);
        switch (tag) {
        case VERSION_TAG_END:
            return 1;
        case VERSION_TAG_SAVED_BY:
        case VERSION_TAG_COMMENTS: {
            char text[kReadBuffer] = {};
            if (!w->get_str(file, text, sizeof text))
                return 0;  // the data ended
            text[sizeof text - 1] = '\0';
            if (tag == VERSION_TAG_SAVED_BY)
                m_savedBy = text;
            else
                SetComments(text);
            break;
        }
        case VERSION_TAG_DATE:
            m_dateTime = CTime(static_cast<time_t>(static_cast<LONG>(w->get_long(file))));
            break;
        case VERSION_TAG_POS:
            m_posInFile = static_cast<LONG>(w->get_long(file));
            break;
        case VERSION_TAG_POS_END:
            m_posInFileEnd = static_cast<LONG>(w->get_long(file));
            break;
        case VERSION_TAG_CONTAINS_FILE:
            m_containsFile = 1;
            break;
        default:
            return 0;
        }
    }
}

void CVersionDetail::InitilizeVersionElm(CVersionElm& elm)
{
    elm.SetSavedBy(m_savedBy);
    elm.SetComments(m_pComments ? *m_pComments : CString());
    elm.SetTime(static_cast<LONG>(m_dateTime.GetTime()));
    elm.SetStart(m_posInFile);
    elm.SetEnd(m_posInFileEnd);
    elm.SetContainsFile(m_containsFile);
}
