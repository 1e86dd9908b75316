#pragma once
// The text of an edit control, apart from the window: the characters, the selection (anchor and
// caret, either may come first), the limit on typed text, lines separated by "\r\n", and one level
// of undo. Pure data: no messages, no painting.
#include <functional>
#include <string>
#include <vector>

namespace ctl {

class EditText {
public:
    const std::string& Text() const { return m_text; }
    int Length() const { return static_cast<int>(m_text.size()); }

    // The selection as Windows reports it: start <= end.
    int SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    int SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    int Caret() const { return m_caret; }
    bool HasSelection() const { return m_anchor != m_caret; }
    // EM_SETSEL: start -1 removes the selection (the caret stays); an end of -1 or beyond the
    // text means its end; start may exceed end (the caret goes to end).
    void SetSel(int start, int end);
    void MoveCaret(int position, bool extend);

    // WM_SETTEXT: everything replaced, no limit, caret at the start, the undo state cleared.
    void SetText(const std::string& text);
    // Replaces the selection. With honourLimit the inserted text is cut to what fits; returns
    // false when nothing could be inserted and nothing was selected (so nothing changed).
    bool ReplaceSel(const std::string& text, bool honourLimit, bool canUndo);
    // Backspace and Delete: the selection, else one character (a "\r\n" pair counts as one).
    bool DeleteBack();
    bool DeleteForward();

    int Limit() const { return m_limit; }
    void SetLimit(int limit) { m_limit = limit > 0 ? limit : 0x7FFFFFFE; }

    bool CanUndo() const { return m_canUndo; }
    bool Undo();
    void EmptyUndo() { m_canUndo = false; }

    // Word wrap: lines longer than `width` (as `measure` gives the width of a piece of text) break
    // after the last space that fits, or inside a word longer than the width. The spaces at a
    // break stay at the end of their line. A width of 0 or less wraps nothing.
    using Measure = std::function<int(const std::string&)>;
    void SetWrap(int width, Measure measure);
    bool Wraps() const { return m_wrapWidth > 0 && m_measure != nullptr; }

    // Lines as shown: broken at "\r\n" and, with word wrap, where the text wraps.
    int LineCount() const;
    int LineIndex(int line) const;     // first character of a line, -1 when there is none
    int LineFromChar(int index) const; // the line holding a character
    int LineLength(int index) const;   // length of the line holding a character
    std::string Line(int line) const;

private:
    struct Span {
        int start;
        int length;
    };
    void SaveUndo();
    const std::vector<Span>& Spans() const;
    void WrapLine(int from, int to, std::vector<Span>& out) const;
    int m_wrapWidth = 0;
    Measure m_measure;
    mutable std::vector<Span> m_spans;
    mutable std::string m_spansOf; // the text m_spans were made for
    mutable bool m_spansValid = false;
    std::string m_text;
    int m_anchor = 0;
    int m_caret = 0;
    int m_limit = 32767;
    bool m_canUndo = false;
    std::string m_undoText;
    int m_undoAnchor = 0;
    int m_undoCaret = 0;
};

} // namespace ctl
