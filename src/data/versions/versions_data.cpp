// The version list: order, counts, and its tagged records.
#include "misc/data/versions.h"

#include <new>

CVersionsData::CVersionsData(CUniversalReadWrite* writer)
    : m_pWriter(writer), m_automaticSaveVersion(0), m_itemCount(0), m_activeVersion(0)
{
    GetTmpVersionsStorage(writer);
}

CVersionsData::CVersionsData(CUniversalReadWrite* writer, FILE* file) : CVersionsData(writer)
{
    GetFrom(file);
}

CVersionsData::~CVersionsData() { DestroyAll(); }

void CVersionsData::DestroyAll()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete CArray::GetAt(i);
    RemoveAll();
    m_itemCount = 0;
}

CVersionDetail* CVersionsData::GetAt(int index)
{
    return index >= 0 && index < GetSize() ? CArray::GetAt(index) : nullptr;
}

const CVersionDetail* CVersionsData::GetAt(int index) const
{
    return index >= 0 && index < GetSize() ? CArray::GetAt(index) : nullptr;
}

void CVersionsData::AddVersion(CVersionDetail& version)
{
    CVersionDetail* copy = new (std::nothrow) CVersionDetail(m_pWriter, version);
    if (!copy)
        return;
    INT_PTR i = 0;
    while (i < GetSize()) {
        CVersionDetail* v = CArray::GetAt(i);
        if (!v) {
            RemoveAt(i);
            continue;
        }
        if (v->GetDateAndTime() <= version.GetDateAndTime())
            break;
        ++i;
    }
    InsertAt(i, copy);
    m_itemCount = static_cast<int>(GetSize());
}

void CVersionsData::Delete(int index)
{
    if (index < 0 || index >= GetSize())
        return;
    delete CArray::GetAt(index);
    RemoveAt(index);
    m_itemCount = static_cast<int>(GetSize());
}

int CVersionsData::GetFilesCount() const
{
    int count = 0;
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        const CVersionDetail* v = CArray::GetAt(i);
        if (v && v->GetContaineFile())
            ++count;
    }
    return count;
}

long CVersionsData::GetFilesSize() const
{
    long size = 0;
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        const CVersionDetail* v = CArray::GetAt(i);
        if (v && v->GetContaineFile())
            size += v->GetPosInFileEnd() - v->GetPosInFile();
    }
    return size;
}

int CVersionsData::DeleteLastFile()
{
    for (INT_PTR i = GetSize() - 1; i >= 0; --i) {
        CVersionDetail* v = CArray::GetAt(i);
        if (v && v->GetContaineFile()) {
            v->SetContaineFile(0);
            return 1;
        }
    }
    return 0;
}

void CVersionsData::PutTo(FILE* file)
{
    if (!m_pWriter)
        return;
    m_pWriter->put_char(VERSION_TAG_LIST, file);
    if (m_automaticSaveVersion)
        m_pWriter->put_char(VERSION_TAG_AUTOSAVE, file);
    for (INT_PTR i = 0; i < GetSize(); ++i)
        if (CVersionDetail* v = CArray::GetAt(i))
            v->PutTo(file);
    m_pWriter->put_char(VERSION_TAG_END, file);
}

int CVersionsData::GetFrom(FILE* file)
{
    if (!m_pWriter)
        return 0;
    for (;;) {
        switch (m_pWriter->get_char(file)) {
        case VERSION_TAG_END:
            return 1;
        case VERSION_TAG_AUTOSAVE:
            m_automaticSaveVersion = 1;
            break;
        case VERSION_TAG_RECORD: {
            CVersionDetail record(m_pWriter);
            if (!record.GetForm(file))
                return 0;
            AddVersion(record);
            break;
        }
        default:
            return 0;
        }
    }
}
