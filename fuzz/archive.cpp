// Fuzzes the archive reader: strings of both widths, counts, objects with class records and
// references, and the collections' Serialize, over a memory file. The first byte picks the step
// to start at; the steps then run in order over the same archive until one throws.
// Every object the archive creates is freed through CArchive::GetLoadedObjects (the classes
// here do not own one another).
#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class CFuzzItem : public CObject {
    DECLARE_SERIAL(CFuzzItem)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_name << m_n << m_d << m_pLink;
        } else {
            ar >> m_name >> m_n >> m_d >> m_pLink;
        }
    }
    CString m_name;
    LONG m_n = 0;
    double m_d = 0;
    CObject* m_pLink = nullptr; // not owned
};
IMPLEMENT_SERIAL(CFuzzItem, CObject, 1)

// Reads whatever schema it finds.
class CFuzzVersioned : public CObject {
    DECLARE_SERIAL(CFuzzVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading() && ar.GetObjectSchema() >= 2)
            ar >> m_text;
    }
    CString m_text;
};
IMPLEMENT_SERIAL(CFuzzVersioned, CObject, VERSIONABLE_SCHEMA | 2)

struct Pt {
    double x;
    double y;
};

void RunSteps(CArchive& ar, int first)
{
    CStringArray strings;
    CObArray objects;
    CObList objectList;
    CStringList stringList;
    CMapStringToString pairs;
    CMapStringToOb named;
    CDWordArray dwords;
    CArray<Pt, const Pt&> points;
    CString s;
    char line[64];
    for (int step = first; step < 12; ++step) {
        switch (step) {
        case 0:
            strings.Serialize(ar);
            break;
        case 1:
            objects.Serialize(ar);
            break;
        case 2: {
            DWORD_PTR n = ar.ReadCount();
            for (DWORD_PTR i = 0; i < n; ++i)
                ar >> s;
            break;
        }
        case 3:
            objectList.Serialize(ar);
            break;
        case 4:
            stringList.Serialize(ar);
            break;
        case 5:
            pairs.Serialize(ar);
            break;
        case 6:
            named.Serialize(ar);
            break;
        case 7:
            dwords.Serialize(ar);
            break;
        case 8:
            points.Serialize(ar);
            break;
        case 9: {
            CFuzzItem* item = nullptr;
            ar >> item;
            UINT schema = 0;
            ar.ReadClass(nullptr, &schema);
            break;
        }
        case 10:
            ar.ReadString(s);
            ar.ReadString(line, sizeof(line));
            break;
        default:
            ar.ReadObject(RUNTIME_CLASS(CFuzzVersioned));
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    int first = data[0] % 12;
    std::vector<BYTE> bytes(data + 1, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, 256);
    try {
        RunSteps(ar, first);
    } catch (CException* e) {
        char message[256];
        e->GetErrorMessage(message, sizeof(message));
        e->Delete();
    }
    for (CObject* pOb : ar.GetLoadedObjects())
        delete pOb;
    return 0;
}
