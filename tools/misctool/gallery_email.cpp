// Gallery picture of the e-mail compose dialog: a message with two recipients picked with Add>>
// and two files, the first one selected.
#include <misc/datadlg.h>
#include <win32/automation.h>
#include <win32/script.h>

#include <string>

#include "gallery.h"

namespace misctool {

bool GalleryEmailCompose(const std::string& png, std::string& error)
{
    CEmailComposeData data;
    data.subject = "Spring order: coat markers";
    data.text = "Hello Anna,\r\nhere are the markers of the coat for the spring order.\r\nBert";
    data.names.Add(CString("coat size 38.mrk\n"));
    data.paths.Add(CString("/srv/patterns/coat size 38.mrk"));
    data.names.Add(CString("coat pieces.pds\n"));
    data.paths.Add(CString("/srv/patterns/coat pieces.pds"));
    bool ok = false;
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        for (const char* address : {"anna@example.com", "cutting.room@example.com"}) {
            MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_RECIPIENT, address);
            MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_RECIPIENT);
        }
        MiscSelectItem(m.hwnd, IDC_MISC_EMAIL_FILES, 0);
        ok = CaptureToPng(m.hwnd, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    CEmailDialog dialog(nullptr);
    dialog.SetComposeData(data);
    dialog.DoModal();
    if (!user.AllDone() && error.empty())
        error = user.Report();
    return ok;
}

} // namespace misctool
