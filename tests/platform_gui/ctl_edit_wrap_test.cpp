// Word wrap in multi-line edits: where lines break, what the line messages answer for wrapped
// lines, and which styles turn wrapping off.
#include "gui_fixture.h"
#include "ctl_test_parent.h"

#include <string>

using namespace guitest;

namespace {

class EditWrapTest : public GuiTest {
protected:
    static std::string LineText(HWND edit, int line)
    {
        char buffer[256] = {0};
        *reinterpret_cast<WORD*>(buffer) = sizeof(buffer) - 1;
        const LRESULT n = SendMessageA(edit, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
        return std::string(buffer, static_cast<size_t>(n));
    }
    static int TextWidth(HWND edit, const std::string& text)
    {
        HDC dc = GetDC(edit);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
        SIZE sz{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &sz);
        SelectObject(dc, old);
        ReleaseDC(edit, dc);
        return sz.cx;
    }
};

const char kText[] = "the quick brown fox jumps over the lazy dog and runs far away";

TEST_F(EditWrapTest, LinesBreakAfterTheLastSpaceThatFitsAndTheLineMessagesFollow)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", ES_MULTILINE, 1, 10, 10, 100, 120, kText);
    const int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    ASSERT_GT(lines, 2);
    RECT client;
    GetClientRect(edit, &client);
    std::string joined;
    for (int i = 0; i < lines; ++i) {
        const std::string line = LineText(edit, i);
        joined += line;
        std::string trimmed = line.substr(0, line.find_last_not_of(' ') + 1);
        EXPECT_LE(TextWidth(edit, trimmed), client.right) << line;
        if (i + 1 < lines) {
            EXPECT_EQ(line.back(), ' ') << "line " << i << " breaks inside a word";
        }
        const int start = static_cast<int>(SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(i), 0));
        EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(start), 0), i);
        EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0), static_cast<LRESULT>(line.size()));
    }
    EXPECT_EQ(joined, kText); // wrapping adds and removes no characters
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(lines), 0), -1);

    // Wider, fewer lines; the text itself is unchanged.
    SetWindowPos(edit, nullptr, 0, 0, 400, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_LT(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), lines);
    EXPECT_EQ(GetWindowTextLengthA(edit), static_cast<int>(sizeof(kText) - 1));
}

TEST_F(EditWrapTest, AWordWiderThanTheBoxBreaksInsideAndHardBreaksStay)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", ES_MULTILINE, 1, 10, 10, 40, 120,
                             "abcdefghijklmnopqrstuvwxyz\r\n\r\nend");
    const int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    ASSERT_GE(lines, 4);
    EXPECT_EQ(LineText(edit, lines - 1), "end");
    EXPECT_EQ(LineText(edit, lines - 2), "");
    EXPECT_LT(LineText(edit, 0).size(), 26u);
    EXPECT_FALSE(LineText(edit, 0).empty());
}

TEST_F(EditWrapTest, EditsThatScrollSidewaysDoNotWrap)
{
    NoteParent parent;
    HWND scrolling = parent.Child("Edit", ES_MULTILINE | ES_AUTOHSCROLL, 1, 10, 10, 100, 120, kText);
    HWND barred = parent.Child("Edit", ES_MULTILINE | WS_HSCROLL, 2, 10, 140, 100, 120, kText);
    HWND single = parent.Child("Edit", 0, 3, 200, 10, 100, 20, kText);
    EXPECT_EQ(SendMessageA(scrolling, EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(barred, EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(single, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(EditWrapTest, TypingRewrapsAndTheCaretKeysFollowTheShownLines)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", ES_MULTILINE, 1, 10, 10, 100, 120, "");
    SetFocus(edit);
    MiscTypeText(kText, edit);
    const int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    EXPECT_GT(lines, 2);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    MiscSendKey(VK_DOWN, edit);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, start, 0), 1);
    MiscSendKey(VK_END, edit);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(static_cast<LRESULT>(start), SendMessageA(edit, EM_LINEINDEX, 1, 0) + SendMessageA(edit, EM_LINELENGTH, start - 1, 0));
}

} // namespace
