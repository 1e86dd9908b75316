// A host program in miniature: start the library, then use a geometry value.
#include <misc/misc.h>

#include <cstdio>

int main()
{
    InitMiscDLL();
    CDoubleRect r(0, 0, 10, 10);
    CDoubleRect s(10, 0, 20, 10);
    std::printf("touching rectangles intersect: %d\n", r.IntersectRect(s));
    return r.IntersectRect(s) == 1 ? 0 : 1;
}
