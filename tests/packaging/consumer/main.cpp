// A host program in miniature: start the library, then use a geometry value, a string of the
// resource module and a platform string, so each of the three shared libraries exports what a
// host needs.
#include <misc/misc.h>

#include <cstdio>

int main()
{
    InitMiscDLL();
    if (!GetModuleHandleA("misc_res.dll") || AfxGetResourceHandle() != GetModuleHandleA("misc_res.dll")) {
        std::printf("the resource module is not current after InitMiscDLL\n");
        return 1;
    }
    CString text;
    if (!text.LoadString(60375) || text.IsEmpty()) {
        std::printf("no string 60375 in the resource module\n");
        return 1;
    }
    std::printf("string 60375: %s\n", text.GetString());
    CDoubleRect r(0, 0, 10, 10);
    CDoubleRect s(10, 0, 20, 10);
    std::printf("touching rectangles intersect: %d\n", r.IntersectRect(s));
    return r.IntersectRect(s) == 1 ? 0 : 1;
}
