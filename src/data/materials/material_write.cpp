// The fabric pattern profile file: writing blocks, and remembering the material names.
#include <windows.h>

#include <string>

#include "material_detail.h"
#include "misc/data/combolist.h"
#include "misc/data/materials.h"

namespace {

// A text of a record goes on one line: line breaks inside it would end the line early and make
// the file unreadable, so they are written as spaces.
void AppendLineText(CString& out, const char* text)
{
    for (const char* p = text; *p; ++p)
        out += (*p == '\n' || *p == '\r') ? ' ' : *p;
}

} // namespace

CString FormatMaterialBlock(const CMaterialBlock& record)
{
    using materials_detail::AppendFixed;
    CString out;
    out += "Block\nMaterial ";
    AppendLineText(out, record.m_name);
    out += "\nFile ";
    AppendLineText(out, record.m_file);
    out += "\nSize ";
    AppendFixed(out, record.m_sizeX);
    out += ' ';
    AppendFixed(out, record.m_sizeY);
    out += " \nOffset ";
    AppendFixed(out, record.m_offsetX);
    out += ' ';
    AppendFixed(out, record.m_offsetY);
    out += " \nWeight ";
    AppendFixed(out, record.m_weight);
    out += ' ';
    AppendLineText(out, record.m_weightText);
    out += "\nCost ";
    AppendFixed(out, record.m_cost);
    out += ' ';
    AppendLineText(out, record.m_costText);
    out += "\nEndBlock\n";
    return out;
}

void WriteMaterialBlock(const CMaterialBlock& record, FILE* file)
{
    if (!file)
        return;
    CString text = FormatMaterialBlock(record);
    std::fwrite(text.GetString(), 1, static_cast<size_t>(text.GetLength()), file);
}

BOOL WriteMaterialFile(const CMaterialArray& materials, const char* path)
{
    if (!path || !*path)
        return FALSE;
    std::string bytes;
    try {
        for (INT_PTR i = 0; i < materials.GetSize(); ++i)
            bytes += FormatMaterialBlock(materials[i]).View();
        bytes += "End\n";
    } catch (const std::exception&) {
        return FALSE;
    }
    return MiscReplaceFile(MiscNativePath(path), bytes) == ERROR_SUCCESS;
}

void RememberMaterialNames(const CMaterialArray& materials)
{
    CString listName;
    getNameByType(listName, COMBO_LIST_MATERIAL_NAME);
    CComboItemList list;
    list.Load(COMBO_LIST_MATERIAL_NAME);
    for (INT_PTR i = 0; i < materials.GetSize(); ++i) {
        CComboItem item(materials[i].m_name, listName);
        list.AddNewComboItem(item, 1);
    }
    list.Store(COMBO_LIST_MATERIAL_NAME);
}
