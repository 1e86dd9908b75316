// The scripted person of the first typical request.
#include "property_host/piece_request.h"

#include <win32/automation.h>
#include <win32/script.h>

namespace sample {

namespace {

// The person's hands on the open dialog.
class Person {
public:
    Person(CPropertyDlg& dlg, HWND dialog, PieceRequestResult& result, const StepObserver& observe)
        : m_dlg(dlg), m_dialog(dialog), m_result(result), m_observe(observe)
    {
        m_grid = MiscFindControl(dialog, CPropertyDlg::kGridId).Window();
    }
    // The value cell of a row found by "Category|Row".
    MiscElement Value(const std::string& row) const
    {
        MiscElement e = MiscElement(m_grid).Item(row);
        return MiscElement(e.Window(), e.Path().Cell(1));
    }
    MiscElement Row(const std::string& row) const { return MiscElement(m_grid).Item(row); }
    // A child control of the grid's view (an in-place window), by class.
    MiscElement InPlace(const char* className) const { return MiscFindControlByClass(m_grid, className); }

    // Clicks the up arrow of the selected row's spin button.
    bool ClickUpArrow() const
    {
        HWND spin = InPlace("msctls_updown32").Window();
        return spin && MiscSelectItem(::GetParent(spin), ::GetDlgCtrlID(spin), 1);
    }
    // Selects a row and clicks the button at the right of its value.
    bool PressButton(const std::string& row, const char* caption) const
    {
        CXTPPropertyGridItem* item = m_dlg.GetGrid() ? m_dlg.GetGrid()->FindItem(caption) : nullptr;
        if (!item || !Row(row).Click())
            return false;
        return MiscElement(item->GetInplaceButton().GetSafeHwnd()).Click() != FALSE;
    }

    void Step(bool ok, const std::string& what, HWND shown = nullptr)
    {
        if (!ok)
            m_result.failures.push_back(what);
        if (m_observe)
            m_observe(what, shown ? shown : m_dialog);
    }
    HWND Dialog() const { return m_dialog; }

private:
    CPropertyDlg& m_dlg;
    HWND m_dialog;
    HWND m_grid = nullptr;
    PieceRequestResult& m_result;
    const StepObserver& m_observe;
};

void Edit(Person& p, const PieceAnswers& a, MiscScriptedUser& user)
{
    p.Step(true, "The dialog opens in create mode with the piece grid.");
    p.Step(p.Value("General|Name").TypeText(a.name) != FALSE, "The person types the name " + a.name);
    p.Step(p.Value("General|Width").TypeText(a.width) != FALSE, "The person types the width " + a.width + " (millimetres)");
    p.Step(p.Value("General|Quantity").TypeText(a.quantity) != FALSE, "The person types the quantity " + a.quantity);
    p.Step(p.Value("Cutting|Mirrored copy").Click() != FALSE, "The person clicks the mirrored-copy box");
    bool slid = p.Row("Cutting|Grain angle").Click() && p.InPlace("msctls_trackbar32").SetValue(a.grainAngle);
    p.Step(slid, "The person drags the grain-angle slider to " + std::to_string(a.grainAngle));
    bool spun = p.Row("Cutting|Seam allowance").Click() && p.ClickUpArrow();
    p.Step(spun, "The person clicks the seam allowance's up arrow once");
    p.Step(p.Value("Appearance|Material").TypeText(a.material) != FALSE, "The person picks the material " + a.material);

    // The colour row's button opens the palette; the person clicks a cell of it.
    user.Expect(MiscModalKind::ColorChooser, {}, [&p, a](MiscModal& m) {
        p.Step(true, "The colour palette opens under the colour row.", m.hwnd);
        MiscElement(m.hwnd).Item(a.colour).Click();
    }, "the colour palette");
    p.Step(p.PressButton("Appearance|Colour", "Colour"), "The person picks the colour " + a.colour + " from the palette");

    // The file row's button opens the file chooser.
    user.ExpectFileOpen(a.patternFile);
    p.Step(p.PressButton("Appearance|Pattern file", "Pattern file"), "The person chooses the pattern file " + a.patternFile);

    p.Step(p.Row("Appearance|Marker pen").RightClick() != FALSE, "The person right-clicks the marker pen row");
    p.Step(p.Value("Appearance|Reset").Click() != FALSE, "The person presses the reset button row");
    p.Step(p.Row("Cutting").Collapse() != FALSE, "The person collapses the Cutting category");
    p.Step(MiscClickButton(p.Dialog(), IDOK) != FALSE, "The person presses OK");
}

} // namespace

PieceRequestResult RunPieceRequest(Piece& piece, const PieceAnswers& answers, const StepObserver& observe)
{
    PieceRequestResult result;
    {
        PieceDlg dialog(&piece);
        MiscScriptedUser user;
        user.ExpectDialog(CPropertyDlg::kTemplateCreate, [&](MiscModal& m) {
            Person person(dialog, m.hwnd, result, observe);
            Edit(person, answers, user);
        });
        result.modalResult = dialog.DoModal();
        result.events = dialog.events;
        result.scriptReport = user.Report();
    } // the dialog goes: its grid writes the layout and the expanded states to the profile
    return result;
}

} // namespace sample
