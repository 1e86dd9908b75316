// The version history's report list: columns from the resource strings, one row per version.
#include "misc/datadlg/versions_dlg.h"

namespace {

CString LoadResourceString(UINT id)
{
    CCallResourceScope scope;
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

void CVersionListCntrl::InsertColumns()
{
    struct Column {
        UINT id;
        int factor;
        int extra;
    };
    static const Column columns[] = {
        {IDS_MISC_VERSION_COL_DATE, 1, 85},
        {IDS_MISC_VERSION_COL_SAVED_BY, 1, 73},
        {IDS_MISC_VERSION_COL_STORED_COPY, 2, 73},
        {IDS_MISC_VERSION_COL_COMMENTS, 2, 250},
    };
    int index = 0;
    for (const Column& c : columns) {
        CString heading = LoadResourceString(c.id);
        InsertColumn(index++, heading, LVCFMT_LEFT, c.factor * heading.GetLength() + c.extra);
    }
}

CString CVersionListCntrl::StoredCopyText(const CVersionDetail& version)
{
    if (!version.GetContaineFile())
        return LoadResourceString(IDS_MISC_VERSION_STORED_NO);
    CString text = LoadResourceString(IDS_MISC_VERSION_STORED_YES);
    long size = version.GetPosInFileEnd() - version.GetPosInFile();
    if (size > 2)
        text.AppendFormat(" %dKB", static_cast<int>((size + 1023) / 1024));
    return text;
}

void CVersionListCntrl::Fill(CVersionsData& versions)
{
    DeleteAllItems();
    for (int i = 0; i < versions.GetItemCount(); ++i) {
        CVersionDetail* v = versions.GetAt(i);
        if (!v)
            continue;
        int row = InsertItem(i, v->GetDateAndTime().Format("%c"));
        SetItemText(row, 1, v->GetSavedBy());
        SetItemText(row, 2, StoredCopyText(*v));
        SetItemText(row, 3, v->GetComments());
    }
}

void CVersionListCntrl::GetSelection(CArray<int, int>& rows) const
{
    rows.RemoveAll();
    POSITION pos = GetFirstSelectedItemPosition();
    while (pos)
        rows.Add(GetNextSelectedItem(pos));
}
