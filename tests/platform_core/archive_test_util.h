#pragma once
// Helpers of the archive and collection tests: storing into bytes and loading from bytes.
#include <afx.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace arc_test {

using Bytes = std::vector<BYTE>;

inline Bytes B(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<BYTE>(v));
    return out;
}

inline Bytes Cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// Runs fn on a storing archive over a memory file and returns the bytes written.
template <class Fn>
Bytes Store(Fn&& fn, int bufSize = 4096)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, bufSize);
        fn(ar);
        ar.Close();
    }
    auto n = static_cast<size_t>(file.GetLength());
    BYTE* p = file.Detach();
    Bytes out(p, p + n);
    std::free(p);
    return out;
}

// Runs fn on a loading archive over a copy of the bytes; returns how many bytes were left.
template <class Fn>
size_t Load(const Bytes& bytes, Fn&& fn, int bufSize = 4096)
{
    Bytes copy = bytes;
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load, bufSize);
    fn(ar);
    ar.Close();
    return copy.size() - static_cast<size_t>(file.GetPosition());
}

// The cause of the CArchiveException that fn throws; -1 when it throws none, -2 for another
// kind of exception.
template <class Fn>
int ArchiveCause(Fn&& fn)
{
    try {
        fn();
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    } catch (CException* e) {
        e->Delete();
        return -2;
    }
    return -1;
}

// The run-time class of the CException that fn throws, or null.
template <class Fn>
CRuntimeClass* ThrownClass(Fn&& fn)
{
    try {
        fn();
    } catch (CException* e) {
        CRuntimeClass* c = e->GetRuntimeClass();
        e->Delete();
        return c;
    }
    return nullptr;
}

} // namespace arc_test
