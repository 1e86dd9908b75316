// Blocks and lists: the tree structure, building, lookup, copying and writing.
#include "misc/data/entity.h"

#include <cstdlib>
#include <cstring>

#include "entity_heap.h"

namespace {

constexpr BYTE kPooled = 1;

// A deep copy of any entity of the library's classes; null when memory ran out.
FLENT* Clone(const FLENT* e)
{
    switch (e->GetKind()) {
    case FLENT_KIND_INT:
        return new FLENT_INT(*static_cast<const FLENT_INT*>(e));
    case FLENT_KIND_FLT:
        return new FLENT_FLT(*static_cast<const FLENT_FLT*>(e));
    case FLENT_KIND_STR:
        return new FLENT_STR(*static_cast<const FLENT_STR*>(e));
    case FLENT_KIND_LNG:
        return new FLENT_LNG(*static_cast<const FLENT_LNG*>(e));
    case FLENT_KIND_BLK:
        return new FLENT_BLK(*static_cast<const FLENT_BLK*>(e));
    case FLENT_KIND_LST:
        return new FLENT_BLK_LST(*static_cast<const FLENT_BLK_LST*>(e));
    case FLENT_KIND_BSTR:
        return new FLENT_BSTR(*static_cast<const FLENT_BSTR*>(e));
    default:
        return nullptr;
    }
}

template <class E, class T>
BOOL AddArrayChild(FLENT_BLK* block, DWORD id, const T* values, DWORD count, BOOL adopt, BOOL front)
{
    if (count == 0 || !values) {
        if (adopt)
            std::free(const_cast<T*>(values));
        return TRUE;
    }
    E* e = new E(id);
    if (!e)
        return FALSE;
    if (!e->SetValues(values, count, adopt)) {
        delete e;
        return FALSE;
    }
    return block->Insert(e, front);
}

template <class E, class T>
BOOL AddTuple(FLENT_BLK* block, DWORD id, std::initializer_list<T> values, BOOL front)
{
    if (values.size() < 2 || values.size() > 8)
        return FALSE;
    return AddArrayChild<E>(block, id, values.begin(), static_cast<DWORD>(values.size()), FALSE, front);
}

template <class E>
BOOL AddStringChild(FLENT_BLK* block, DWORD id, const void* data, DWORD len, BOOL adopt, BOOL front)
{
    if (len == 0 || !data) {
        if (adopt)
            std::free(const_cast<void*>(data));
        return TRUE;
    }
    E* e = new E(id);
    if (!e)
        return FALSE;
    if (!e->SetData(data, len, adopt)) {
        delete e;
        return FALSE;
    }
    return block->Insert(e, front);
}

} // namespace

// --- FLENT_BLK -----------------------------------------------------------------------------

FLENT_BLK::FLENT_BLK(DWORD id) noexcept
    : FLENT(id, FLENT_KIND_BLK), m_first(nullptr), m_last(nullptr), m_flags{}, m_elemCount(0),
      m_nameLen(0), m_name(nullptr)
{
}

FLENT_BLK::FLENT_BLK(const FLENT_BLK& other) noexcept
    : FLENT(other), m_first(nullptr), m_last(nullptr), m_flags{}, m_elemCount(other.m_elemCount),
      m_nameLen(0), m_name(nullptr)
{
    std::memcpy(m_flags, other.m_flags, sizeof m_flags);
    SetName(other.m_name, other.m_nameLen);
    for (FLENT* c = other.m_first; c; c = c->m_next) {
        FLENT* copy = Clone(c);
        if (!copy)
            break;
        Append(copy, FALSE);
    }
}

FLENT_BLK::~FLENT_BLK()
{
    flent_heap::FreePayload(m_name, (m_store & kPooled) != 0);
    FLENT* c = m_first;
    while (c) {
        FLENT* next = c->m_next;
        delete c;
        c = next;
    }
}

BOOL FLENT_BLK::SetName(const char* name) noexcept
{
    return SetName(name, name ? static_cast<int>(strnlen(name, 1023)) : 0);
}

BOOL FLENT_BLK::SetName(const char* name, int len) noexcept
{
    flent_heap::FreePayload(m_name, (m_store & kPooled) != 0);
    m_store &= static_cast<BYTE>(~kPooled);
    m_name = nullptr;
    m_nameLen = 0;
    if (!name || len <= 0)
        return TRUE;
    if (len > 1023)
        len = 1023;
    bool pooled = false;
    m_name = static_cast<char*>(flent_heap::AllocPayload(size_t(len) + 1, &pooled));
    if (!m_name)
        return FALSE;
    if (pooled)
        m_store |= kPooled;
    std::memcpy(m_name, name, len);
    m_name[len] = '\0';
    m_nameLen = static_cast<WORD>(len);
    return TRUE;
}

void FLENT_BLK::Append(FLENT* child, BOOL front) noexcept
{
    child->m_parent = this;
    if (front) {
        child->m_next = m_first;
        m_first = child;
        if (!m_last)
            m_last = child;
    } else {
        child->m_next = nullptr;
        if (m_last)
            m_last->m_next = child;
        else
            m_first = child;
        m_last = child;
    }
}

BOOL FLENT_BLK::Insert(FLENT* child, BOOL front) noexcept
{
    if (child)
        Append(child, front);
    return TRUE;
}

BOOL FLENT_BLK::Remove(FLENT* child) noexcept
{
    FLENT* prev = nullptr;
    for (FLENT* c = m_first; c; prev = c, c = c->m_next) {
        if (c != child)
            continue;
        (prev ? prev->m_next : m_first) = c->m_next;
        if (m_last == c)
            m_last = prev;
        c->m_next = nullptr;
        c->m_parent = nullptr;
        return TRUE;
    }
    return FALSE;
}

BOOL FLENT_BLK::AddText(DWORD id, const char* text, BOOL front) noexcept
{
    return AddTextBuf(id, text, text ? static_cast<DWORD>(std::strlen(text)) : 0, FALSE, front);
}

BOOL FLENT_BLK::AddTextBuf(DWORD id, const char* data, DWORD len, BOOL adopt, BOOL front) noexcept
{
    return AddStringChild<FLENT_STR>(this, id, data, len, adopt, front);
}

BOOL FLENT_BLK::AddBytes(DWORD id, const char* text, BOOL front) noexcept
{
    return AddBytesBuf(id, text, text ? static_cast<DWORD>(std::strlen(text)) : 0, FALSE, front);
}

BOOL FLENT_BLK::AddBytesBuf(DWORD id, const void* data, DWORD len, BOOL adopt, BOOL front) noexcept
{
    return AddStringChild<FLENT_BSTR>(this, id, data, len, adopt, front);
}

BOOL FLENT_BLK::AddInt(DWORD id, WORD value, BOOL front) noexcept
{
    return value == 0 || AddArrayChild<FLENT_INT>(this, id, &value, 1, FALSE, front);
}

BOOL FLENT_BLK::AddLong(DWORD id, LONG value, BOOL front) noexcept
{
    return value == 0 || AddArrayChild<FLENT_LNG>(this, id, &value, 1, FALSE, front);
}

BOOL FLENT_BLK::AddFloat(DWORD id, float value, BOOL front) noexcept
{
    return value == 0.0f || AddArrayChild<FLENT_FLT>(this, id, &value, 1, FALSE, front);
}

BOOL FLENT_BLK::AddIntArray(DWORD id, const WORD* values, DWORD count, BOOL adopt, BOOL front) noexcept
{
    return AddArrayChild<FLENT_INT>(this, id, values, count, adopt, front);
}

BOOL FLENT_BLK::AddLongArray(DWORD id, const LONG* values, DWORD count, BOOL adopt, BOOL front) noexcept
{
    return AddArrayChild<FLENT_LNG>(this, id, values, count, adopt, front);
}

BOOL FLENT_BLK::AddFloatArray(DWORD id, const float* values, DWORD count, BOOL adopt, BOOL front) noexcept
{
    return AddArrayChild<FLENT_FLT>(this, id, values, count, adopt, front);
}

BOOL FLENT_BLK::AddIntTuple(DWORD id, std::initializer_list<WORD> values, BOOL front) noexcept
{
    return AddTuple<FLENT_INT>(this, id, values, front);
}

BOOL FLENT_BLK::AddLongTuple(DWORD id, std::initializer_list<LONG> values, BOOL front) noexcept
{
    return AddTuple<FLENT_LNG>(this, id, values, front);
}

BOOL FLENT_BLK::AddFloatTuple(DWORD id, std::initializer_list<float> values, BOOL front) noexcept
{
    return AddTuple<FLENT_FLT>(this, id, values, front);
}

BOOL FLENT_BLK::AddToList(DWORD listId, FLENT_BLK* block, BOOL front) noexcept
{
    if (!block)
        return TRUE;
    FLENT_BLK_LST* list = FindList(listId);
    if (!list) {
        list = new FLENT_BLK_LST(listId);
        if (!list)
            return FALSE;
        Append(list, FALSE);
    }
    list->AddElement(block, front);
    return TRUE;
}

FLENT_BLK* FLENT_BLK::NewListElement(DWORD listId, BOOL front) noexcept
{
    FLENT_BLK* block = new FLENT_BLK(listId);
    if (block && !AddToList(listId, block, front)) {
        delete block;
        return nullptr;
    }
    return block;
}

// --- Lookup --------------------------------------------------------------------------------

FLENT* FLENT_BLK::Find(DWORD id, int kind) const noexcept
{
    id &= 0x3FF;
    for (FLENT* c = m_first; c; c = c->m_next) {
        if (c->m_id != id)
            continue;
        if (kind == FLENT_KIND_ANY || c->m_kind == kind || (kind == FLENT_KIND_BSTR && c->m_kind == FLENT_KIND_STR))
            return c;
    }
    return nullptr;
}

FLENT_BLK* FLENT_BLK::FindBlock(DWORD id) const noexcept { return static_cast<FLENT_BLK*>(Find(id, FLENT_KIND_BLK)); }
FLENT_INT* FLENT_BLK::FindInt(DWORD id) const noexcept { return static_cast<FLENT_INT*>(Find(id, FLENT_KIND_INT)); }
FLENT_LNG* FLENT_BLK::FindLong(DWORD id) const noexcept { return static_cast<FLENT_LNG*>(Find(id, FLENT_KIND_LNG)); }
FLENT_FLT* FLENT_BLK::FindFloat(DWORD id) const noexcept { return static_cast<FLENT_FLT*>(Find(id, FLENT_KIND_FLT)); }
FLENT_BLK_LST* FLENT_BLK::FindList(DWORD id) const noexcept { return static_cast<FLENT_BLK_LST*>(Find(id, FLENT_KIND_LST)); }

FLENT_STR* FLENT_BLK::FindText(DWORD id) const noexcept
{
    id &= 0x3FF;
    for (FLENT* c = m_first; c; c = c->m_next)
        if (c->m_id == id && (c->m_kind == FLENT_KIND_STR || c->m_kind == FLENT_KIND_BSTR))
            return static_cast<FLENT_STR*>(c);
    return nullptr;
}

DWORD FLENT_BLK::GetText(DWORD id, const char** data) const noexcept
{
    FLENT_STR* s = FindText(id);
    if (data)
        *data = s ? s->GetData() : nullptr;
    return s ? s->GetLength() : 0;
}

WORD FLENT_BLK::GetInt(DWORD id) const noexcept { return GetIntAt(id, 0); }
LONG FLENT_BLK::GetLong(DWORD id) const noexcept { return GetLongAt(id, 0); }

float FLENT_BLK::GetFloat(DWORD id) const noexcept
{
    FLENT_FLT* f = FindFloat(id);
    return f ? f->GetAt(0) : 0.0f;
}

WORD FLENT_BLK::GetIntAt(DWORD id, DWORD i) const noexcept
{
    FLENT_INT* a = FindInt(id);
    return a ? a->GetAt(i) : 0;
}

LONG FLENT_BLK::GetLongAt(DWORD id, DWORD i) const noexcept
{
    FLENT_LNG* a = FindLong(id);
    return a ? a->GetAt(i) : 0;
}

DWORD FLENT_BLK::GetIntCount(DWORD id) const noexcept
{
    FLENT_INT* a = FindInt(id);
    return a ? a->GetCount() : 0;
}

DWORD FLENT_BLK::GetLongCount(DWORD id) const noexcept
{
    FLENT_LNG* a = FindLong(id);
    return a ? a->GetCount() : 0;
}

DWORD FLENT_BLK::GetFloatCount(DWORD id) const noexcept
{
    FLENT_FLT* a = FindFloat(id);
    return a ? a->GetCount() : 0;
}

DWORD FLENT_BLK::GetListCount(DWORD id) const noexcept
{
    FLENT_BLK_LST* l = FindList(id);
    return l ? l->GetCount() : 0;
}

FLENT_BLK* FLENT_BLK::GetList(DWORD id, int* count) const noexcept
{
    FLENT_BLK_LST* l = FindList(id);
    if (count)
        *count = l ? l->GetCount() : 0;
    return l ? l->GetFirstElement() : nullptr;
}

FLENT_BLK* FLENT_BLK::GetListElement(DWORD id, int i) const noexcept
{
    FLENT_BLK_LST* l = FindList(id);
    return l ? l->GetElement(i) : nullptr;
}

// --- Writing -------------------------------------------------------------------------------

BOOL FLENT_BLK::Write(FLENT_IO* io) { return WriteBlock(io, FALSE); }

BOOL FLENT_BLK::WriteBlock(FLENT_IO* io, BOOL asElement)
{
    if (io->IsFailed() || !io->WriteHeader(0, asElement ? 4 : 1, m_id))
        return FALSE;
    if (m_name && m_nameLen) {
        if (m_nameLen >= 1024) {
            io->Log(FLENT_SEV_ERROR, 7, m_id, 1);
            return FALSE;
        }
        if (!io->WriteMarker(static_cast<WORD>(0x2000 + m_nameLen), m_id) || !io->WriteRun(m_name, m_nameLen, m_id))
            return FALSE;
    }
    if (m_elemCount >= 1 && m_elemCount <= 1023 && !io->WriteMarker(static_cast<WORD>(0x2400 + m_elemCount), m_id))
        return FALSE;
    for (int i = 0; i < 8; ++i)
        if (m_flags[i] && !io->WriteMarker(static_cast<WORD>(0x2800 + (i << 8) + m_flags[i]), m_id))
            return FALSE;
    for (FLENT* c = m_first; c && !io->IsFailed(); c = c->m_next) {
        if (c->m_kind == FLENT_KIND_BLK)
            static_cast<FLENT_BLK*>(c)->WriteBlock(io, FALSE);
        else
            c->Write(io);
    }
    return io->WriteHeader(0, 0, 0);
}

// --- FLENT_BLK_LST -------------------------------------------------------------------------

FLENT_BLK_LST::FLENT_BLK_LST(DWORD id) noexcept
    : FLENT(id, FLENT_KIND_LST), m_first(nullptr), m_last(nullptr), m_count(0)
{
}

FLENT_BLK_LST::FLENT_BLK_LST(const FLENT_BLK_LST& other) noexcept
    : FLENT(other), m_first(nullptr), m_last(nullptr), m_count(0)
{
    for (FLENT_BLK* e = other.m_first; e; e = static_cast<FLENT_BLK*>(e->m_next)) {
        FLENT_BLK* copy = new FLENT_BLK(*e);
        if (!copy)
            break;
        AddElement(copy, FALSE);
    }
}

FLENT_BLK_LST::~FLENT_BLK_LST()
{
    FLENT* e = m_first;
    while (e) {
        FLENT* next = e->m_next;
        delete e;
        e = next;
    }
}

void FLENT_BLK_LST::AddElement(FLENT_BLK* block, BOOL front) noexcept
{
    block->m_id = m_id;
    block->m_parent = this;
    if (front) {
        block->m_next = m_first;
        m_first = block;
        if (!m_last)
            m_last = block;
    } else {
        block->m_next = nullptr;
        if (m_last)
            m_last->m_next = block;
        else
            m_first = block;
        m_last = block;
    }
    if (m_count < 0xFFFF)
        ++m_count;
}

FLENT_BLK* FLENT_BLK_LST::GetElement(int i) const noexcept
{
    if (i < 0 || i >= m_count)
        return nullptr;
    FLENT* e = m_first;
    while (e && i-- > 0)
        e = e->m_next;
    return static_cast<FLENT_BLK*>(e);
}

BOOL FLENT_BLK_LST::Write(FLENT_IO* io)
{
    for (FLENT_BLK* e = m_first; e && !io->IsFailed(); e = static_cast<FLENT_BLK*>(e->m_next))
        e->WriteBlock(io, TRUE);
    return !io->IsFailed();
}

// Reads one element whose header (class 0, code 4) was just read, and adds it to the list.
BOOL FLENT_BLK_LST::Read(FLENT_IO* io, long long arg)
{
    FLENT_BLK* element = new FLENT_BLK(m_id);
    if (!element) {
        io->Log(FLENT_SEV_ERROR, 39, m_id, 0);
        return FALSE;
    }
    AddElement(element, FALSE);
    return element->Read(io, arg);
}
