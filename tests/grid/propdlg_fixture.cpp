#include "propdlg_fixture.h"

#include <cstdio>

#include "test_env.h"

namespace propdlgtest {

namespace {

CGnrlGridItemData* Text(long id, const char* value)
{
    return new CGnrlGridItemData(id, value, eGridItemText, static_cast<ePropertyType>(-1), "", kSection);
}

CGnrlGridItemData* Text(const char* caption, const char* value)
{
    return new CGnrlGridItemData(CString(caption), value, eGridItemText, static_cast<ePropertyType>(-1), "", kSection);
}

CGnrlGridCategoryData* Category(long id, std::initializer_list<CGnrlGridItemData*> items)
{
    CDbArray<CGnrlGridItemData*> list;
    for (CGnrlGridItemData* item : items)
        list.Add(item);
    return new CGnrlGridCategoryData(id, static_cast<ePropertyType>(-1), list);
}

} // namespace

void RecordingMngr::Init()
{
    SetAppRegName(kSection);
    CGnrlGridItemData* width = Text(kRowWidth, "12");
    width->SetHasButton(1);
    CGnrlGridItemData* offset = Text("Offset", "3");
    CGnrlGridItemData* left = Text("Left", "1");
    left->SetParent(offset);
    offset->Add(left);
    GetpCategories()->Add(Category(kCatGeneral, {Text(kRowName, "Front"), width, offset}));
    GetpCategories()->Add(Category(kCatCutting, {Text("Left", "4"), Text("Right", "5")}));
    if (bitmap)
        SetBitmap(bitmap);
}

int RecordingMngr::OnOK()
{
    if (m_log)
        m_log->push_back("OnOK");
    return okAnswer;
}

void RecordingMngr::ItemExpand(CGnrlGridCategoryData* category)
{
    if (m_log)
        m_log->push_back("ItemExpand " + std::to_string(category->GetNameId()));
}

void RecordingMngr::SetDefaultExpand()
{
    CPropertyMngr::SetDefaultExpand();
    if (m_log)
        m_log->push_back("SetDefaultExpand");
}

void RecordingMngr::Record(const char* hook, CGnrlGridItemData* item)
{
    if (!m_log)
        return;
    std::string text = std::string(hook) + " " + item->GetName().GetString();
    if (item->GetParent())
        text = std::string(hook) + " " + item->GetParent()->GetName().GetString() + "/" + item->GetName().GetString();
    else if (item->GetNameId() == -1 && GetCategory(kCatCutting) && GetCategory(kCatCutting)->GetItems().Find(item))
        text += " (Cutting)";
    m_log->push_back(text);
}

void RecordingDlg::Init(long gridId, void*)
{
    ++inits;
    if (gridId == -1)
        return;
    auto* mngr = new RecordingMngr(&log);
    mngr->okAnswer = okAnswer;
    if (withBitmap) {
        if (!bitmap.GetSafeHandle())
            bitmap.CreateBitmap(40, 20, 1, 32, nullptr);
        mngr->bitmap = &bitmap;
    }
    SetPropMngr(mngr);
}

void PropDlgTest::SetUp()
{
    MiscResetPlatform();
    InitMiscDLL();
    sample::RegisterPieceResources();
    // A user profile file of the test's own.
    const std::string dir = misc_test::MakeTempDir("propdlg");
    KestProfile::Reset();
    KestProfile::m_oldPathUsing = true;
    KestProfile::m_namePath = (dir + "/user.ini").c_str();
    KestProfile::m_nameSecondPath = (dir + "/second.ini").c_str();
    KestProfile::m_initialized = true;
}

void PropDlgTest::TearDown()
{
    if (host.GetSafeHwnd())
        host.DestroyWindow();
    EXPECT_TRUE(MiscModalErrors().empty());
    EXPECT_TRUE(MiscWindowSystemErrors().empty());
    MiscResetPlatform();
    KestProfile::Reset();
}

void PropDlgTest::MakeHost()
{
    host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 500, nullptr,
                  nullptr);
}

BOOL PropDlgTest::CreatePane(CPropertyDlg& dlg)
{
    // A pane is created hidden; its host shows it.
    if (!host.GetSafeHwnd())
        MakeHost();
    if (!dlg.Create(&host))
        return FALSE;
    dlg.ShowWindow(SW_SHOW);
    MiscSettle();
    return TRUE;
}

int PropDlgTest::ProfileInt(const char* section, const char* key, int fallback)
{
    return ProfileReadInt(section, key, fallback, 1);
}

std::string PropDlgTest::ProfileText(const char* section, const char* key)
{
    char buffer[256] = {0};
    ProfileReadString(section, key, "", buffer, sizeof(buffer), 1);
    return buffer;
}

} // namespace propdlgtest
