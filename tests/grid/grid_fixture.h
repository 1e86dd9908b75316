#pragma once
// Shared set-up of the grid tests: a user profile file of their own and small model builders.
#include <misc/frame/profile.h>
#include <misc/grid.h>

#include <family/kestprofile.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// Points the user profile file (selector 1) at a fresh file of the test's own.
class GridProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("grid");
        profile = dir + "/user.ini";
        KestProfile::Reset();
        KestProfile::m_oldPathUsing = true;
        KestProfile::m_namePath = profile.c_str();
        KestProfile::m_nameSecondPath = (dir + "/second.ini").c_str();
        KestProfile::m_initialized = true;
    }
    void TearDown() override { KestProfile::Reset(); }

    std::string Read(const char* section, const char* key)
    {
        char buffer[256];
        ProfileReadString(section, key, "<none>", buffer, sizeof buffer, 1);
        return buffer;
    }

    std::string dir, profile;
};

// A plain text item with a caption.
inline CGnrlGridItemData* TextItem(const char* caption, long id = -1)
{
    auto* item = new CGnrlGridItemData(CString(caption), CString(), eGridItemText, ePropertyNone, CString(), CString());
    if (id != -1) {
        item->SetName(id); // the identifier (and a caption from resources, replaced below)
        item->SetName(CString(caption));
    }
    return item;
}

// Adds children to an item, setting their parent.
inline CGnrlGridItemData* WithChildren(CGnrlGridItemData* item, std::initializer_list<CGnrlGridItemData*> children)
{
    for (CGnrlGridItemData* child : children) {
        item->Add(child);
        child->SetParent(item);
    }
    return item;
}

inline CGnrlGridCategoryData* Category(long id, std::initializer_list<CGnrlGridItemData*> items,
                                       ePropertyType kind = ePropertyNone)
{
    CDbArray<CGnrlGridItemData*> list;
    for (CGnrlGridItemData* item : items)
        list.Add(item);
    return new CGnrlGridCategoryData(id, kind, list);
}

// A manager whose Init builds nothing (tests fill its categories).
class TestMngr : public CPropertyMngr {
public:
    void Add(CGnrlGridCategoryData* category) { m_Categories.Add(category); }
    void OnApply() override
    {
        ++applies;
        CPropertyMngr::OnApply();
    }
    int applies = 0;
};

class TestPrefMngr : public CPrefManager {
public:
    void Add(CGnrlGridCategoryData* category) { m_Categories.Add(category); }
};
