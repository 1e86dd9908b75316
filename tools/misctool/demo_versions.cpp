// misctool demo, second road: a document saved three times as new versions with its version
// history, opened again, and a document of a newer program recognised.
#include <misc/data.h>
#include <misc/datadlg.h>
#include <misc/frame.h>
#include <win32/automation.h>
#include <win32/script.h>
#include <win32/surface.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "commands.h"
#include "demo_versions.h"
#include "stdio_rw.h"

namespace misctool {

namespace {

// The sample host document: a title and a list of pieces with their sizes, written as records
// through the host's writer ("MISCDOC", the title, the count, name and size of each piece),
// followed by its version section.
struct SampleDocument {
    std::string title;
    std::vector<std::pair<std::string, long>> pieces;

    void Write(CUniversalReadWrite& w, FILE* f) const
    {
        w.put_str(const_cast<char*>("MISCDOC"), f);
        w.put_str(const_cast<char*>(title.c_str()), f);
        w.put_long(static_cast<long>(pieces.size()), f);
        for (const auto& [name, size] : pieces) {
            w.put_str(const_cast<char*>(name.c_str()), f);
            w.put_long(size, f);
        }
    }
    bool Read(CUniversalReadWrite& w, FILE* f)
    {
        char text[256];
        if (!w.get_str(f, text, sizeof text) || std::string(text) != "MISCDOC")
            return false;
        if (!w.get_str(f, text, sizeof text))
            return false;
        title = text;
        long count = w.get_long(f);
        pieces.clear();
        for (long i = 0; i < count && i < 1000; ++i) {
            if (!w.get_str(f, text, sizeof text))
                return false;
            pieces.emplace_back(text, w.get_long(f));
        }
        return true;
    }
};

// The host's comment dialog: its stored copy is the document's records.
class SaveComment : public CCommentDlg {
public:
    SaveComment(CVersionsData* versions, CUniversalReadWrite& writer, const SampleDocument& doc)
        : CCommentDlg(versions, nullptr), m_writer(writer), m_doc(doc)
    {
    }
    void WriteDocument(FILE* file) override { m_doc.Write(m_writer, file); }

private:
    CUniversalReadWrite& m_writer;
    const SampleDocument& m_doc;
};

// The host's version list: opening a version reads its stored copy.
class HostVersions : public CVersionsDlg {
public:
    HostVersions(CVersionsData* versions, CUniversalReadWrite& writer, std::ostream& out)
        : CVersionsDlg(versions, nullptr, " - coat"), m_writer(writer), m_out(out)
    {
    }
    int OpenFile(int index) override
    {
        CVersionDetail* v = m_pVersions->GetAt(index);
        FILE* storage = CVersionsData::GetTmpVersionsStorage(nullptr);
        SampleDocument copy;
        if (!v || !storage || m_writer.fseekData(storage, v->GetPosInFile(), SEEK_SET) != 0 ||
            !copy.Read(m_writer, storage)) {
            m_out << "  the stored copy of version " << index << " cannot be read\n";
            return 1;
        }
        m_out << "  stored copy of version " << index << ": \"" << copy.title << "\" with " << copy.pieces.size()
              << " pieces\n";
        return 1;
    }

private:
    CUniversalReadWrite& m_writer;
    std::ostream& m_out;
};

std::string Png(const std::string& outDir, const std::string& name)
{
    return outDir.empty() ? std::string() : outDir + "/" + name + ".png";
}

void Capture(HWND hwnd, const std::string& png, std::ostream& out)
{
    if (png.empty())
        return;
    MiscSurface picture = MiscCaptureWindow(hwnd);
    if (picture.width > 0 && MiscWritePng(picture, png.c_str()))
        out << "  picture: " << png << "\n";
}

void PrintVersions(CVersionsData& versions, std::ostream& out)
{
    for (int i = 0; i < versions.GetItemCount(); ++i) {
        CVersionDetail* v = versions.GetAt(i);
        out << "  version " << i << ": by " << v->GetSavedBy().GetString() << ", \""
            << v->GetComments().GetString() << "\", ";
        if (v->GetContaineFile())
            out << "stored copy at " << v->GetPosInFile() << ".." << v->GetPosInFileEnd() << "\n";
        else
            out << "no stored copy\n";
    }
}

// One save as a new version: the comment dialog (answered by a scripted user), then the document
// with its version section. Answers the bytes written, or -1.
long SaveVersion(int number, bool storeCopy, const SampleDocument& doc, CVersionsData& versions,
                 CUniversalReadWrite& writer, const std::string& path, const std::string& outDir, std::ostream& out)
{
    std::string comment = "Save " + std::to_string(number) + ": " + doc.pieces.back().first + " added";
    out << "Save " << number << " as a new version" << (storeCopy ? ", with a stored copy" : "") << "\n";
    SaveComment dlg(&versions, writer, doc);
    // The three saves of the demo run within one second; as a person's would, they lie apart
    // (an hour each). Versions of the same second would read back in reverse order.
    if (dlg.m_pDialog)
        dlg.m_pDialog->m_dateTime -= CTimeSpan(0, 3 - number, 0, 0);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, [&](MiscModal& m) {
        MiscSetControlText(m.hwnd, IDC_MISC_COMMENT_TEXT, comment.c_str());
        if (storeCopy)
            MiscSetCheck(m.hwnd, IDC_MISC_COMMENT_STORE_COPY, BST_CHECKED);
        Capture(m.hwnd, Png(outDir, "demo_version_comment_" + std::to_string(number)), out);
        MiscClickButton(m.hwnd, IDOK);
    });
    int result = dlg.DoModal();
    out << "  comment dialog: " << (result == IDOK ? "OK" : "cancelled") << ", comment \"" << dlg.GetComments()
        << "\"\n";
    FILE* f = std::fopen(path.c_str(), "w+b");
    if (!f)
        return -1;
    doc.Write(writer, f);
    long records = std::ftell(f);
    versions.writeVersionInfo(f);
    long size = std::ftell(f);
    std::fclose(f);
    out << "  wrote " << path << ": " << size << " bytes (records " << records << ", version section "
        << size - records << ")\n";
    return size;
}

bool Reopen(const std::string& path, const std::string& outDir, std::ostream& out)
{
    out << "Open the document again\n";
    StdioReadWrite writer;
    FILE* f = std::fopen(path.c_str(), "rb");
    SampleDocument doc;
    if (!f || !doc.Read(writer, f)) {
        if (f)
            std::fclose(f);
        return false;
    }
    out << "  \"" << doc.title << "\" with " << doc.pieces.size() << " pieces\n";
    if (writer.get_char(f) == VERSION_TAG_COPIES)
        CVersionsData::copyVersionToTmp(&writer, f, CVersionsData::GetTmpVersionsStorage(&writer));
    bool listFound = writer.get_char(f) == VERSION_TAG_LIST;
    CVersionsData versions(&writer);
    if (listFound)
        versions.GetFrom(f);
    std::fclose(f);
    out << "  " << versions.GetItemCount() << " versions, " << versions.GetFilesCount() << " stored copies\n";
    HostVersions dlg(&versions, writer, out);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSIONS, [&](MiscModal& m) {
        MiscElement list = MiscFindControl(m.hwnd, IDC_MISC_VERSIONS_LIST);
        for (int r = 0; r < list.ItemCount(); ++r)
            out << "  row " << r << ": " << list.Cell(r, 1).Text() << " | " << list.Cell(r, 2).Text() << " | "
                << list.Cell(r, 3).Text() << "\n";
        list.Item(0).Click();
        Capture(m.hwnd, Png(outDir, "demo_versions"), out);
        MiscClickButton(m.hwnd, IDC_MISC_VERSIONS_OPEN);
        MiscClickButton(m.hwnd, IDOK);
    });
    dlg.DoModal();
    out << "  version dialog closed, changed: " << dlg.IsChanged() << "\n";
    return listFound;
}

void NewerDocument(std::ostream& out)
{
    out << "Documents written by other programs\n";
    CVersionRwfCheck check;
    for (const char* version : {MISC_PRODUCT_VERSION, "11, 0, 2, 0"}) {
        FLENT_BLK root(1);
        root.AddText(FLENT_ID_VERSION_TEXT, version);
        CString message;
        bool newer = check.Execute(&root, &message, nullptr);
        out << "  written by " << version << ": " << (newer ? "newer" : "not newer");
        if (newer)
            out << " - " << message.GetString();
        out << "\n";
    }
}

} // namespace

int DemoVersions(Context& ctx, const std::string& outDir)
{
    std::ostream& out = ctx.out;
    out << "Version history\n";
    out << "  storage limits: max storage "
        << ProfileReadInt(MISC_HISTORY_SECTION, MISC_MAX_STORAGE_KEY, MISC_MAX_STORAGE_DEFAULT, 1)
        << ", warning from "
        << ProfileReadInt(MISC_HISTORY_SECTION, MISC_MAX_STORAGE_WARNING_KEY, MISC_MAX_STORAGE_WARNING_DEFAULT, 1)
        << "\n";
    std::string path;
    if (!outDir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(outDir, ignored);
        path = outDir + "/versions_document.bin";
    } else {
        char folder[256];
        DWORD n = GetTempPathA(sizeof folder, folder);
        path = std::string(n > 0 && n < sizeof folder ? folder : "/tmp/") + "misc_versions_document.bin";
    }
    {
        // The document is open while it is saved; closing it takes its versions storage along.
        StdioReadWrite writer;
        CVersionsData versions(&writer);
        SampleDocument doc{"coat", {{"front", 1200}}};
        const char* added[] = {"back", "sleeve"};
        for (int save = 1; save <= 3; ++save) {
            if (save > 1)
                doc.pieces.emplace_back(added[save - 2], 900 + 100 * save);
            if (SaveVersion(save, save != 2, doc, versions, writer, path, outDir, out) < 0)
                return Fail(ctx, "cannot write " + path);
        }
        PrintVersions(versions, out);
    }
    if (!Reopen(path, outDir, out))
        return Fail(ctx, "cannot read the versions of " + path);
    NewerDocument(out);
    return kExitOk;
}

} // namespace misctool
