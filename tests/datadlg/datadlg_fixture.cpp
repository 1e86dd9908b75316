#include "datadlg_fixture.h"

#include <filesystem>

namespace datadlgtest {

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const MiscResControl kControls[] = {
    {"COMBOBOX", "", kHostCombo, kChild | CBS_DROPDOWN | WS_VSCROLL, 0, 10, 10, 120, 80},
    {"COMBOBOX", "", kHostSecondCombo, kChild | CBS_DROPDOWN | WS_VSCROLL, 0, 10, 30, 120, 80},
    {"BUTTON", "OK", IDOK, kChild | BS_DEFPUSHBUTTON, 0, 140, 10, 50, 14},
};
const MiscResDialog kDialogs[] = {
    {kHostDialog, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 200, 120, "Host", "MS Shell Dlg", 8,
     nullptr, kControls, 3},
};
const MiscResourceTable kTable = {nullptr, 0, kDialogs, 1, nullptr, 0, nullptr, 0, nullptr, 0};

} // namespace

HMODULE HostModule()
{
    return MiscRegisterModule("datadlg_host_test.dll", &kTable);
}

void DataDlgTest::SetUp()
{
    MiscResetPlatform();
    char folder[MAX_PATH] = {0};
    GetCommonDataFolder(folder);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".cbi")
            std::filesystem::remove(entry.path(), ec);
}

void DataDlgTest::TearDown()
{
    EXPECT_TRUE(MiscModalErrors().empty());
    MiscResetPlatform();
}

Names DataDlgTest::Stored(int type)
{
    CComboItemList list;
    list.Load(type);
    Names names;
    for (int i = 0; i < list.GetSize(); ++i)
        names.emplace_back(list.GetComboItem(i)->m_strName.GetString());
    return names;
}

Names DataDlgTest::StoredWithTypeNames(int type)
{
    CComboItemList list;
    list.Load(type);
    Names names;
    for (int i = 0; i < list.GetSize(); ++i) {
        const CComboItem* item = list.GetComboItem(i);
        names.push_back(std::string(item->m_strName.GetString()) + "|" + item->m_strTypeName.GetString());
    }
    return names;
}

void DataDlgTest::Store(int type, const Names& names, const char* typeName)
{
    CComboItemList list;
    for (const auto& name : names)
        list.AddComboItem(new CComboItem(name.c_str(), typeName), 0);
    list.Store(type);
}

Names DataDlgTest::ListStrings(HWND list)
{
    Names names;
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
        ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        names.emplace_back(text.c_str());
    }
    return names;
}

Names DataDlgTest::ComboStrings(HWND combo)
{
    Names names;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        names.emplace_back(text.c_str());
    }
    return names;
}

HostDialog::HostDialog() : CVmxDialog(kHostDialog, nullptr, 0, HostModule(), 0)
{
    EXPECT_TRUE(Create(kHostDialog, nullptr, 0));
    MiscSettle();
}

HostDialog::~HostDialog()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

} // namespace datadlgtest
