// The value-list editor control: the toolkit's list-box editor whose move buttons sort.
#include "misc/datadlg/lbedit.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(VMXListBoxEditor, SECListBoxEditor)

VMXListBoxEditor::VMXListBoxEditor(int type) : m_nType(type) {}

VMXListBoxEditor::~VMXListBoxEditor() = default;

void VMXListBoxEditor::OnEditMoveUp()
{
    SortStrings(true);
}

void VMXListBoxEditor::OnEditMoveDown()
{
    SortStrings(false);
}

void VMXListBoxEditor::SortStrings(bool descending)
{
    CListBox* list = GetListBoxPtr();
    if (!list)
        return;
    const int count = list->GetCount();
    if (count < 2)
        return;
    std::vector<CString> strings(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        list->GetText(i, strings[static_cast<size_t>(i)]);
    // Strings are kept whole, however long; strings equal but for case keep their order.
    std::stable_sort(strings.begin(), strings.end(), [descending](const CString& a, const CString& b) {
        const int c = a.CompareNoCase(b);
        return descending ? c > 0 : c < 0;
    });
    list->SetRedraw(FALSE);
    list->ResetContent();
    for (const CString& s : strings)
        list->AddString(s);
    list->SetRedraw(TRUE);
    list->Invalidate();
}
