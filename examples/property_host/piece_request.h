#pragma once
// The first typical request, scripted: the host opens the piece dialog for a new piece and a
// person (the scripted user) edits every row through its in-place editor, picks a colour from
// the palette and a file from the file chooser, collapses a category and presses OK.
//
// `observe` is told each step after it happened, with the window that shows it (the dialog, or
// the colour pop-up while it is open), so a caller can print the steps or capture the windows.
#include <functional>
#include <string>
#include <vector>

#include "property_host/piece_host.h"

namespace sample {

// What the person enters.
struct PieceAnswers {
    std::string name = "Back yoke";
    std::string width = "312.5";
    std::string quantity = "4";
    int grainAngle = 135;
    std::string material = "Linen";
    std::string colour = "FF0000";
    std::string patternFile = "/patterns/back_yoke.cut";
};

struct PieceRequestResult {
    INT_PTR modalResult = -1;          // the dialog's DoModal answer
    std::vector<std::string> events;   // the manager's hooks, in order
    std::string scriptReport;          // modal windows missed or unexpected (empty when all came)
    std::vector<std::string> failures; // steps the person could not do
};

using StepObserver = std::function<void(const std::string& step, HWND window)>;

PieceRequestResult RunPieceRequest(Piece& piece, const PieceAnswers& answers, const StepObserver& observe);

} // namespace sample
