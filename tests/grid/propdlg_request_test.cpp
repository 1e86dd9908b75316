// The first typical request end to end: the sample host's piece dialog, edited by the scripted
// person, applies every value to the host's variables and the profile and remembers the layout.
#include "propdlg_fixture.h"

#include "property_host/piece_request.h"

#include <algorithm>

namespace propdlgtest {
namespace {

class PieceRequestTest : public PropDlgTest {};

TEST_F(PieceRequestTest, EveryEditReachesTheHostAndTheProfile)
{
    sample::Piece piece;
    sample::PieceAnswers answers;
    std::vector<std::string> steps;
    const sample::PieceRequestResult result =
        sample::RunPieceRequest(piece, answers, [&steps](const std::string& step, HWND) { steps.push_back(step); });

    EXPECT_EQ(result.modalResult, IDOK);
    EXPECT_EQ(result.scriptReport, "");
    EXPECT_EQ(result.failures, std::vector<std::string>());
    EXPECT_EQ(steps.size(), 15u);

    // The host's variables.
    EXPECT_EQ(piece.name, CString("Back yoke"));
    EXPECT_DOUBLE_EQ(piece.width, 312.5);
    EXPECT_EQ(piece.quantity, 4);
    EXPECT_EQ(piece.mirrored, 1);
    EXPECT_EQ(piece.grainAngle, 135);
    EXPECT_FLOAT_EQ(piece.seamAllowance, 1.5f);
    EXPECT_EQ(piece.material, 2);
    EXPECT_EQ(piece.colour, RGB(255, 0, 0));
    EXPECT_EQ(piece.patternFile, CString("/patterns/back_yoke.cut"));

    // The values in the user profile file.
    const char* s = sample::kSection;
    EXPECT_EQ(ProfileText(s, "Name"), "Back yoke");
    EXPECT_DOUBLE_EQ(std::stod(ProfileText(s, "Width")), 312.5);
    EXPECT_DOUBLE_EQ(std::stod(ProfileText(s, "Quantity")), 4.0);
    EXPECT_EQ(ProfileText(s, "Mirrored"), "1");
    EXPECT_EQ(ProfileText(s, "GrainAngle"), "135");
    EXPECT_DOUBLE_EQ(std::stod(ProfileText(s, "Seam")), 1.5);
    EXPECT_EQ(ProfileText(s, "Material"), "2");
    EXPECT_EQ(ProfileText(s, "Colour"), "FF0000");
    EXPECT_EQ(ProfileText(s, "PatternFile"), "/patterns/back_yoke.cut");

    // The layout and the expanded states, written when the dialog went.
    EXPECT_EQ(ProfileInt(s, "Prop_12_41001"), 1);
    EXPECT_EQ(ProfileInt(s, "Prop_12_41002"), 0); // Cutting was collapsed
    EXPECT_EQ(ProfileInt(s, "Prop_12_41003"), 1);
    EXPECT_EQ(ProfileInt(s, "PrefHelpHeightProperty12"), 50);
    EXPECT_NE(ProfileText(s, "PrefDividerProperty12"), "");
    EXPECT_EQ(ProfileInt(s, "PrefTopIndexProperty12"), 0);

    // The manager heard every hook.
    auto heard = [&result](const std::string& e) {
        return std::find(result.events.begin(), result.events.end(), e) != result.events.end();
    };
    for (const char* e : {"ValueChanged Name", "ValueChanged Width", "ValueChanged Quantity", "ValueChanged Mirrored copy",
                          "ValueChanged Grain angle", "ValueChanged Seam allowance", "ValueChanged Material",
                          "InplaceRClick Marker pen", "ValueChanged Reset", "ItemExpand Cutting", "OnOK Back yoke"})
        EXPECT_TRUE(heard(e)) << e;
}

TEST_F(PieceRequestTest, ASecondOpeningRemembersTheCollapsedCategory)
{
    sample::Piece piece;
    const sample::PieceRequestResult first = sample::RunPieceRequest(piece, sample::PieceAnswers(), nullptr);
    ASSERT_EQ(first.failures, std::vector<std::string>());
    ASSERT_EQ(ProfileInt(sample::kSection, "Prop_12_41002"), 0);
    int cuttingExpanded = -2, cuttingShown = -2;
    {
        sample::PieceDlg dlg(&piece);
        MiscScriptedUser user;
        user.ExpectDialog(CPropertyDlg::kTemplateCreate, [&](MiscModal& m) {
            // The model read the remembered state back from the profile through the grid's cache.
            cuttingExpanded = dlg.GetPropMngr()->GetCategory(sample::IDS_CAT_CUTTING)->GetExpand();
            // ... and the row shows it.
            HWND grid = MiscFindControl(m.hwnd, CPropertyDlg::kGridId).Window();
            cuttingShown = MiscElement(grid).Item("Cutting").State().expanded;
            MiscClickButton(m.hwnd, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(cuttingExpanded, 0);
    EXPECT_EQ(cuttingShown, 0);
    EXPECT_EQ(piece.name, CString("Back yoke")); // Cancel applied nothing new
}

} // namespace
} // namespace propdlgtest
