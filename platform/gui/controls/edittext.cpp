#include "controls/edittext.h"

#include <algorithm>

namespace ctl {

void EditText::SetSel(int start, int end)
{
    int n = Length();
    if (start == -1) {
        m_anchor = m_caret;
        return;
    }
    if (end < 0 || end > n)
        end = n;
    start = std::clamp(start, 0, n);
    m_anchor = start;
    m_caret = end;
}

void EditText::MoveCaret(int position, bool extend)
{
    m_caret = std::clamp(position, 0, Length());
    if (!extend)
        m_anchor = m_caret;
}

void EditText::SetText(const std::string& text)
{
    m_text = text;
    m_anchor = m_caret = 0;
    m_canUndo = false;
}

void EditText::SaveUndo()
{
    m_undoText = m_text;
    m_undoAnchor = m_anchor;
    m_undoCaret = m_caret;
    m_canUndo = true;
}

bool EditText::ReplaceSel(const std::string& text, bool honourLimit, bool canUndo)
{
    int start = SelStart(), end = SelEnd();
    std::string insert = text;
    if (honourLimit) {
        int room = m_limit - (Length() - (end - start));
        if (room < 0)
            room = 0;
        if (static_cast<int>(insert.size()) > room)
            insert.resize(static_cast<size_t>(room));
    }
    if (insert.empty() && start == end)
        return false;
    if (canUndo)
        SaveUndo();
    m_text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), insert);
    m_anchor = m_caret = start + static_cast<int>(insert.size());
    return true;
}

bool EditText::DeleteBack()
{
    if (HasSelection())
        return ReplaceSel("", false, true);
    if (m_caret == 0)
        return false;
    int from = m_caret - 1;
    if (from > 0 && m_text[from] == '\n' && m_text[from - 1] == '\r')
        --from;
    m_anchor = from;
    return ReplaceSel("", false, true);
}

bool EditText::DeleteForward()
{
    if (HasSelection())
        return ReplaceSel("", false, true);
    if (m_caret >= Length())
        return false;
    int to = m_caret + 1;
    if (m_text[m_caret] == '\r' && to < Length() && m_text[to] == '\n')
        ++to;
    m_anchor = m_caret;
    m_caret = to;
    return ReplaceSel("", false, true);
}

bool EditText::Undo()
{
    if (!m_canUndo)
        return false;
    // Undo swaps, so a second undo redoes (as Windows' edit control does).
    std::swap(m_text, m_undoText);
    std::swap(m_anchor, m_undoAnchor);
    std::swap(m_caret, m_undoCaret);
    m_anchor = std::clamp(m_anchor, 0, Length());
    m_caret = std::clamp(m_caret, 0, Length());
    return true;
}

void EditText::SetWrap(int width, Measure measure)
{
    m_wrapWidth = width;
    m_measure = std::move(measure);
    m_spansValid = false;
}

void EditText::WrapLine(int from, int to, std::vector<Span>& out) const
{
    int pos = from;
    while (true) {
        const std::string rest = m_text.substr(static_cast<size_t>(pos), static_cast<size_t>(to - pos));
        if (!Wraps() || rest.empty() || m_measure(rest) <= m_wrapWidth) {
            out.push_back(Span{pos, to - pos});
            return;
        }
        // The longest piece that fits (at least one character), found by halving.
        int lo = 1, hi = to - pos;
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (m_measure(m_text.substr(static_cast<size_t>(pos), static_cast<size_t>(mid))) <= m_wrapWidth)
                lo = mid;
            else
                hi = mid - 1;
        }
        int end = pos + lo;
        // Break after the last space of the piece; the spaces after it hang on this line.
        int space = end;
        while (space > pos && m_text[static_cast<size_t>(space)] != ' ' && m_text[static_cast<size_t>(space - 1)] != ' ')
            --space;
        if (space > pos)
            end = space;
        while (end < to && m_text[static_cast<size_t>(end)] == ' ')
            ++end;
        out.push_back(Span{pos, end - pos});
        if (end >= to)
            return;
        pos = end;
    }
}

const std::vector<EditText::Span>& EditText::Spans() const
{
    if (m_spansValid && m_spansOf == m_text)
        return m_spans;
    m_spans.clear();
    int start = 0;
    const int n = Length();
    for (int i = 0; i + 1 < n; ++i)
        if (m_text[static_cast<size_t>(i)] == '\r' && m_text[static_cast<size_t>(i + 1)] == '\n') {
            WrapLine(start, i, m_spans);
            start = i + 2;
            ++i;
        }
    WrapLine(start, n, m_spans);
    m_spansOf = m_text;
    m_spansValid = true;
    return m_spans;
}

int EditText::LineCount() const
{
    return static_cast<int>(Spans().size());
}

int EditText::LineIndex(int line) const
{
    const auto& spans = Spans();
    if (line < 0 || line >= static_cast<int>(spans.size()))
        return -1;
    return spans[static_cast<size_t>(line)].start;
}

int EditText::LineFromChar(int index) const
{
    if (index < 0 || index > Length())
        index = m_caret;
    const auto& spans = Spans();
    int line = 0;
    for (size_t i = 1; i < spans.size() && spans[i].start <= index; ++i)
        line = static_cast<int>(i);
    return line;
}

int EditText::LineLength(int index) const
{
    return static_cast<int>(Line(LineFromChar(index)).size());
}

std::string EditText::Line(int line) const
{
    const auto& spans = Spans();
    if (line < 0 || line >= static_cast<int>(spans.size()))
        return std::string();
    const Span& s = spans[static_cast<size_t>(line)];
    return m_text.substr(static_cast<size_t>(s.start), static_cast<size_t>(s.length));
}

} // namespace ctl
