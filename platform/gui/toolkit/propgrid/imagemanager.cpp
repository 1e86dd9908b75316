// Images by identifier for the property grid: each image is its own small bitmap, cut from a
// strip. Magenta (255, 0, 255) in a strip is transparent, as toolbar strips have it.
#include "toolkit/propertygrid.h"

#include "mfc/module.h"

#include <map>

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

struct Image {
    HBITMAP bitmap = nullptr;
    CSize size;
};

// A copy of the part (x, 0, size) of `source`.
HBITMAP CopySlice(HBITMAP source, int x, CSize size)
{
    HDC screen = ::GetDC(nullptr);
    HDC src = ::CreateCompatibleDC(screen);
    HDC dst = ::CreateCompatibleDC(screen);
    HBITMAP slice = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ oldSrc = ::SelectObject(src, source);
    HGDIOBJ oldDst = ::SelectObject(dst, slice);
    ::BitBlt(dst, 0, 0, size.cx, size.cy, src, x, 0, SRCCOPY);
    ::SelectObject(src, oldSrc);
    ::SelectObject(dst, oldDst);
    ::DeleteDC(src);
    ::DeleteDC(dst);
    ::ReleaseDC(nullptr, screen);
    return slice;
}

} // namespace

struct CXTPImageManager::Impl {
    std::map<std::pair<UINT, int>, Image> images; // (id, state)

    void Put(UINT id, int state, HBITMAP bitmap, CSize size)
    {
        Image& slot = images[{id, state}];
        if (slot.bitmap)
            ::DeleteObject(slot.bitmap);
        slot.bitmap = bitmap;
        slot.size = size;
    }
    const Image* Find(UINT id, int state) const
    {
        auto it = images.find({id, state});
        return it == images.end() ? nullptr : &it->second;
    }
    void Clear()
    {
        for (auto& [key, image] : images)
            if (image.bitmap)
                ::DeleteObject(image.bitmap);
        images.clear();
    }
};

CXTPImageManager::CXTPImageManager() : m_impl(std::make_unique<Impl>())
{
}

CXTPImageManager::~CXTPImageManager()
{
    m_impl->Clear();
}

BOOL CXTPImageManager::SetIcons(UINT bitmapId, const UINT* ids, int count, CSize size, XTPImageState state)
{
    HBITMAP strip = ::LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(bitmapId));
    if (!strip)
        return FALSE;
    BITMAP info{};
    ::GetObject(strip, sizeof info, &info);
    if (size.cy <= 0)
        size.cy = info.bmHeight;
    if (size.cx <= 0)
        size.cx = size.cy;
    for (int i = 0; ids && i < count && size.cx > 0; ++i) {
        const int x = i * size.cx;
        if (x + size.cx > info.bmWidth)
            break;
        m_impl->Put(ids[i], state, CopySlice(strip, x, size), size);
    }
    ::DeleteObject(strip);
    return TRUE;
}

BOOL CXTPImageManager::SetIcon(HBITMAP bitmap, UINT id, XTPImageState state)
{
    BITMAP info{};
    if (!bitmap || !::GetObject(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return FALSE;
    const CSize size(info.bmWidth, info.bmHeight);
    m_impl->Put(id, state, CopySlice(bitmap, 0, size), size);
    return TRUE;
}

BOOL CXTPImageManager::HasImage(UINT id) const
{
    return m_impl->Find(id, xtpImageNormal) != nullptr;
}

CSize CXTPImageManager::GetImageSize(UINT id) const
{
    const Image* image = m_impl->Find(id, xtpImageNormal);
    return image ? image->size : CSize(0, 0);
}

BOOL CXTPImageManager::DrawImage(CDC* dc, UINT id, CPoint pt, CSize size, BOOL disabled) const
{
    const Image* image = disabled ? m_impl->Find(id, xtpImageDisabled) : nullptr;
    if (!image)
        image = m_impl->Find(id, xtpImageNormal);
    if (!dc || !image)
        return FALSE;
    if (size.cx <= 0 || size.cy <= 0)
        size = image->size;
    HDC mem = ::CreateCompatibleDC(dc->GetSafeHdc());
    HGDIOBJ old = ::SelectObject(mem, image->bitmap);
    ::TransparentBlt(dc->GetSafeHdc(), pt.x, pt.y, size.cx, size.cy, mem, 0, 0, image->size.cx, image->size.cy, kMask);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    return TRUE;
}

void CXTPImageManager::RemoveAll()
{
    m_impl->Clear();
}
