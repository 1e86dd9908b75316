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

int EditText::LineCount() const
{
    int lines = 1;
    for (size_t i = 0; i + 1 < m_text.size(); ++i)
        if (m_text[i] == '\r' && m_text[i + 1] == '\n')
            ++lines;
    return lines;
}

int EditText::LineIndex(int line) const
{
    if (line < 0)
        return -1;
    int current = 0;
    if (line == 0)
        return 0;
    for (size_t i = 0; i + 1 < m_text.size(); ++i)
        if (m_text[i] == '\r' && m_text[i + 1] == '\n' && ++current == line)
            return static_cast<int>(i + 2);
    return -1;
}

int EditText::LineFromChar(int index) const
{
    if (index < 0 || index > Length())
        index = m_caret;
    int line = 0;
    for (int i = 0; i + 1 < index + 1 && i + 1 < Length(); ++i)
        if (m_text[i] == '\r' && m_text[i + 1] == '\n' && i + 2 <= index)
            ++line;
    return line;
}

int EditText::LineLength(int index) const
{
    int line = LineFromChar(index);
    return static_cast<int>(Line(line).size());
}

std::string EditText::Line(int line) const
{
    int start = LineIndex(line);
    if (start < 0)
        return std::string();
    size_t stop = m_text.find("\r\n", static_cast<size_t>(start));
    if (stop == std::string::npos)
        stop = m_text.size();
    return m_text.substr(static_cast<size_t>(start), stop - static_cast<size_t>(start));
}

} // namespace ctl
