// misctool demo: the library's main scenario, step by step, with what each step did.
#include <misc/misc.h>

#include <ostream>

#include "args.h"
#include "commands.h"
#include "demo_versions.h"
#include "demo_property.h"

namespace misctool {

namespace {

const char* ModuleLabel(HINSTANCE module)
{
    if (!module)
        return "(none)";
    const char* name = MiscModuleName(module);
    return name ? name : "(unknown module)";
}

void ShowString(Context& ctx, UINT id)
{
    char text[512];
    int n = LoadStringA(AfxGetResourceHandle(), id, text, sizeof(text));
    ctx.out << "  " << id << ": " << (n > 0 ? text : "(missing)") << "\n";
}

void StartUp(Context& ctx)
{
    ctx.out << "Start-up\n";
    ctx.out << "  library module: " << ModuleLabel(MiscGetExtensionModule().hModule) << "\n";
    ctx.out << "  resource handle before InitMiscDLL: " << ModuleLabel(AfxGetResourceHandle()) << "\n";
    InitMiscDLL();
    ctx.out << "  resource handle after InitMiscDLL: " << ModuleLabel(AfxGetResourceHandle()) << "\n";
}

void Scopes(Context& ctx)
{
    ctx.out << "Resource scopes\n";
    HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(AfxGetInstanceHandle());
    ctx.out << "  host program made current: " << ModuleLabel(AfxGetResourceHandle()) << "\n";
    {
        CCallResourceScope scope;
        ctx.out << "  inside a call-bound scope: " << ModuleLabel(AfxGetResourceHandle()) << "\n";
        ShowString(ctx, 60375);
    }
    ctx.out << "  after the scope: " << ModuleLabel(AfxGetResourceHandle()) << "\n";
    AfxSetResourceHandle(before);
}

void Strings(Context& ctx)
{
    ctx.out << "Strings of the resource module\n";
    for (UINT id : {29017u, 60375u, 61404u, 61405u})
        ShowString(ctx, id);
}

void Geometry(Context& ctx)
{
#if __has_include(<misc/geometry/types.h>)
    ctx.out << "Geometry\n";
    CDoubleRect a(0, 0, 10, 10), b(10, 0, 20, 10);
    ctx.out << "  touching rectangles " << a << " and " << b << " intersect: " << a.IntersectRect(b) << "\n";
    CVector v(3, 4, 0, 1);
    ctx.out << "  size of " << v << ": " << v.GetSize() << "\n";
    ctx.out << "  myArctan2(1, 1): " << myArctan2(1, 1) << "\n";
    ctx.out << "  myArctan2(0.0001, 0.0001): " << myArctan2(0.0001, 0.0001) << "\n";
#else
    (void)ctx;
#endif
}

int RunDemo(Context& ctx, const std::vector<std::string>& args)
{
    std::string outDir;
    if (int rc = ArgParser().Option("--out", &outDir).Parse(ctx, args))
        return rc;
    StartUp(ctx);
    Scopes(ctx);
    Strings(ctx);
    Geometry(ctx);
    if (GetModuleHandleA("misc_res.dll") == nullptr)
        return Fail(ctx, "the resource module misc_res.dll is not loaded");
    // The first typical request (a piece's properties), then the second (a document saved with
    // its version history).
    if (int rc = DemoPropertyRequest(ctx, outDir))
        return rc;
    if (int rc = DemoVersions(ctx, outDir))
        return rc;
    return kExitOk;
}

} // namespace

const Command& DemoCommand()
{
    static const Command command{"demo", "Run the library's main scenario and show each step", "[--out DIR]",
                                 "Starts the library (InitMiscDLL), shows the current resource module before and\n"
                                 "after, runs a call-bound resource scope, loads strings from misc_res and\n"
                                 "computes a few geometry values. Then runs the first typical request: a piece\n"
                                 "dialog edited by a scripted person; and the second: a sample document saved\n"
                                 "three times with its version history and opened again. --out DIR keeps the\n"
                                 "documents there with a PNG of each dialog after each step.",
                                 &RunDemo};
    return command;
}

} // namespace misctool
