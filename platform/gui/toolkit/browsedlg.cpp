// The toolkit's folder browser: a modal request the scripted user answers with a folder.
#include "toolkit/browsedlg.h"

#include "dialog/dlgsys.h"

CXTBrowseDialog::CXTBrowseDialog(CWnd* parent) : m_parent(parent) {}

INT_PTR CXTBrowseDialog::DoModal()
{
    MiscModal info;
    info.kind = MiscModalKind::Folder;
    info.caption = m_title.GetString();
    info.initialDir = m_selPath.GetString();
    info.flags = m_flags;
    MiscModalHandler handler = wndsys::CurrentModalHandler();
    if (!handler) {
        wndsys::ModalFailure(info.Describe() + " opened with no scripted user to answer it");
        return IDCANCEL;
    }
    {
        wndsys::ModalScope scope(nullptr);
        handler(info);
    }
    if (!info.answered || info.answer.empty())
        return IDCANCEL;
    // Bounded like the shell's: a folder path that does not fit MAX_PATH is refused.
    if (info.answer.size() >= MAX_PATH) {
        wndsys::ModalFailure(info.Describe() + " answered a path longer than MAX_PATH");
        return IDCANCEL;
    }
    m_selPath = info.answer.c_str();
    return IDOK;
}
