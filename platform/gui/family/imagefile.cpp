// CImageFile: loading a picture file and keeping its pixels.
#include "family/imagefile.h"

#include <new>

#include "imagecodecs.h"
#include "mfc/exception.h"
#include "mfc/file.h"
#include "win32/system.h"

namespace miscimage {

bool SizeAllowed(uint64_t width, uint64_t height)
{
    return width >= 1 && height >= 1 && width <= static_cast<uint64_t>(CImageFile::kMaxSide) &&
           height <= static_cast<uint64_t>(CImageFile::kMaxSide) &&
           width * height <= static_cast<uint64_t>(CImageFile::kMaxPixels);
}

bool AllocatePixels(Decoded& out)
{
    if (!SizeAllowed(static_cast<uint64_t>(out.width), static_cast<uint64_t>(out.height)))
        return false;
    try {
        out.pixels.assign(static_cast<size_t>(out.width) * out.height * (out.alpha ? 4 : 3), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace miscimage

namespace {

// Reads a whole file of at most kMaxFileBytes; false when it cannot be read.
bool ReadWholeFile(const CString& path, std::vector<BYTE>& bytes)
{
    CFile file;
    const std::string native = MiscNativePath(path);
    if (!file.Open(native.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return false;
    try {
        const ULONGLONG length = file.GetLength();
        if (length == 0 || length > static_cast<ULONGLONG>(CImageFile::kMaxFileBytes))
            return false;
        bytes.resize(static_cast<size_t>(length));
        size_t done = 0;
        while (done < bytes.size()) {
            UINT n = file.Read(bytes.data() + done, static_cast<UINT>(bytes.size() - done));
            if (n == 0)
                break;
            done += n;
        }
        bytes.resize(done);
    } catch (CException* e) {
        e->Delete();
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return !bytes.empty();
}

} // namespace

void CImageFile::Clear()
{
    m_width = m_height = 0;
    m_alpha = 0;
    m_format = formatNone;
    m_ppmX = m_ppmY = 0;
    m_pixels.clear();
    m_pixels.shrink_to_fit();
    m_path.Empty();
}

bool CImageFile::LoadMemoryData(const BYTE* data, size_t size)
{
    using namespace miscimage;
    Clear();
    if (!data || size == 0)
        return false;
    Decoded out;
    Format format = formatNone;
    bool ok = false;
    if (IsPng(data, size)) {
        format = formatPng;
        ok = DecodePng(data, size, out);
    } else if (IsJpeg(data, size)) {
        format = formatJpeg;
        ok = DecodeJpeg(data, size, out);
    } else if (IsBmp(data, size)) {
        format = formatBmp;
        ok = DecodeBmpFile(data, size, out);
    }
    const size_t expected = static_cast<size_t>(out.width) * out.height * (out.alpha ? 4 : 3);
    if (!ok || !SizeAllowed(out.width, out.height) || out.pixels.size() != expected)
        return false;
    m_width = static_cast<WORD>(out.width);
    m_height = static_cast<WORD>(out.height);
    m_alpha = out.alpha ? 1 : 0;
    m_format = format;
    if (out.ppmX > 0 && out.ppmY > 0) {
        m_ppmX = out.ppmX;
        m_ppmY = out.ppmY;
    }
    m_pixels = std::move(out.pixels);
    return true;
}

bool CImageFile::LoadDiskData(const CGenString& path)
{
    Clear();
    std::vector<BYTE> bytes;
    if (path.IsEmpty() || !ReadWholeFile(path, bytes))
        return false;
    if (!LoadMemoryData(bytes.data(), bytes.size()))
        return false;
    m_path = path;
    return true;
}
