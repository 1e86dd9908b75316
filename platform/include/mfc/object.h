#pragma once
// CObject and run-time class information: CRuntimeClass records, the process-wide class
// registry (classes are created by name when archives are loaded), and the DECLARE_/IMPLEMENT_
// macros of MFC.
//
// Class records are plain aggregates initialised by constants, so they exist before any code of
// the process runs; there is no static-initialisation order to get wrong. IMPLEMENT_DYNAMIC,
// IMPLEMENT_DYNCREATE and IMPLEMENT_SERIAL also define a namespace-scope registrar object that
// links the record into the registry when its module is loaded and unlinks it when the module is
// unloaded (the extension-library chain of the Windows programs).
#include <cstddef>

#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CObject;
class CArchive;
class CDumpContext;
class CFile;

// Positions of the collection classes.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Marks a schema as versionable: objects of other schemas are still loaded, and the class reads
// the stored schema with CArchive::GetObjectSchema.
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that are not serialisable
    CObject* (*m_pfnCreateObject)(); // null for classes that cannot be created dynamically
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass; // the registry's chain

    // A new object of this class, or null when the class cannot be created dynamically or the
    // allocation fails.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The registered class of that name (case-sensitive), or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    // A new object of the registered class of that name, or null.
    static CObject* CreateObject(LPCSTR lpszClassName);

    // Archive form of a class: schema (WORD), name length (WORD), name characters.
    void Store(CArchive& ar) const;
    // Reads a class record; null when the name is too long (64 characters or more) or names no
    // registered class. A short archive throws CArchiveException::endOfFile.
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Links a class record into the registry; registering a record twice changes nothing.
void AfxClassInit(CRuntimeClass* pNewClass);
// Unlinks a class record (its module is going away).
void AfxClassTerm(CRuntimeClass* pClass);

// The registrar of one class: registers in its constructor, unregisters in its destructor.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass) { AfxClassInit(pNewClass); }
    ~AFX_CLASSINIT() { AfxClassTerm(m_pClass); }
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;
    CRuntimeClass* m_pClass;
};

class CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

protected:
    CObject() = default;
    // Copying a CObject copies nothing; this lets value classes derived from it keep their
    // implicit copies. The collection classes forbid copying themselves.
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;

public:
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();
};

inline CObject::~CObject() = default;

// The object when it is of class pClass or derived from it, else null.
CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
// Reads an object of class pClass from an archive (the operator>> of DECLARE_SERIAL).
CObject* AfxReadObject(CArchive& ar, const CRuntimeClass* pClass);

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())
#define _RUNTIME_CLASS(class_name) (&class_name::class##class_name)
#define DYNAMIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    static CRuntimeClass* GetThisClass(); \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, static_cast<int>(sizeof(class_name)), (wSchema), (pfnNew), \
        &base_class_name::class##base_class_name, nullptr}; \
    CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; } \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; } \
    static const AFX_CLASSINIT _afx_init_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb) \
    { \
        pOb = (class_name*)AfxReadObject(ar, RUNTIME_CLASS(class_name)); \
        return ar; \
    }

// Diagnostic output: text written to a file, or to the standard error stream without one.
class CDumpContext {
public:
    explicit CDumpContext(CFile* pFile = nullptr) : m_pFile(pFile) {}

    int GetDepth() const { return m_nDepth; }
    void SetDepth(int nNewDepth) { m_nDepth = nNewDepth; }

    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(const void* lp);
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);
    CDumpContext& operator<<(BYTE by);
    CDumpContext& operator<<(WORD w);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(UINT u);
    CDumpContext& operator<<(LONGLONG n);
    CDumpContext& operator<<(ULONGLONG n);
    CDumpContext& operator<<(double d);
    CDumpContext& DumpAsHex(LONGLONG n);
    void HexDump(LPCSTR lpszLine, const BYTE* pby, int nBytes, int nWidth);
    void Flush();

private:
    void OutputString(LPCSTR lpsz);

    CFile* m_pFile;
    int m_nDepth = 0;
};

extern CDumpContext afxDump;

MISC_PUBLIC_END
