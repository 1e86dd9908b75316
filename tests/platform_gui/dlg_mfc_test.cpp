// CDialog with data exchange: DoModal under the scripted user, DDX round trips, validation that
// keeps the dialog open, modeless dialogs, and the named-dialog expectations of MiscScriptedUser.
#include "gui_fixture.h"

#include <afxwin.h>

#include <cmath>

using namespace guitest;

namespace {

class DataDialog : public CDialog {
public:
    DataDialog() : CDialog(kDlgData) {}
    int number = 0;
    UINT positive = 0;
    CString text;
    double real = 0;
    int radio = 0;
    int tri = 0;
    int choice = 0;
    CString listChoice;
    int slider = 0;
    int initCalls = 0;
    int minimum = -1000, maximum = 1000;

protected:
    BOOL OnInitDialog() override
    {
        ++initCalls;
        CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(kDropList));
        for (const char* s : {"red", "green", "blue"})
            combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        for (const char* s : {"alpha", "beta", "gamma"})
            SendDlgItemMessage(kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendDlgItemMessage(kSlider, TBM_SETRANGE, TRUE, MAKELONG(0, 50));
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kInt, number);
        DDV_MinMaxInt(pDX, number, minimum, maximum);
        DDX_Text(pDX, kText, text);
        DDV_MaxChars(pDX, text, 10);
        DDX_Text(pDX, kReal, real);
        DDX_Text(pDX, kUInt, positive);
        DDX_Radio(pDX, kRadio1, radio);
        DDX_Check(pDX, kTriState, tri);
        DDX_CBIndex(pDX, kDropList, choice);
        DDX_LBString(pDX, kList, listChoice);
        DDX_Slider(pDX, kSlider, slider);
    }
};

class DlgMfcTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        previous = AfxGetResourceHandle();
        AfxSetResourceHandle(TestModule());
    }
    void TearDown() override
    {
        AfxSetResourceHandle(previous);
        GuiTest::TearDown();
    }
    HINSTANCE previous = nullptr;
};

TEST_F(DlgMfcTest, DataReachesTheControlsAndComesBackOnOk)
{
    DataDialog dlg;
    dlg.number = -42;
    dlg.text = "hello";
    dlg.real = 2.5;
    dlg.positive = 7;
    dlg.radio = 2;
    dlg.tri = BST_INDETERMINATE;
    dlg.choice = 1;
    dlg.listChoice = "beta";
    dlg.slider = 30;
    MiscScriptedUser user;
    user.ExpectDialog(kDlgData, [](MiscModal& m) {
        // What OnInitDialog put into the controls.
        EXPECT_EQ(MiscGetControlText(m.hwnd, kInt), "-42");
        EXPECT_EQ(MiscGetControlText(m.hwnd, kText), "hello");
        EXPECT_EQ(MiscGetControlText(m.hwnd, kReal), "2.5");
        EXPECT_EQ(MiscGetControlText(m.hwnd, kDropList), "green");
        EXPECT_EQ(IsDlgButtonChecked(m.hwnd, kRadio3), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(m.hwnd, kTriState), BST_INDETERMINATE);
        EXPECT_EQ(SendDlgItemMessageA(m.hwnd, kSlider, TBM_GETPOS, 0, 0), 30);
        // The user changes everything.
        MiscSetControlText(m.hwnd, kInt, " 17 ");
        MiscSetControlText(m.hwnd, kText, "world");
        MiscSetControlText(m.hwnd, kReal, "-1.25e2");
        MiscSetControlText(m.hwnd, kUInt, "4000000000");
        MiscClickButton(m.hwnd, kRadio1);
        MiscClickButton(m.hwnd, kTriState); // indeterminate -> unchecked
        MiscSelectItem(m.hwnd, kDropList, 2);
        MiscSelectString(m.hwnd, kList, "gamma");
        MiscSelectItem(m.hwnd, kSlider, 45);
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << ::testing::PrintToString(user.Unexpected());
    EXPECT_EQ(dlg.initCalls, 1);
    EXPECT_EQ(dlg.number, 17);
    EXPECT_STREQ(dlg.text, "world");
    EXPECT_DOUBLE_EQ(dlg.real, -125.0);
    EXPECT_EQ(dlg.positive, 4000000000u);
    EXPECT_EQ(dlg.radio, 0);
    EXPECT_EQ(dlg.tri, BST_UNCHECKED);
    EXPECT_EQ(dlg.choice, 2);
    EXPECT_STREQ(dlg.listChoice, "gamma");
    EXPECT_EQ(dlg.slider, 45);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DlgMfcTest, CancelLeavesTheDataAlone)
{
    DataDialog dlg;
    dlg.number = 5;
    MiscScriptedUser user;
    user.ExpectDialog(kDlgData, [](MiscModal& m) {
        MiscSetControlText(m.hwnd, kInt, "99");
        MiscPressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.number, 5);
}

TEST_F(DlgMfcTest, AWrongEntryComplainsKeepsTheDialogOpenAndFocusesTheControl)
{
    struct Case {
        int control;
        const char* typed;
        const char* complaint;
    } cases[] = {
        {kInt, "12x", "Please enter an integer."},
        {kInt, "5000", "Please enter an integer between -1000 and 1000."},
        {kReal, "1.5.2", "Please enter a number."},
        {kUInt, "-3", "Please enter a positive integer."},
    };
    for (const Case& c : cases) {
        DataDialog dlg;
        MiscScriptedUser user;
        HWND focusAfterOk = nullptr;
        bool stillOpen = false;
        user.ExpectDialog(kDlgData, [&](MiscModal& m) {
                MiscSetControlText(m.hwnd, c.control, c.typed);
                MiscClickButton(m.hwnd, IDOK); // the complaint comes here
                stillOpen = IsWindowVisible(m.hwnd) != FALSE;
                focusAfterOk = GetFocus();
                EXPECT_EQ(focusAfterOk, GetDlgItem(m.hwnd, c.control)) << c.typed;
                MiscClickButton(m.hwnd, IDCANCEL);
            })
            .ExpectMessageBox(IDOK, c.complaint);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << c.typed;
        EXPECT_TRUE(stillOpen) << c.typed;
        EXPECT_TRUE(user.AllDone()) << c.typed << ::testing::PrintToString(user.Unexpected())
                                    << ::testing::PrintToString(user.Pending());
    }
}

TEST_F(DlgMfcTest, MaxCharsLimitsWhatTheUserCanType)
{
    DataDialog dlg;
    MiscScriptedUser user;
    user.ExpectDialog(kDlgData, [](MiscModal& m) {
        MiscSetControlText(m.hwnd, kText, "much too long");
        EXPECT_EQ(MiscGetControlText(m.hwnd, kText), "much too l");
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.text, "much too l");
}

TEST_F(DlgMfcTest, ExpectationsReportDialogsThatNeverCameAndOnesThatNobodyExpected)
{
    DataDialog dlg;
    MiscScriptedUser user;
    user.ExpectDialog(4711, [](MiscModal&) {});
    EXPECT_EQ(dlg.DoModal(), -1); // nobody closes the unexpected dialog
    ASSERT_EQ(user.Unexpected().size(), 1u);
    EXPECT_NE(user.Unexpected()[0].find("dialog 101"), std::string::npos);
    EXPECT_EQ(user.Pending(), std::vector<std::string>{"dialog 4711 ''"});
    EXPECT_EQ(MiscModalErrors().size(), 1u);
}

TEST_F(DlgMfcTest, ADialogWithoutATemplateFailsWithMinusOne)
{
    CDialog dlg(31337);
    EXPECT_EQ(dlg.DoModal(), -1);
    ASSERT_EQ(MiscModalErrors().size(), 1u);
}

TEST_F(DlgMfcTest, ModelessDialogsRunWithoutTheScriptedUser)
{
    DataDialog dlg;
    dlg.number = 3;
    ASSERT_TRUE(dlg.Create(kDlgData));
    EXPECT_EQ(dlg.initCalls, 1);
    EXPECT_TRUE(MiscModalErrors().empty());
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(MiscGetControlText(dlg.m_hWnd, kInt), "3");
    // Enter in a modeless dialog reaches OnOK through the pump's dialog handling.
    MiscSetControlText(dlg.m_hWnd, kInt, "8");
    MiscPressKey(VK_RETURN);
    EXPECT_EQ(dlg.number, 8);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DlgMfcTest, DialogsAreCentredOnTheirOwnerAfterInitialisation)
{
    CWnd owner;
    owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr, nullptr);
    DataDialog dlg;
    dlg.m_pParentWnd = &owner;
    CRect inside;
    MiscScriptedUser user;
    user.ExpectDialog(kDlgData, [&](MiscModal& m) {
        GetWindowRect(m.hwnd, &inside);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    dlg.DoModal();
    CPoint centre = inside.CenterPoint();
    EXPECT_NEAR(centre.x, 400, 1);
    EXPECT_NEAR(centre.y, 300, 1);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DlgMfcTest, DialogsInsideDialogs)
{
    DataDialog outer;
    MiscScriptedUser user;
    int innerResult = 0;
    user.ExpectDialog(kDlgData, [&](MiscModal& m) {
            DataDialog inner;
            inner.m_pParentWnd = CWnd::FromHandle(m.hwnd);
            innerResult = static_cast<int>(inner.DoModal());
            EXPECT_FALSE(IsWindowEnabled(m.hwnd) != FALSE && false);
            MiscClickButton(m.hwnd, IDOK);
        })
        .ExpectDialog(kDlgData, [](MiscModal& m) { MiscPressKey(VK_ESCAPE); });
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_TRUE(user.AllDone());
}

} // namespace
