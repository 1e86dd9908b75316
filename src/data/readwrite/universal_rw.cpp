#include "misc/data/readwrite.h"

#include <cstring>

#include "../versions/storage_owner.h"

CUniversalReadWrite::CUniversalReadWrite() : m_pTempFile(nullptr), m_szTempFileName{}, m_bSharedTempFile(false) {}

CUniversalReadWrite::CUniversalReadWrite(const CUniversalReadWrite& other)
    : m_pTempFile(other.m_pTempFile), m_bSharedTempFile(other.m_pTempFile != nullptr)
{
    std::memcpy(m_szTempFileName, other.m_szTempFileName, sizeof m_szTempFileName);
}

CUniversalReadWrite& CUniversalReadWrite::operator=(const CUniversalReadWrite& other)
{
    if (this == &other)
        return *this;
    CloseTempFile();
    m_pTempFile = other.m_pTempFile;
    m_bSharedTempFile = other.m_pTempFile != nullptr;
    std::memcpy(m_szTempFileName, other.m_szTempFileName, sizeof m_szTempFileName);
    return *this;
}

// A derived class is gone by now, so this closes through the library's own fclose.
CUniversalReadWrite::~CUniversalReadWrite()
{
    CloseTempFile();
    versions_detail::WriterGone(this);
}

void CUniversalReadWrite::put_str(char*, FILE*) {}
void CUniversalReadWrite::put_string(char*, FILE*) {}
void CUniversalReadWrite::put_char(char, FILE*) {}
void CUniversalReadWrite::put_long(long, FILE*) {}
int CUniversalReadWrite::get_char(FILE*) { return 0; }
char* CUniversalReadWrite::get_str(FILE*, char*, int) { return nullptr; }
long CUniversalReadWrite::get_long(FILE*) { return 0; }
long CUniversalReadWrite::ftellData(FILE*) { return 0; }
int CUniversalReadWrite::fseekData(FILE*, long, int) { return 0; }
void CUniversalReadWrite::rewind(FILE*) {}
unsigned CUniversalReadWrite::fread(void*, unsigned, unsigned, FILE*) { return 0; }
unsigned CUniversalReadWrite::fwrite(const void*, unsigned, unsigned, FILE*) { return 0; }

int CUniversalReadWrite::fclose(FILE* file)
{
    return file ? std::fclose(file) : EOF;
}

FILE* CUniversalReadWrite::GetTempfile()
{
    char folder[256];
    DWORD len = GetTempPathA(sizeof folder, folder);
    if (len == 0 || len >= sizeof folder)
        return nullptr;
    char name[MAX_PATH];
    if (GetTempFileNameA(folder, "NEW", 0, name) == 0)
        return nullptr;
    SetTempFile(std::fopen(name, "w+b"), name);
    return m_pTempFile;
}

bool CUniversalReadWrite::CloseTempFile()
{
    if (!m_pTempFile)
        return false;
    FILE* file = m_pTempFile;
    m_pTempFile = nullptr;
    if (!m_bSharedTempFile) {
        versions_detail::TempFileClosed(file);
        fclose(file);
    }
    m_bSharedTempFile = false;
    return true;
}

void CUniversalReadWrite::SetTempFile(FILE* file, const char* name)
{
    if (m_pTempFile && m_pTempFile != file && !m_bSharedTempFile)
        versions_detail::TempFileDetached(this, m_pTempFile);
    m_pTempFile = file;
    m_bSharedTempFile = false;
    std::memset(m_szTempFileName, 0, sizeof m_szTempFileName);
    if (name)
        std::strncpy(m_szTempFileName, name, sizeof m_szTempFileName - 1);
}
