// The temporary storage of stored document copies, and the conversion to and from the
// family's version array.
#include "misc/data/versions.h"

#include <cstring>
#include <new>

namespace {

// The stored copies of the open document's versions: one file per process.
FILE* g_tmpVersionsStorage = nullptr;

// Copies up to `length` bytes from `from` to `to` and `also` (either may be null) in runs of
// VERSION_COPY_RUN bytes; stops early when the source runs dry. Answers the bytes copied.
long CopyBytes(CUniversalReadWrite* w, FILE* from, FILE* to, FILE* also, long length)
{
    char buffer[VERSION_COPY_RUN];
    long done = 0;
    while (done < length) {
        unsigned run = static_cast<unsigned>(length - done < VERSION_COPY_RUN ? length - done : VERSION_COPY_RUN);
        unsigned got = w->fread(buffer, 1, run, from);
        if (got == 0)
            break;
        if (to)
            w->fwrite(buffer, 1, got, to);
        if (also)
            w->fwrite(buffer, 1, got, also);
        done += static_cast<long>(got);
        if (got < run)
            break;
    }
    return done;
}

} // namespace

FILE* CVersionsData::GetTmpVersionsStorage(CUniversalReadWrite* writer)
{
    if (!g_tmpVersionsStorage && writer)
        g_tmpVersionsStorage = writer->GetTempfile();
    return g_tmpVersionsStorage;
}

void CVersionsData::SetTmpVersionsStorage(FILE* storage) { g_tmpVersionsStorage = storage; }

void CVersionsData::writeVersionInfo(FILE* out)
{
    if (!g_tmpVersionsStorage || !m_pWriter)
        return;
    m_pWriter->rewind(g_tmpVersionsStorage);
    copyShrinkVersionsStorage(out);
    PutTo(out);
}

void CVersionsData::copyShrinkVersionsStorage(FILE* out)
{
    CUniversalReadWrite* w = m_pWriter;
    if (!w)
        return;
    FILE* old = g_tmpVersionsStorage;
    FILE* fresh = w->GetTempfile();
    w->put_char(VERSION_TAG_COPIES, out);
    long placeholder = w->ftellData(out);
    w->put_long(0, out);
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        CVersionDetail* v = CArray::GetAt(i);
        if (!v || !v->GetContaineFile())
            continue;
        long start = v->GetPosInFile(), end = v->GetPosInFileEnd();
        if (old)
            w->fseekData(old, start, SEEK_SET);
        if (fresh)
            v->SetPosInFile(w->ftellData(fresh));
        if (old && end > start)
            CopyBytes(w, old, out, fresh, end - start);
        if (fresh)
            v->SetPosInFileEnd(w->ftellData(fresh));
    }
    long after = w->ftellData(out);
    w->fseekData(out, placeholder, SEEK_SET);
    w->put_long(after, out);
    w->fseekData(out, after, SEEK_SET);
    if (old && old != fresh)
        w->fclose(old);
    g_tmpVersionsStorage = fresh;
}

void CVersionsData::copyVersionToTmp(CUniversalReadWrite* writer, FILE* source, FILE* storage)
{
    if (!writer)
        return;
    if (storage)
        writer->rewind(storage);
    long end = writer->get_long(source);
    long length = end - writer->ftellData(source);
    if (length > 0)
        CopyBytes(writer, source, storage, nullptr, length);
}

void CVersionsData::ConvertToDBT(CVersionArray& array) const
{
    array.DeleteAll();
    CUniversalReadWrite* w = m_pWriter;
    FILE* storage = g_tmpVersionsStorage;
    FILE* copies = nullptr;
    if (storage && w) {
        w->rewind(storage);
        char folder[256], path[MAX_PATH];
        DWORD len = GetTempPathA(sizeof folder, folder);
        if (len > 0 && len < sizeof folder && GetTempFileNameA(folder, "NEW", 0, path) != 0) {
            copies = std::fopen(path, "wb");
            if (copies)
                array.SetStoragePath(path);
        }
    }
    long offset = 0;
    for (INT_PTR i = GetSize() - 1; i >= 0; --i) {
        CVersionDetail* v = CArray::GetAt(i);
        if (!v)
            continue;
        CVersionElm* elm = new (std::nothrow) CVersionElm;
        if (!elm)
            continue;
        v->InitilizeVersionElm(*elm);
        long size = v->GetPosInFileEnd() - v->GetPosInFile();
        if (v->GetContaineFile() && copies && size > 0) {
            w->fseekData(storage, v->GetPosInFile(), SEEK_SET);
            long copied = CopyBytes(w, storage, copies, nullptr, size);
            elm->SetStart(offset);
            elm->SetEnd(offset + copied);
            offset += copied;
        } else if (v->GetContaineFile() && !copies) {
            // No file to carry the copy: the element must not claim one.
            elm->SetContainsFile(FALSE);
            elm->SetStart(-1);
            elm->SetEnd(-1);
        }
        array.Add(elm);
    }
    array.SetAutomaticSave(m_automaticSaveVersion);
    if (copies)
        std::fclose(copies);
}

void CVersionsData::InitFromDBT(CVersionArray& array)
{
    m_automaticSaveVersion = array.GetAutomaticSave();
    m_activeVersion = 0;
    CUniversalReadWrite* w = m_pWriter;
    if (w) {
        w->CloseTempFile();
        CString path = array.GetStoragePath();
        if (!path.IsEmpty()) {
            char name[512] = {};
            std::strncpy(name, path.GetString(), sizeof name - 1);
            // Opened as a temporary file: it is gone from disk once closed.
            FILE* f = std::fopen(name, "r+b");
            if (f)
                std::remove(name);
            w->SetTempFile(f, name);
            array.SetStoragePath(CString());
        } else {
            w->SetTempFile(nullptr, nullptr);
        }
        g_tmpVersionsStorage = w->m_pTempFile;
    }
    DestroyAll();
    for (int i = 0; i < array.GetSize(); ++i) {
        CVersionElm* elm = array.GetAt(i);
        CVersionDetail record(w);
        record.SetContaineFile(elm->GetContainsFile());
        record.SetPosInFile(elm->GetStart());
        record.SetPosInFileEnd(elm->GetEnd());
        record.SetSavedBy(elm->GetSavedBy());
        record.SetDateAndTime(CTime(static_cast<time_t>(elm->GetTime())));
        record.SetComments(elm->GetComments());
        AddVersion(record);
    }
}
