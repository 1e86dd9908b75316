// misctool demo: the first typical request, showing the properties of a piece.
#include "demo_property.h"

#include <misc/misc.h>

#include <cstdio>
#include <filesystem>
#include <ostream>

#include "gallery.h"
#include "property_host/piece_request.h"

namespace misctool {

namespace {

void ShowPiece(Context& ctx, const char* when, const sample::Piece& p)
{
    ctx.out << "  the piece " << when << ": name \"" << p.name.GetString() << "\", width " << p.width << " mm, quantity "
            << p.quantity << ", mirrored " << p.mirrored << ", grain " << p.grainAngle << " deg, seam allowance "
            << p.seamAllowance << " cm, material " << p.material << ", colour "
            << CCustomItemColor::RGBToString(p.colour).GetString() << ", pattern file \"" << p.patternFile.GetString()
            << "\"\n";
}

// A profile file of the demo's own, so that running it changes no real settings.
std::string UseDemoProfile(const std::string& outDir)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = !outDir.empty() ? outDir : (tmp && *tmp ? tmp : "/tmp");
    const std::string path = (std::filesystem::path(dir) / "property_demo.ini").string();
    std::error_code ec;
    std::filesystem::remove(path, ec);
    KestProfile::m_oldPathUsing = true;
    KestProfile::m_namePath = path.c_str();
    KestProfile::m_nameSecondPath = (std::filesystem::path(dir) / "property_demo_second.ini").string().c_str();
    KestProfile::m_initialized = true;
    return path;
}

void ShowProfile(Context& ctx, const std::string& path)
{
    char keys[4096] = {0};
    GetPrivateProfileStringA(sample::kSection, nullptr, "", keys, sizeof(keys), path.c_str());
    ctx.out << "  profile [" << sample::kSection << "] in " << path << ":\n";
    for (const char* key = keys; *key; key += std::strlen(key) + 1) {
        char value[256] = {0};
        GetPrivateProfileStringA(sample::kSection, key, "", value, sizeof(value), path.c_str());
        ctx.out << "    " << key << "=" << value << "\n";
    }
}

} // namespace

int DemoPropertyRequest(Context& ctx, const std::string& outDir)
{
    ctx.out << "A typical request: showing the properties of a piece\n";
    if (!outDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(outDir, ec);
    }
    const std::string profile = UseDemoProfile(outDir);
    sample::Piece piece;
    ShowPiece(ctx, "before", piece);

    int step = 0;
    bool pngFailed = false;
    auto observe = [&](const std::string& what, HWND window) {
        ++step;
        ctx.out << "  " << step << ". " << what << "\n";
        if (outDir.empty() || !::IsWindow(window) || !::IsWindowVisible(window)) // a closed dialog shows nothing
            return;
        char name[64];
        std::snprintf(name, sizeof(name), "property_request_%02d.png", step);
        std::string error;
        const std::string png = (std::filesystem::path(outDir) / name).string();
        if (CaptureToPng(window, png, error))
            ctx.out << "     picture: " << png << "\n";
        else {
            ctx.err << "misctool demo: " << error << "\n";
            pngFailed = true;
        }
    };
    const sample::PieceRequestResult result = sample::RunPieceRequest(piece, sample::PieceAnswers(), observe);

    ctx.out << "  the dialog closed with " << (result.modalResult == IDOK ? "OK" : "Cancel") << "\n";
    ctx.out << "  the manager heard:";
    for (const std::string& e : result.events)
        ctx.out << "\n    " << e;
    ctx.out << "\n";
    ShowPiece(ctx, "after", piece);
    ShowProfile(ctx, profile);
    for (const std::string& f : result.failures)
        ctx.err << "misctool demo: the person could not: " << f << "\n";
    if (!result.scriptReport.empty())
        ctx.err << "misctool demo: " << result.scriptReport << "\n";
    const bool ok = result.modalResult == IDOK && result.failures.empty() && result.scriptReport.empty() && !pngFailed;
    return ok ? kExitOk : kExitFailure;
}

} // namespace misctool
