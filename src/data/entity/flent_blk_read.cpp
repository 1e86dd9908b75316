// Reading a block from a stream: dispatch on class and code, filters, repeated ids, the
// deferred byte string 580 and the derived element count of block 3.
#include "misc/data/entity.h"

#include <cstring>

#include "entity_heap.h"

namespace {

constexpr BYTE kPooled = 1;  // m_store: the name came from the pooled heap

// The id of the block that holds `b`: its parent, or the list's parent for a list element.
DWORD HolderId(const FLENT* b)
{
    const FLENT* p = b->GetParent();
    if (p && p->GetKind() == FLENT_KIND_LST)
        p = p->GetParent();
    return p ? p->GetId() : 0;
}

// Ids present among a block's children, so that a repeated id is found without scanning the
// children for every new entity.
class IdSet {
public:
    bool Has(DWORD id) const { return (m_bits[id >> 6] >> (id & 63)) & 1; }
    void Add(DWORD id) { m_bits[id >> 6] |= 1ULL << (id & 63); }

private:
    unsigned long long m_bits[16] = {};
};

bool IsPreviewText(DWORD id) { return id == 12 || id == 37; }

// Kind of the entity a header introduces (0 for markers, end and unknown codes).
int KindOf(const FLENT_HDR& h)
{
    if (h.cls == 0) {
        switch (h.code) {
        case 1: return FLENT_KIND_BLK;
        case 2: case 3: return FLENT_KIND_STR;
        case 4: return FLENT_KIND_LST;
        case 6: case 7: return FLENT_KIND_BSTR;
        default: return 0;
        }
    }
    switch (h.cls) {
    case 2: case 3: return FLENT_KIND_INT;
    case 4: case 5: return FLENT_KIND_FLT;
    case 6: case 7: return FLENT_KIND_LNG;
    default: return 0;
    }
}

FLENT* NewEntity(int kind, DWORD id)
{
    switch (kind) {
    case FLENT_KIND_INT: return new FLENT_INT(id);
    case FLENT_KIND_FLT: return new FLENT_FLT(id);
    case FLENT_KIND_LNG: return new FLENT_LNG(id);
    case FLENT_KIND_STR: return new FLENT_STR(id);
    case FLENT_KIND_BSTR: return new FLENT_BSTR(id);
    case FLENT_KIND_BLK: return new FLENT_BLK(id);
    case FLENT_KIND_LST: return new FLENT_BLK_LST(id);
    default: return nullptr;
    }
}

int LargeKind(DWORD word)
{
    switch (word >> 30) {
    case 2: return FLENT_KIND_FLT;
    case 3: return FLENT_KIND_LNG;
    default: return FLENT_KIND_INT;
    }
}

} // namespace

BOOL FLENT_BLK::Read(FLENT_IO* io, long long filterArg)
{
    int filter = static_cast<int>(filterArg);
    if (io->m_depth >= FLENT_IO::kMaxDepth) {
        // Code 30 names the refused block and the block that holds it, whether the block is
        // read (here) or skipped (FLENT_IO::SkipBlockBody).
        io->Log(FLENT_SEV_ERROR, 30, m_id, HolderId(this));
        return FALSE;
    }
    ++io->m_depth;
    IdSet present;
    for (FLENT* c = m_first; c; c = c->m_next)
        present.Add(c->m_id);
    FLENT_BLK_LST* lastList = nullptr;

    FLENT_HDR h;
    while (io->ReadHeader(&h, m_id)) {
        if (h.cls == 0 && h.code == 0)
            break;
        if (h.cls == 1) {
            if (!ReadMarker(io, h))
                break;
            continue;
        }

        // Every header but a marker is checked for a repeated id first, unknown ones included.
        DWORD id = h.id & 0x3FF;
        int kind = KindOf(h);
        bool element = h.cls == 0 && h.code == 4;
        bool large = h.cls == 0 && h.code == 5;
        FLENT* existing = nullptr;
        if (present.Has(id)) {
            existing = lastList && lastList->m_id == id ? lastList : Find(id, FLENT_KIND_ANY);
            if (existing && !(element && existing->m_kind == FLENT_KIND_LST))
                io->Log(FLENT_SEV_ERROR, 29, id, m_id);
        }
        if (h.cls > 7)
            continue;
        if (h.cls == 0 && h.code > 7) {
            io->Log(FLENT_SEV_FORMAT, 5, h.code, m_id);
            continue;
        }

        // Decide whether the entity is read, and into what; everything else is skipped.
        long long arg = 0;
        if (h.cls == 0 && h.code == 1) {
            if (filter == FLENT_FILTER_PREVIEW && id != FLENT_ID_PREVIEW_BLOCK) {
                io->Skip(h, m_id, io->m_depth);
                continue;
            }
            arg = FLENT_FILTER_ALL;
        } else if (kind == FLENT_KIND_STR || kind == FLENT_KIND_BSTR) {
            bool wide = h.code == 3 || h.code == 7;
            if (kind == FLENT_KIND_BSTR && id == FLENT_ID_DEFERRED_BYTES && io->GetDeferredPos() == -1) {
                // The first byte string 580 is left where it is; its length field is noted.
                long pos = io->Tell(id);
                if (pos >= 0)
                    io->SetDeferred(pos, wide ? 1 : 0);
                io->Skip(h, m_id, io->m_depth);
                continue;
            }
            bool read = filter == FLENT_FILTER_ALL || (filter == FLENT_FILTER_NO_PREVIEW && !IsPreviewText(id)) ||
                        (filter == FLENT_FILTER_PREVIEW && IsPreviewText(id));
            if (!read) {
                io->Skip(h, m_id, io->m_depth);
                continue;
            }
            if (wide) {
                DWORD len;
                if (!io->Read32(&len, id))
                    break;
                arg = static_cast<long long>(len) | FLENT_RD_LONGLEN;
            } else {
                WORD len;
                if (!io->Read16(&len, id))
                    break;
                arg = len;
            }
        } else if (element) {
            if (filter == FLENT_FILTER_PREVIEW) {
                io->Skip(h, m_id, io->m_depth);
                continue;
            }
            arg = FLENT_FILTER_ALL;
        } else if (large) {
            DWORD word;
            if (!io->Read32(&word, id))
                break;
            if (existing) {
                DWORD size = LargeKind(word) == FLENT_KIND_INT ? 2 : 4;
                io->Seek(static_cast<long>(1LL * (word & 0x3FFFFFFF) * size), SEEK_CUR, id);
                continue;
            }
            kind = LargeKind(word);
            arg = word & 0x3FFFFFFF;
        } else {
            // Small arrays (classes 2, 4, 6) and medium arrays (3, 5, 7).
            bool small = h.cls % 2 == 0;
            if (filter == FLENT_FILTER_PREVIEW && !(small && h.cls == 2)) {
                io->Skip(h, m_id, io->m_depth);
                continue;
            }
            if (small) {
                arg = h.code + 1;
            } else {
                WORD count;
                if (!io->Read16(&count, id))
                    break;
                arg = count | FLENT_RD_MEDIUM;
            }
        }

        FLENT* target = existing;
        if (target && target->m_kind != kind) {
            // Another kind under a repeated id: the new entity is dropped.
            FLENT_HDR rest = h;
            if (element || (h.cls == 0 && h.code == 1)) {
                io->Skip(rest, m_id, io->m_depth);
            } else {
                unsigned long long bytes = kind == FLENT_KIND_STR || kind == FLENT_KIND_BSTR
                                               ? (arg & 0xFFFFFFFF)
                                               : (arg & 0x3FFFFFFF) * (kind == FLENT_KIND_INT ? 2ULL : 4ULL);
                if (bytes)
                    io->Seek(static_cast<long>(bytes), SEEK_CUR, id);
            }
            continue;
        }
        if (!target) {
            target = NewEntity(kind, id);
            if (!target) {
                io->Log(FLENT_SEV_ERROR, element ? 39 : 30, id, m_id);
                break;
            }
            Append(target, FALSE);
            present.Add(id);
        }
        if (kind == FLENT_KIND_LST)
            lastList = static_cast<FLENT_BLK_LST*>(target);
        else if (kind == FLENT_KIND_BLK && target == existing)
            static_cast<FLENT_BLK*>(target)->Clear();  // a repeated block replaces the first
        target->Read(io, arg);
    }
    --io->m_depth;
    DeriveElementCount();
    return !io->IsFailed();
}

// An attribute marker (class 1): in variant 0 the whole header, else the id field. FALSE when
// the stream failed.
BOOL FLENT_BLK::ReadMarker(FLENT_IO* io, const FLENT_HDR& h)
{
    DWORD marker = io->GetVariant() == 0 ? ((h.cls << 13) | (h.code << 10) | h.id) : h.id;
    if (marker > 0x2000 && marker < 0x2400) {
        if (m_nameLen)
            io->Log(FLENT_SEV_WARNING, 3, m_id, 0);
        return ReadName(io, marker - 0x2000);
    }
    if (marker > 0x2400 && marker < 0x2800) {
        if (m_elemCount)
            io->Log(FLENT_SEV_WARNING, 2, m_id, 0);
        m_elemCount = static_cast<WORD>(marker - 0x2400);
    } else if (marker >= 0x2800 && marker < 0x3000 && (marker & 0xFF)) {
        int i = (marker - 0x2800) >> 8;
        if (m_flags[i])
            io->Log(FLENT_SEV_WARNING, 1, m_id, 0);
        m_flags[i] = static_cast<BYTE>(marker & 0xFF);
    }
    return TRUE;
}

// Reads n name bytes (1 to 1023) straight into a new name buffer: nothing of the size of a
// name sits on the frames of the recursive block reader.
BOOL FLENT_BLK::ReadName(FLENT_IO* io, DWORD n)
{
    bool pooled = false;
    char* name = static_cast<char*>(flent_heap::AllocPayload(size_t(n) + 1, &pooled));
    if (!name) {
        io->Log(FLENT_SEV_ERROR, 30, m_id, m_id);
        return FALSE;
    }
    if (!io->ReadRun(name, n, m_id, 14)) {
        flent_heap::FreePayload(name, pooled);
        return FALSE;
    }
    name[n] = '\0';
    SetName(nullptr, 0);
    m_name = name;
    m_nameLen = static_cast<WORD>(n);
    if (pooled)
        m_store |= kPooled;
    return TRUE;
}

// Empties the block (children, name, count and flags) before a repeated block is read into it.
void FLENT_BLK::Clear() noexcept
{
    FLENT* c = m_first;
    while (c) {
        FLENT* next = c->m_next;
        delete c;
        c = next;
    }
    m_first = m_last = nullptr;
    SetName(nullptr, 0);
    std::memset(m_flags, 0, sizeof m_flags);
    m_elemCount = 0;
}

// Block 3 keeps counts from 1024 to 16383 that its marker cannot carry: they follow from its
// text 95 (n bytes), its 32-bit array 98 (n values) and its float array 94 (2n values).
void FLENT_BLK::DeriveElementCount() noexcept
{
    if (m_id != 3 || m_elemCount != 0)
        return;
    FLENT_FLT* f = FindFloat(94);
    FLENT_LNG* l = FindLong(98);
    FLENT_STR* t = FindText(95);
    if (!f || !l || !t)
        return;
    DWORD n = t->GetLength();
    if (n >= 1024 && n <= 16383 && l->GetCount() == n && f->GetCount() == 2 * n)
        m_elemCount = static_cast<WORD>(n);
}
