// The host pushes new values into shown items.
#include "misc/grid/gridwnd.h"
#include "misc/grid/items.h"
#include "misc/grid/managers.h"

void CPropertyMngr::UpdateItem(long id, void* value)
{
    if (m_HideDisabled && !m_CreateMode) {
        m_PostUpdateMessage = true;
        return;
    }
    CStringList empty;
    UpdateItem(GetDataItem(static_cast<int>(id), 0, empty, CString()), value, false);
}

void CPropertyMngr::UpdateItem(CGnrlGridItemData* item, void* value, bool byId)
{
    if (!item || !m_ParentDlg)
        return;
    if (m_HideDisabled && !m_CreateMode) {
        m_PostUpdateMessage = true;
        return;
    }
    if (!value)
        return;
    switch (item->GetType()) {
    case eGridItemText:
    case eGridItemList:
        item->SetStrValue(*static_cast<CString*>(value));
        break;
    case eGridItemInteger: {
        int number = *static_cast<int*>(value);
        if (auto* n = dynamic_cast<CNumberGnrlItemData*>(item)) {
            n->SetValue(static_cast<double>(number));
        } else {
            CString text;
            text.Format("%d", number);
            item->SetStrValue(text);
        }
        break;
    }
    case eGridItemCheckBox:
        if (auto* c = dynamic_cast<CCheckBoxGnrlItemData*>(item))
            c->SetValue(*static_cast<int*>(value));
        else
            return;
        break;
    case eGridItemNumber:
        if (auto* n = dynamic_cast<CNumberGnrlItemData*>(item))
            n->SetValue(*static_cast<double*>(value));
        else
            return;
        break;
    case eGridItemListBox:
        if (auto* l = dynamic_cast<CListBoxGnrlItemData*>(item))
            l->SetValue(*static_cast<int*>(value));
        else
            return;
        break;
    case eGridItemListImages:
        if (auto* l = dynamic_cast<CListBoxImagesGnrlItemData*>(item)) {
            long* number = static_cast<long*>(value);
            if (!l->SetValue(*number))
                *number = l->GetValue();
        } else {
            return;
        }
        break;
    default:
        return;
    }
    item->Update(DlgGrid(), byId);
}
