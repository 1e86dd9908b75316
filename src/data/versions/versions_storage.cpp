// The temporary storage of stored document copies, and the conversion to and from the
// family's version array.
#include "misc/data/versions.h"

#include <cstring>
#include <new>

#include "storage_owner.h"

namespace {

// The stored copies of the open document's versions: one file per process. `owner` is the
// writer whose temporary file it is and who closes it; null when the history holds it itself.
// `path` names the file on disk while it is there, so that a replaced storage is removed.
struct Storage {
    FILE* file = nullptr;
    CUniversalReadWrite* owner = nullptr;
    char path[512] = {};
};
Storage g_storage;

void Adopt(FILE* file, CUniversalReadWrite* owner, const char* path)
{
    g_storage.file = file;
    g_storage.owner = file ? owner : nullptr;
    std::memset(g_storage.path, 0, sizeof g_storage.path);
    if (file && path)
        std::strncpy(g_storage.path, path, sizeof g_storage.path - 1);
}

// Closes the current storage (through its owner when a writer still holds it, else through
// `via`), removes its file and forgets it.
void Release(CUniversalReadWrite* via)
{
    Storage old = g_storage;
    Adopt(nullptr, nullptr, nullptr);
    if (!old.file)
        return;
    if (old.owner && old.owner->GetTempFilePtr() == old.file)
        old.owner->CloseTempFile();
    else if (via)
        via->fclose(old.file);
    else
        std::fclose(old.file);
    if (old.path[0])
        DeleteFileA(old.path);
}

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

namespace versions_detail {

void TempFileClosed(FILE* file)
{
    if (!file || file != g_storage.file)
        return;
    // The stored copies mean nothing once their file is closed: it leaves the disk too.
    char path[sizeof g_storage.path];
    std::memcpy(path, g_storage.path, sizeof path);
    Adopt(nullptr, nullptr, nullptr);
    if (path[0])
        DeleteFileA(path);
}

void TempFileDetached(const CUniversalReadWrite* writer, FILE* file)
{
    if (file && file == g_storage.file && g_storage.owner == writer)
        g_storage.owner = nullptr;
}

void WriterGone(const CUniversalReadWrite* writer)
{
    if (writer && g_storage.owner == writer)
        g_storage.owner = nullptr;
}

} // namespace versions_detail

FILE* CVersionsData::GetTmpVersionsStorage(CUniversalReadWrite* writer)
{
    if (!g_storage.file && writer) {
        FILE* file = writer->GetTempfile();
        Adopt(file, writer, writer->GetTempFileName());
    }
    return g_storage.file;
}

void CVersionsData::SetTmpVersionsStorage(FILE* storage) { Adopt(storage, nullptr, nullptr); }

void CVersionsData::writeVersionInfo(FILE* out)
{
    if (!g_storage.file || !m_pWriter)
        return;
    m_pWriter->rewind(g_storage.file);
    copyShrinkVersionsStorage(out);
    PutTo(out);
}

void CVersionsData::copyShrinkVersionsStorage(FILE* out)
{
    CUniversalReadWrite* w = m_pWriter;
    if (!w)
        return;
    FILE* old = g_storage.file;
    FILE* fresh = w->GetTempfile();
    // A storage that could not be made keeps the old one, and the records their positions in it.
    if (fresh == old)
        fresh = nullptr;
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
    if (!fresh)
        return;
    Release(w);
    Adopt(fresh, w->GetTempFilePtr() == fresh ? w : nullptr, w->GetTempFileName());
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
    FILE* storage = g_storage.file;
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
        Release(w);
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
        // Already gone from disk: nothing to remove when it is replaced.
        Adopt(w->m_pTempFile, w, nullptr);
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
