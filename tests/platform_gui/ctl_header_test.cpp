// The header control: items and their order, layout, hit testing, clicks on captions, divider
// drags with their notifications (and a parent that refuses them), double clicks.
#include "ctl_notes.h"
#include "gui_fixture.h"

#include <afxcmn.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

class HeaderTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        parent = std::make_unique<NotifyParent>();
    }
    void TearDown() override
    {
        parent.reset();
        GuiTest::TearDown();
    }
    HWND Make(DWORD style, std::vector<int> widths)
    {
        HWND h = parent->Child(WC_HEADERA, style, 5, 0, 0, 300, 20);
        for (size_t i = 0; i < widths.size(); ++i) {
            std::string text = "Col" + std::to_string(i);
            HDITEMA hd{};
            hd.mask = HDI_TEXT | HDI_WIDTH | HDI_LPARAM;
            hd.pszText = text.data();
            hd.cxy = widths[i];
            hd.lParam = static_cast<LPARAM>(100 + i);
            SendMessageA(h, HDM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&hd));
        }
        parent->Clear();
        return h;
    }
    static int Width(HWND h, int i)
    {
        HDITEMA hd{};
        hd.mask = HDI_WIDTH;
        SendMessageA(h, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&hd));
        return hd.cxy;
    }
    static std::string Text(HWND h, int i)
    {
        char buffer[32] = {0};
        HDITEMA hd{};
        hd.mask = HDI_TEXT;
        hd.pszText = buffer;
        hd.cchTextMax = sizeof(buffer);
        return SendMessageA(h, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&hd)) ? buffer : "?";
    }
    static HDHITTESTINFO Hit(HWND h, int x, int y)
    {
        HDHITTESTINFO info{};
        info.pt = POINT{x, y};
        SendMessageA(h, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }
    static void Drag(HWND h, int x0, int x1, bool release = true)
    {
        MiscSendMouse(h, WM_LBUTTONDOWN, x0, 5);
        MiscSendMouse(h, WM_MOUSEMOVE, (x0 + x1) / 2, 5);
        MiscSendMouse(h, WM_MOUSEMOVE, x1, 5);
        if (release)
            MiscSendMouse(h, WM_LBUTTONUP, x1, 5);
    }
    std::unique_ptr<NotifyParent> parent;
};

TEST_F(HeaderTest, ItemsInsertDeleteAndKeepTheirOrder)
{
    HWND h = Make(0, {50, 60, 70});
    EXPECT_EQ(SendMessageA(h, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(Text(h, 2), "Col2");
    HDITEMA hd{};
    hd.mask = HDI_LPARAM | HDI_ORDER | HDI_FORMAT;
    ASSERT_TRUE(SendMessageA(h, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&hd)));
    EXPECT_EQ(hd.lParam, 101);
    EXPECT_EQ(hd.iOrder, 1);
    EXPECT_EQ(hd.fmt, HDF_LEFT | HDF_STRING);

    // Shown in the order 2, 0, 1: rectangles follow the order, indexes stay.
    int order[] = {2, 0, 1};
    ASSERT_TRUE(SendMessageA(h, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
    RECT r{};
    SendMessageA(h, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.left, 70);
    EXPECT_EQ(r.right, 120);
    EXPECT_EQ(SendMessageA(h, HDM_ORDERTOINDEX, 0, 0), 2);
    int bad[] = {0, 0, 1};
    EXPECT_FALSE(SendMessageA(h, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(bad)));
    EXPECT_FALSE(SendMessageA(h, HDM_SETORDERARRAY, 2, reinterpret_cast<LPARAM>(order)));

    // Deleting item 0 renumbers the others and keeps their order.
    ASSERT_TRUE(SendMessageA(h, HDM_DELETEITEM, 0, 0));
    EXPECT_FALSE(SendMessageA(h, HDM_DELETEITEM, 5, 0));
    int now[2] = {-1, -1};
    ASSERT_TRUE(SendMessageA(h, HDM_GETORDERARRAY, 2, reinterpret_cast<LPARAM>(now)));
    EXPECT_EQ(now[0], 1);
    EXPECT_EQ(now[1], 0);
    EXPECT_EQ(Text(h, 0), "Col1");
    EXPECT_EQ(SendMessageA(h, HDM_INSERTITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&hd)), -1);
}

TEST_F(HeaderTest, LayoutTakesTheTopOfTheRectangle)
{
    HWND h = Make(0, {50});
    RECT area{10, 20, 210, 120};
    WINDOWPOS pos{};
    HDLAYOUT layout{&area, &pos};
    ASSERT_TRUE(SendMessageA(h, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
    EXPECT_EQ(pos.x, 10);
    EXPECT_EQ(pos.y, 20);
    EXPECT_EQ(pos.cx, 200);
    EXPECT_GT(pos.cy, 10);
    EXPECT_EQ(area.top, 20 + pos.cy);

    HWND hidden = Make(HDS_HIDDEN, {50});
    RECT again{0, 0, 100, 100};
    HDLAYOUT layout2{&again, &pos};
    SendMessageA(hidden, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout2));
    EXPECT_EQ(pos.cy, 0);
    EXPECT_EQ(again.top, 0);
}

TEST_F(HeaderTest, HitTestFindsCaptionsDividersAndHiddenColumns)
{
    // Item 1 is hidden (zero width) and sits on the divider between items 0 and 2.
    HWND h = Make(0, {50, 0, 70});
    struct Case {
        int x, y;
        UINT flags;
        int item;
    } cases[] = {
        {20, 5, HHT_ONHEADER, 0},  {48, 5, HHT_ONDIVIDER, 0}, {50, 5, HHT_ONDIVOPEN, 1}, {52, 5, HHT_ONDIVOPEN, 1},
        {80, 5, HHT_ONHEADER, 2},  {119, 5, HHT_ONDIVIDER, 2}, {121, 5, HHT_ONDIVIDER, 2}, {200, 5, HHT_NOWHERE, -1},
        {20, -3, HHT_ABOVE, -1},   {20, 40, HHT_BELOW, -1},    {-5, 5, HHT_TOLEFT, -1},    {400, 5, HHT_TORIGHT, -1},
    };
    for (const Case& c : cases) {
        HDHITTESTINFO info = Hit(h, c.x, c.y);
        EXPECT_EQ(info.flags, c.flags) << c.x << "," << c.y;
        EXPECT_EQ(info.iItem, c.item) << c.x << "," << c.y;
    }
}

TEST_F(HeaderTest, ClickOnACaptionIsReportedOnlyWhenReleasedOverIt)
{
    HWND h = Make(HDS_BUTTONS, {50, 60});
    MiscSendMouse(h, WM_LBUTTONDOWN, 70, 5);
    EXPECT_EQ(GetCapture(), h);
    MiscSendMouse(h, WM_LBUTTONUP, 70, 5);
    ASSERT_EQ(parent->notes.size(), 1u);
    EXPECT_EQ(parent->notes[0].code, HDN_ITEMCLICKA);
    EXPECT_EQ(parent->notes[0].item, 1);
    EXPECT_EQ(GetCapture(), nullptr);

    parent->Clear();
    MiscSendMouse(h, WM_LBUTTONDOWN, 20, 5);
    MiscSendMouse(h, WM_MOUSEMOVE, 80, 5);
    MiscSendMouse(h, WM_LBUTTONUP, 80, 5);
    EXPECT_TRUE(parent->notes.empty()); // the press moved off its caption

    DestroyWindow(h); // the next header takes its place under the mouse
    HWND flat = Make(0, {50}); // without HDS_BUTTONS captions are not buttons
    MiscSendMouse(flat, WM_LBUTTONDOWN, 20, 5);
    MiscSendMouse(flat, WM_LBUTTONUP, 20, 5);
    EXPECT_TRUE(parent->notes.empty());
}

TEST_F(HeaderTest, DividerDragSendsTrackNotificationsAndSetsTheWidthAtTheEnd)
{
    HWND h = Make(HDS_BUTTONS, {50, 60});
    Drag(h, 49, 79);
    std::vector<UINT> want = {HDN_BEGINTRACKA, HDN_TRACKA, HDN_TRACKA, HDN_ENDTRACKA, HDN_ITEMCHANGINGA, HDN_ITEMCHANGEDA};
    EXPECT_EQ(parent->Codes(), want);
    EXPECT_EQ(parent->notes.front().value, 50);
    EXPECT_EQ(parent->notes[2].value, 80);
    EXPECT_EQ(parent->notes.back().item, 0);
    EXPECT_EQ(parent->notes.back().value, 80);
    EXPECT_EQ(Width(h, 0), 80);
    EXPECT_EQ(GetCapture(), nullptr);

    // Dragged far to the left the column closes but never goes negative.
    Drag(h, 139, 10);
    EXPECT_EQ(Width(h, 1), 0);
}

TEST_F(HeaderTest, FullDragChangesTheWidthWhileTheMouseMoves)
{
    HWND h = Make(HDS_FULLDRAG, {50, 60});
    Drag(h, 110, 130, false);
    EXPECT_EQ(Width(h, 1), 80);
    std::vector<UINT> want = {HDN_BEGINTRACKA, HDN_TRACKA, HDN_ITEMCHANGINGA, HDN_ITEMCHANGEDA, HDN_TRACKA,
                              HDN_ITEMCHANGINGA, HDN_ITEMCHANGEDA};
    EXPECT_EQ(parent->Codes(), want);
    // Escape gives the column its width back.
    MiscSendKey(VK_ESCAPE, h);
    EXPECT_EQ(Width(h, 1), 60);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(HeaderTest, AParentCanRefuseTheDragAndTheChange)
{
    HWND h = Make(0, {50, 60});
    parent->answer = [](const NMHDR& hdr) { return hdr.code == HDN_BEGINTRACKA ? 1 : 0; };
    Drag(h, 49, 90);
    EXPECT_EQ(parent->Codes(), std::vector<UINT>{HDN_BEGINTRACKA});
    EXPECT_EQ(Width(h, 0), 50);
    EXPECT_EQ(GetCapture(), nullptr);

    parent->Clear();
    parent->answer = [](const NMHDR& hdr) { return hdr.code == HDN_ITEMCHANGINGA ? 1 : 0; };
    HDITEMA hd{};
    hd.mask = HDI_WIDTH;
    hd.cxy = 10;
    EXPECT_FALSE(SendMessageA(h, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&hd)));
    EXPECT_EQ(Width(h, 1), 60);
    EXPECT_EQ(parent->Codes(), std::vector<UINT>{HDN_ITEMCHANGINGA});
}

TEST_F(HeaderTest, DoubleClicksOnDividersAndCaptions)
{
    HWND h = Make(HDS_BUTTONS, {50, 60});
    MiscSendMouse(h, WM_LBUTTONDBLCLK, 51, 5);
    MiscSendMouse(h, WM_LBUTTONDBLCLK, 80, 5);
    ASSERT_EQ(parent->notes.size(), 2u);
    EXPECT_EQ(parent->notes[0].code, HDN_DIVIDERDBLCLICKA);
    EXPECT_EQ(parent->notes[0].item, 0);
    EXPECT_EQ(parent->notes[1].code, HDN_ITEMDBLCLICKA);
    EXPECT_EQ(parent->notes[1].item, 1);
}

TEST_F(HeaderTest, MfcFrontAndPainting)
{
    CWnd* wnd = CWnd::FromHandle(parent->hwnd);
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 200, 22), wnd, 9));
    char caption[] = "Name";
    HDITEM hd{};
    hd.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hd.pszText = caption;
    hd.cxy = 90;
    hd.fmt = HDF_CENTER | HDF_SORTUP;
    EXPECT_EQ(header.InsertItem(0, &hd), 0);
    EXPECT_EQ(header.GetItemCount(), 1);
    CRect r;
    ASSERT_TRUE(header.GetItemRect(0, &r));
    EXPECT_EQ(r.Width(), 90);
    MiscSurface shot = MiscCaptureWindow(header.m_hWnd);
    EXPECT_EQ(shot.width, 200);
    header.DestroyWindow();
}

TEST_F(HeaderTest, TheListViewShowsItsColumnsInAHeader)
{
    HWND list = parent->Child(WC_LISTVIEWA, LVS_REPORT, 12, 0, 0, 300, 150);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(GetDlgCtrlID(header), 0);
    const char* names[] = {"Name", "Size"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<char*>(names[i]);
        col.cx = 80;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
    }
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Text(header, 1), "Size");
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, 40);
    EXPECT_EQ(Width(header, 1), 40);
    parent->Clear();

    // The user widens the first column in the header: the list's column follows, and the
    // list's parent hears the header as well.
    Drag(header, 79, 109);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), 110);
    EXPECT_EQ(parent->Codes().front(), HDN_BEGINTRACKA);
    parent->Clear();
    MiscSendMouse(header, WM_LBUTTONDOWN, 130, 5);
    MiscSendMouse(header, WM_LBUTTONUP, 130, 5);
    ASSERT_FALSE(parent->notes.empty());
    EXPECT_EQ(parent->notes.back().code, LVN_COLUMNCLICK);
    EXPECT_EQ(parent->notes.back().item, 1);

    SendMessageA(list, LVM_DELETECOLUMN, 0, 0);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(Text(header, 0), "Size");

    HWND bare = parent->Child(WC_LISTVIEWA, LVS_REPORT | LVS_NOCOLUMNHEADER, 13, 0, 0, 300, 150);
    EXPECT_EQ(SendMessageA(bare, LVM_GETHEADER, 0, 0), 0);
}

} // namespace
