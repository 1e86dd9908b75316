#pragma once
// Shared set-up of the data dialogs' tests: private profile and shared folders per test, and a
// few readers of what a dialog shows, through the automation layer.
#include <misc/frame.h>

#include "mfc/resscope.h"
#include "test_env.h"
#include "win32/automation.h"
#include "win32/script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace datadlg_test {

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("datadlg");
        setenv("MISC_COMMON_DATA", misc_test::MakeTempDir("common").c_str(), 1);
        setenv("XDG_DATA_HOME", misc_test::MakeTempDir("user").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_privateUsing = true;
        MiscClearModalErrors();
    }
    void TearDown() override
    {
        EXPECT_TRUE(MiscModalErrors().empty()) << MiscModalErrors().front();
        KestProfile::Reset();
    }
    std::string Path(const std::string& name) const { return dir + "/" + name; }

    std::string dir;
};

// The cells of a table grid, row by row (data rows from 1, columns from 1).
inline std::vector<std::vector<std::string>> Cells(HWND grid, int columns)
{
    std::vector<std::vector<std::string>> out;
    MiscElement table(grid);
    for (int row = 1; row < table.ItemCount(); ++row) {
        std::vector<std::string> cells;
        for (int col = 1; col <= columns; ++col)
            cells.push_back(table.Cell(row, col).Text());
        out.push_back(cells);
    }
    return out;
}

// A resource string, formatted like the dialogs format it.
template <typename... Args>
std::string ResourceText(UINT id, const Args&... args)
{
    CCallResourceScope scope;
    CString text;
    if constexpr (sizeof...(Args) == 0)
        text.LoadString(id);
    else
        text.Format(id, args...);
    return text.GetString();
}

inline bool Enabled(HWND dialog, int id)
{
    return MiscFindControl(dialog, id).State().enabled;
}

} // namespace datadlg_test
