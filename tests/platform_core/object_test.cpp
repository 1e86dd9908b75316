// Run-time classes, the class registry, dynamic creation by name, and the exception classes.
#include <afx.h>
#include <afxcoll.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "archive_test_util.h"

using namespace arc_test;

namespace {

class CObjShape : public CObject {
    DECLARE_DYNAMIC(CObjShape)
public:
    CObjShape() = default;
};
IMPLEMENT_DYNAMIC(CObjShape, CObject)

class CObjCircle : public CObjShape {
    DECLARE_DYNCREATE(CObjCircle)
public:
    CObjCircle() = default;
};
IMPLEMENT_DYNCREATE(CObjCircle, CObjShape)

class CObjSquare : public CObjShape {
    DECLARE_SERIAL(CObjSquare)
public:
    CObjSquare() = default;
    int m_side = 0;
};
IMPLEMENT_SERIAL(CObjSquare, CObjShape, 4)

// Counts live instances, to see that exceptions are deleted exactly once.
class CObjCountedException : public CException {
public:
    CObjCountedException() { ++s_live; }
    ~CObjCountedException() override { --s_live; }
    static int s_live;
};
int CObjCountedException::s_live = 0;

} // namespace

TEST(RuntimeClass, RecordsAndDerivation)
{
    CRuntimeClass* square = RUNTIME_CLASS(CObjSquare);
    EXPECT_STREQ(square->m_lpszClassName, "CObjSquare");
    EXPECT_EQ(square->m_nObjectSize, static_cast<int>(sizeof(CObjSquare)));
    EXPECT_EQ(square->m_wSchema, 4u);
    EXPECT_EQ(square->m_pBaseClass, RUNTIME_CLASS(CObjShape));
    EXPECT_EQ(RUNTIME_CLASS(CObjShape)->m_wSchema, 0xFFFFu);
    EXPECT_EQ(RUNTIME_CLASS(CObjShape)->m_pfnCreateObject, nullptr);

    CObjSquare sq;
    CObjCircle circle;
    CObject* pOb = &sq;
    EXPECT_EQ(pOb->GetRuntimeClass(), square);
    EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CObjShape)));
    EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pOb->IsKindOf(RUNTIME_CLASS(CObjCircle)));
    EXPECT_FALSE(pOb->IsKindOf(nullptr));
    EXPECT_TRUE(pOb->IsSerializable());
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjSquare, pOb), &sq);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjCircle, pOb), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObjShape, static_cast<CObject*>(&circle)), &circle);
    EXPECT_EQ(STATIC_DOWNCAST(CObjSquare, pOb), &sq);
}

TEST(RuntimeClass, CreationByName)
{
    struct {
        const char* name;
        CRuntimeClass* cls; // null: cannot be created
    } const cases[] = {
        {"CObjSquare", RUNTIME_CLASS(CObjSquare)},
        {"CObjCircle", RUNTIME_CLASS(CObjCircle)},
        {"CObArray", RUNTIME_CLASS(CObArray)},
        {"CStringArray", RUNTIME_CLASS(CStringArray)},
        {"CMapStringToString", RUNTIME_CLASS(CMapStringToString)},
        {"CObjShape", nullptr},
        {"CObject", nullptr},
        {"CObjSquareX", nullptr},
        {"objsquare", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CObject* pOb = CRuntimeClass::CreateObject(c.name);
        if (c.cls == nullptr) {
            EXPECT_EQ(pOb, nullptr);
            continue;
        }
        ASSERT_NE(pOb, nullptr);
        EXPECT_EQ(pOb->GetRuntimeClass(), c.cls);
        EXPECT_EQ(CRuntimeClass::FromName(c.name), c.cls);
        delete pOb;
    }
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

TEST(RuntimeClass, UnregisteredClassesAreNotFound)
{
    CRuntimeClass* square = RUNTIME_CLASS(CObjSquare);
    AfxClassTerm(square);
    EXPECT_EQ(CRuntimeClass::FromName("CObjSquare"), nullptr);
    EXPECT_NE(CRuntimeClass::FromName("CObjCircle"), nullptr);
    AfxClassInit(square);
    AfxClassInit(square); // twice changes nothing
    EXPECT_EQ(CRuntimeClass::FromName("CObjSquare"), square);
    AfxClassTerm(square);
    EXPECT_EQ(CRuntimeClass::FromName("CObjSquare"), nullptr);
    AfxClassInit(square);
}

TEST(Exceptions, ThrownAsPointersWithTheirCauses)
{
    try {
        AfxThrowFileException(CFileException::fileNotFound, 2, "/tmp/x.dat");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        auto* fe = static_cast<CFileException*>(e);
        EXPECT_EQ(fe->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(fe->m_lOsError, 2);
        EXPECT_TRUE(fe->m_strFileName == "/tmp/x.dat");
        char msg[64];
        UINT help = 99;
        EXPECT_TRUE(e->GetErrorMessage(msg, sizeof(msg), &help));
        EXPECT_STREQ(msg, "/tmp/x.dat was not found.");
        EXPECT_EQ(help, 0u);
        char tiny[5];
        EXPECT_TRUE(e->GetErrorMessage(tiny, sizeof(tiny)));
        EXPECT_STREQ(tiny, "/tmp");
        e->Delete();
    }
    EXPECT_EQ(ThrownClass([] { AfxThrowArchiveException(CArchiveException::badClass); }),
              RUNTIME_CLASS(CArchiveException));
    EXPECT_EQ(ThrownClass([] { AfxThrowMemoryException(); }), RUNTIME_CLASS(CMemoryException));
    EXPECT_EQ(ThrownClass([] { AfxThrowUserException(); }), RUNTIME_CLASS(CUserException));
    EXPECT_EQ(ThrownClass([] { AfxThrowInvalidArgException(); }), RUNTIME_CLASS(CInvalidArgException));
    EXPECT_EQ(ThrownClass([] { AfxThrowNotSupportedException(); }), RUNTIME_CLASS(CNotSupportedException));
}

TEST(Exceptions, MessagesOfEachKind)
{
    char msg[256];
    CArchiveException unnamed(CArchiveException::badSchema);
    ASSERT_TRUE(unnamed.GetErrorMessage(msg, sizeof(msg)));
    EXPECT_STREQ(msg, "an unnamed file contains an incorrect schema.");
    CFileException outOfRange(1234, -1, "f");
    ASSERT_TRUE(outOfRange.GetErrorMessage(msg, sizeof(msg)));
    EXPECT_STREQ(msg, "An unexpected error occurred while accessing f.");
    CMemoryException memory;
    ASSERT_TRUE(memory.GetErrorMessage(msg, sizeof(msg)));
    EXPECT_STREQ(msg, "Out of memory.");
    CUserException user;
    EXPECT_FALSE(user.GetErrorMessage(msg, sizeof(msg)));
    EXPECT_STREQ(msg, "");
    EXPECT_FALSE(memory.GetErrorMessage(msg, 0));
}

TEST(Exceptions, ReportErrorShowsTheMessage)
{
    MiscClearMessageBoxLog();
    CFileException e(CFileException::accessDenied, 13, "doc.fpf");
    EXPECT_EQ(e.ReportError(), IDOK);
    CUserException user;
    user.ReportError(MB_OKCANCEL);
    auto log = MiscMessageBoxLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, "Access to doc.fpf was denied.");
    EXPECT_EQ(log[1].text, "No error message is available.");
    EXPECT_EQ(log[1].type & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL));
}

TEST(Exceptions, TryCatchMacrosDeleteTheExceptionOnce)
{
    CObjCountedException::s_live = 0;
    bool caught = false;
    TRY {
        throw new CObjCountedException;
    }
    CATCH(CArchiveException, e) {
        FAIL() << "wrong handler";
    }
    AND_CATCH(CException, e) {
        caught = true;
        EXPECT_EQ(CObjCountedException::s_live, 1);
    }
    END_CATCH
    EXPECT_TRUE(caught);
    EXPECT_EQ(CObjCountedException::s_live, 0);

    // A handler that deletes its exception itself.
    TRY {
        throw new CObjCountedException;
    }
    CATCH_ALL(e) {
        e->Delete();
    }
    END_CATCH_ALL
    EXPECT_EQ(CObjCountedException::s_live, 0);

    // THROW_LAST passes the exception on to the outer handler, which owns it then.
    CException* outer = nullptr;
    try {
        TRY {
            throw new CObjCountedException;
        }
        CATCH_ALL(e) {
            THROW_LAST();
        }
        END_CATCH_ALL
    } catch (CException* e) {
        outer = e;
    }
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(CObjCountedException::s_live, 1);
    outer->Delete();
    EXPECT_EQ(CObjCountedException::s_live, 0);
}

TEST(Exceptions, FileErrnoCauses)
{
    struct {
        int err;
        int cause;
    } const table[] = {
        {0, CFileException::none},
        {ENOENT, CFileException::fileNotFound},
        {ENOTDIR, CFileException::badPath},
        {EMFILE, CFileException::tooManyOpenFiles},
        {EACCES, CFileException::accessDenied},
        {EISDIR, CFileException::accessDenied},
        {EBADF, CFileException::invalidFile},
        {EIO, CFileException::hardIO},
        {ENOSPC, CFileException::diskFull},
        {EPIPE, CFileException::genericException},
    };
    for (const auto& row : table)
        EXPECT_EQ(CFileException::ErrnoToException(row.err), row.cause) << row.err;
}
