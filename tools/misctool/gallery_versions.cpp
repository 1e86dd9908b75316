// Gallery pictures of the version history: the list of a document's versions with one selected,
// and the comment asked for at a save.
#include <misc/datadlg.h>
#include <win32/automation.h>
#include <win32/script.h>

#include <functional>
#include <string>

#include "gallery.h"
#include "stdio_rw.h"

namespace misctool {

namespace {

// Runs `run` with a scripted user that captures the dialog `templateId` and closes it.
template <class Run>
bool CaptureModal(UINT templateId, const std::string& png, std::string& error, Run run,
                  std::function<void(MiscModal&)> prepare = {})
{
    bool ok = false;
    MiscScriptedUser user;
    user.ExpectDialog(templateId, [&](MiscModal& m) {
        if (prepare)
            prepare(m);
        ok = CaptureToPng(m.hwnd, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    run();
    if (!user.AllDone() && error.empty())
        error = user.Report();
    return ok;
}

} // namespace

bool GalleryVersions(const std::string& png, std::string& error)
{
    StdioReadWrite writer;
    CVersionsData versions(&writer);
    versions.SetAutomaticSaveVersion(1);
    struct Row {
        int day, hour;
        const char* by;
        const char* comment;
        long size;
    } rows[] = {
        {2, 9, "anna", "First cut of the coat", 41000},
        {3, 14, "bert", "Sleeves lengthened by 2 cm", 0},
        {5, 11, "anna", "Collar redrawn, grading checked", 43500},
        {6, 16, "cara", "Marker for the spring order", 2},
    };
    long at = 0;
    for (const Row& r : rows) {
        CVersionDetail v(&writer);
        v.SetDateAndTime(CTime(2026, 3, r.day, r.hour, 30, 0));
        v.SetSavedBy(r.by);
        v.SetComments(const_cast<char*>(r.comment));
        if (r.size > 0) {
            v.SetContaineFile(1);
            v.SetPosInFile(at);
            v.SetPosInFileEnd(at + r.size);
            at += r.size;
        }
        versions.AddVersion(v);
    }
    CVersionsDlg dlg(&versions, nullptr, " - coat.pat");
    return CaptureModal(
        IDD_MISC_VERSIONS, png, error, [&] { dlg.DoModal(); },
        [](MiscModal& m) { MiscFindControl(m.hwnd, IDC_MISC_VERSIONS_LIST).Item(1).Click(); });
}

bool GalleryVersionComment(const std::string& png, std::string& error)
{
    StdioReadWrite writer;
    CVersionsData versions(&writer);
    struct NoDocument : CCommentDlg {
        using CCommentDlg::CCommentDlg;
        void WriteDocument(FILE*) override {}
    } dlg(&versions, nullptr);
    if (dlg.m_pDialog)
        dlg.m_pDialog->m_dateTime = CTime(2026, 3, 6, 16, 30, 0);
    return CaptureModal(IDD_MISC_VERSION_COMMENT, png, error, [&] { dlg.DoModal(); }, [](MiscModal& m) {
        MiscSetControlText(m.hwnd, IDC_MISC_COMMENT_SAVED_BY, "cara");
        MiscSetControlText(m.hwnd, IDC_MISC_COMMENT_TEXT, "Marker for the spring order");
        MiscSetCheck(m.hwnd, IDC_MISC_COMMENT_STORE_COPY, BST_CHECKED);
    });
}

} // namespace misctool
