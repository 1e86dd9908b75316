// Title and preview: the preview block, the raster codec, the file title reader and the
// vector preview reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "entity_test_util.h"
#include "misc/data/preview.h"
#include "test_env.h"

using namespace entity_test;

namespace {

// The size of the stored picture of `root`'s preview block; 0 (a failure) when it is missing.
DWORD StoredPictureSize(const FLENT_BLK& root)
{
    const FLENT_BLK* block = root.FindBlock(FLENT_ID_PREVIEW_BLOCK);
    const FLENT_STR* picture = block ? block->FindText(FLENT_ID_PREVIEW_DATA) : nullptr;
    EXPECT_NE(picture, nullptr) << "no stored picture";
    return picture ? picture->GetLength() : 0;
}

std::vector<BYTE> Pixels(WORD format, WORD w, WORD h)
{
    std::vector<BYTE> p(static_cast<size_t>(format & 15) * w * h);
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<BYTE>((i * 7) ^ (i >> 5));
    return p;
}

std::string WriteDocument(FLENT_BLK* root, int variant, DWORD key, const char* name)
{
    std::string path = misc_test::MakeTempDir() + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    FLENT_IO io(f, key, variant);
    DWORD words[6] = {1, 2, key, 4, 5, 6};
    io.WriteDocHeader(words);
    io.Write(root);
    std::fclose(f);
    return path;
}

TEST(PreviewBlock, SetAndGetRawAndDecoded)
{
    FLENT_BLK root(1);
    auto px = Pixels(0x13, 40, 30);
    ASSERT_TRUE(FLENT_SetPreview(&root, px.data(), static_cast<DWORD>(px.size()), 0x13, 40, 30, "A caption"));
    EXPECT_FALSE(FLENT_SetPreview(&root, px.data(), static_cast<DWORD>(px.size()), 0x13, 40, 30, "again"));
    FLENT_BLK* block = root.FindBlock(53);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetIntCount(51), 3u);
    const FLENT* picture = block->Find(52);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetKind(), FLENT_KIND_BSTR);

    char caption[5];
    DWORD size = 0;
    WORD format = 0, w = 0, h = 0;
    BYTE* pixels = FLENT_GetPreview(&root, FALSE, &size, caption, sizeof caption, &format, &w, &h);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(size, px.size());
    EXPECT_EQ(std::memcmp(pixels, px.data(), px.size()), 0);
    EXPECT_STREQ(caption, "A ca");
    EXPECT_EQ(format, 0x13);
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 30);
    std::free(pixels);

    BYTE* raw = FLENT_GetPreview(&root, TRUE, &size, nullptr, 0);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(std::memcmp(raw, "MZP1", 4), 0);
    DWORD rawSize;
    std::memcpy(&rawSize, raw + 4, 4);
    EXPECT_EQ(rawSize, px.size());
    EXPECT_EQ(size, StoredPictureSize(root));
    std::free(raw);

    // Too few pixel bytes are refused.
    FLENT_BLK other(1);
    EXPECT_FALSE(FLENT_SetPreview(&other, px.data(), 10, 0x13, 40, 30, nullptr));
}

TEST(PreviewBlock, CodecRefusesLiesAboutTheSize)
{
    auto px = Pixels(4, 16, 16);
    DWORD size = 0;
    BYTE* packed = FLENT_CompressPicture(px.data(), 4, 16, 16, &size);
    ASSERT_NE(packed, nullptr);
    // Other dimensions than those stored, damaged bytes, a made-up huge size: all refused.
    EXPECT_EQ(FLENT_DecompressPicture(packed, size, 4, 16, 15), nullptr);
    std::vector<BYTE> damaged(packed, packed + size);
    damaged[size / 2] ^= 0xFF;
    EXPECT_EQ(FLENT_DecompressPicture(damaged.data(), size, 4, 16, 16), nullptr);
    std::vector<BYTE> huge(packed, packed + size);
    DWORD lie = 15u * 65535u * 65535u > 0xFFFFFFFFu ? 0 : 15u * 65535u * 65535u;
    std::memcpy(huge.data() + 4, &lie, 4);
    EXPECT_EQ(FLENT_DecompressPicture(huge.data(), size, 15, 65535, 65535), nullptr);
    BYTE* ok = FLENT_DecompressPicture(packed, size, 4, 16, 16);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(std::memcmp(ok, px.data(), px.size()), 0);
    std::free(ok);
    std::free(packed);
}

TEST(TitleReader, ReadsTitleAndPicturePreviewInEveryVariant)
{
    for (int variant = 0; variant < 3; ++variant) {
        FLENT_BLK root(1);
        std::string title(600, 't');
        title[0] = 'T';
        root.SetName(title.c_str());
        root.AddText(13, "not needed");
        std::vector<float> f(50, 2.0f);
        root.AddFloatArray(14, f.data(), 50);
        auto px = Pixels(3, 8, 8);
        ASSERT_TRUE(FLENT_SetPreview(&root, px.data(), static_cast<DWORD>(px.size()), 3, 8, 8, "cap"));
        std::string path = WriteDocument(&root, variant, 0x77777777, "pic.doc");

        char got[512];
        void* preview = nullptr;
        DWORD size = 0;
        BOOL vector = TRUE;
        ASSERT_TRUE(FLENT_ReadTitleAndPreview(path.c_str(), got, &preview, &size, &vector));
        EXPECT_EQ(std::string(got), title.substr(0, 511));
        EXPECT_FALSE(vector);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(size, StoredPictureSize(root));
        BYTE* pixels = FLENT_DecompressPicture(static_cast<BYTE*>(preview), size, 3, 8, 8);
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(std::memcmp(pixels, px.data(), px.size()), 0);
        std::free(pixels);
        std::free(preview);
    }
}

TEST(TitleReader, VectorPreviewNoPreviewAndOtherFiles)
{
    FLENT_BLK root(1);
    root.SetName("Vector");
    root.AddText(12, "<MARKER><VIEW><svg viewBox=\"0 0 100 50\"><polygon fill=\"#00ff00\" "
                     "points=\"0,0 10,0 10,10\"/></svg></VIEW></MARKER>");
    std::string path = WriteDocument(&root, 1, 0, "vec.doc");
    char title[512];
    void* preview = nullptr;
    DWORD size = 0;
    BOOL vector = FALSE;
    ASSERT_TRUE(FLENT_ReadTitleAndPreview(path.c_str(), title, &preview, &size, &vector));
    EXPECT_STREQ(title, "Vector");
    EXPECT_TRUE(vector);
    ASSERT_NE(preview, nullptr);
    auto* v = static_cast<sVectorPreview*>(preview);
    EXPECT_EQ(v->width, 100);
    EXPECT_EQ(size, VectorPreviewSize(v));
    std::free(preview);

    FLENT_BLK plain(1);
    plain.SetName("Plain");
    path = WriteDocument(&plain, 0, 0, "plain.doc");
    ASSERT_TRUE(FLENT_ReadTitleAndPreview(path.c_str(), title, &preview, &size, &vector));
    EXPECT_STREQ(title, "Plain");
    EXPECT_EQ(preview, nullptr);
    EXPECT_FALSE(vector);

    std::string other = misc_test::MakeTempDir() + "/old.doc";
    misc_test::WriteFile(other, "OLD FORMAT DOCUMENT");
    EXPECT_FALSE(FLENT_ReadTitleAndPreview(other.c_str(), title, &preview, &size, &vector));
    EXPECT_STREQ(title, "");
    EXPECT_FALSE(FLENT_ReadTitleAndPreview("/nonexistent/file.doc", title, &preview, &size, &vector));
}

// --- Vector preview -------------------------------------------------------------------------

struct Poly {
    DWORD color;
    std::vector<std::pair<LONG, LONG>> points;
};

std::vector<Poly> Polygons(const sVectorPreview* v)
{
    std::vector<Poly> out;
    for (LONG i = 0; i < v->polygonCount; ++i) {
        Poly p{v->polygons[i].color, {}};
        for (LONG k = 0; k < v->polygons[i].count; ++k)
            p.points.emplace_back(v->polygons[i].points[k].x, v->polygons[i].points[k].y);
        out.push_back(p);
    }
    return out;
}

sVectorPreview* Read(const std::string& text)
{
    return ReadVectorPreview(text.data(), static_cast<long>(text.size()));
}

std::string Wrap(const std::string& svg)
{
    return "<doc><MARKER name=\"m\"><VIEW>" + svg + "</VIEW></MARKER></doc>";
}

TEST(VectorPreview, PolygonInAViewBox)
{
    sVectorPreview* v = Read(Wrap("<svg viewBox=\"0 0 100 50\"><polygon fill=\"#00ff00\" points=\"0,0 10,0 10,10\"/></svg>"));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->x, 0);
    EXPECT_EQ(v->y, 0);
    EXPECT_EQ(v->width, 100);
    EXPECT_EQ(v->height, 50);
    EXPECT_EQ(v->polygonCount, 1);
    EXPECT_EQ(v->pointCount, 3);
    auto polys = Polygons(v);
    EXPECT_EQ(polys[0].color, 0x00FF00u);
    EXPECT_EQ(polys[0].points, (std::vector<std::pair<LONG, LONG>>{{0, 0}, {10, 0}, {10, 10}}));
    // The block is self-contained: polygons right after the header, points after them.
    EXPECT_EQ(reinterpret_cast<BYTE*>(v->polygons), reinterpret_cast<BYTE*>(v) + sizeof(sVectorPreview));
    EXPECT_EQ(reinterpret_cast<BYTE*>(v->points), reinterpret_cast<BYTE*>(v->polygons + 1));
    EXPECT_EQ(VectorPreviewSize(v), sizeof(sVectorPreview) + sizeof(sVectorPolygon) + 3 * sizeof(POINT));
    std::free(v);
}

TEST(VectorPreview, RectanglesAndColours)
{
    sVectorPreview* v = Read(Wrap("<svg viewBox=\"5,6,7,8\">"
                                  "<rect fill=\"#FF0000\" x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>"
                                  "<polygon fill=\"none\" fill=\"#abc\" points=\"1 1 2 2 3 3 4\"/></svg>"));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->x, 5);
    EXPECT_EQ(v->height, 8);
    auto polys = Polygons(v);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].color, 0xFF0000u);
    EXPECT_EQ(polys[0].points, (std::vector<std::pair<LONG, LONG>>{{1, 2}, {4, 2}, {4, 6}, {1, 6}}));
    EXPECT_EQ(polys[1].color, 0xABCu);
    EXPECT_EQ(polys[1].points.size(), 3u);  // the lone 4 is no pair
    std::free(v);
}

TEST(VectorPreview, TextsWithoutAUsablePreview)
{
    const char* cases[] = {
        "<svg viewBox=\"0 0 1 1\"><polygon points=\"0,0 1,0 1,1\"/></svg>",                        // no MARKER
        "<MARKER><VIEW></VIEW></MARKER>",                                                          // empty view
        "<MARKER><VIEW><svg viewBox=\"0 0 1 1\"><polygon points=\"0,0 1,0 1,1\"/></svg></MARKER>", // not closed
        "<MARKER><VIEW><svg><polygon points=\"0,0 10,0 10,10\"/></svg></VIEW></MARKER>",           // no view box
        "<MARKER><VIEW><svg viewBox=\"0 0 9 9\"><polygon points=\"0,0 1,0\"/></svg></VIEW></MARKER>", // 2 points
        "<MARKER><VIEW><svg viewBox=\"0 0 9 9\"></svg></VIEW></MARKER>",                           // no polygon
        "<MARKER><VIEW><svg viewBox=\"0 0 9\"><polygon points=\"0,0 1,0 1,1\"/></svg></VIEW></MARKER>",
        // The rect is counted by its attributes but its x holds no number: the passes disagree.
        "<MARKER><VIEW><svg viewBox=\"0 0 9 9\"><rect x=\"-1\" y=\"2\" width=\"3\" height=\"4\"/></svg></VIEW></MARKER>",
    };
    for (const char* c : cases)
        EXPECT_EQ(Read(c), nullptr) << c;
}

TEST(VectorPreview, SignsAndFractionsStopThePointList)
{
    sVectorPreview* v = Read(Wrap("<svg viewBox=\"0 0 9 9\"><polygon points=\"0,0 5,0 5,5 6.5,1 9,9\"/></svg>"));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->pointCount, 3);
    std::free(v);
    EXPECT_EQ(Read(Wrap("<svg viewBox=\"0 0 9 9\"><polygon points=\"0,0 -5,0 5,5\"/></svg>")), nullptr);
}

TEST(VectorPreview, EmptyViewFallsBackToTheMarkerAndCaseIsIgnored)
{
    sVectorPreview* v = Read("<marker><view></view><View><SVG VIEWBOX=\"1 2 3 4\"><POLYGON POINTS=\"1,1 2,2 3,3\"/>"
                             "</SVG></vIeW></marker>");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->x, 1);
    EXPECT_EQ(v->pointCount, 3);
    std::free(v);
}

TEST(VectorPreview, ViewSectionLimit)
{
    std::string head = "<svg viewBox=\"0 0 9 9\"><polygon points=\"0,0 1,0 1,1\"/></svg>";
    std::string fits = head + std::string(VECTOR_PREVIEW_VIEW_MAX - head.size(), ' ');
    sVectorPreview* v = Read(Wrap(fits));
    EXPECT_NE(v, nullptr);
    std::free(v);
    EXPECT_EQ(Read(Wrap(fits + " ")), nullptr);
}

} // namespace
