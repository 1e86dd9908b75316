#pragma once
// cWorldDC: draws world geometry (doubles, y axis up) on a window's client area.
//
// A world window (worldX1, worldY1) - (worldX2, worldY2) (left, bottom, right, top) is mapped
// onto a pixel viewport with one scale for both axes, corrected for the device's pixel aspect, so
// that a world circle is drawn round. The primitives are those of a pen plotter: every one of
// them leaves the object's current position (curX, curY) on the world point where its pen
// stopped, and the context's own pen position on that point's pixel, so that w_line continues
// any primitive.
//
// World to pixel rounding is the dialogs library's roundReal: to the nearest integer, halves
// away from zero (2.5 -> 3, -2.5 -> -3).
//
// Ownership of the context: the object that made the context (constructor, SetPDC) deletes it.
// A copy (copy constructor or assignment) draws on its source's context but does not own it, so
// a copy must not outlive its source; a moved-to object takes the context over. A context given
// with AttachDC always stays the caller's.
//
// An object built without a window has no context: it maps with an aspect of 1 and draws nothing
// until it gets one from SetPDC or AttachDC.
#include <afxwin.h>

#include <misc/geometry/contour.h>
#include <misc/geometry/types.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class AFX_EXT_CLASS cWorldDC
{
public:
    cWorldDC(CWnd* w, double x1, double y1, double x2, double y2, int l = 0, int t = 0, int r = 0, int b = 0);
    cWorldDC(CWnd* w, const myContour& c, double margin, int l = 0, int t = 0, int r = 0, int b = 0);
    cWorldDC(const cWorldDC& other);
    cWorldDC(cWorldDC&& other) noexcept;
    cWorldDC& operator=(const cWorldDC& other);
    cWorldDC& operator=(cWorldDC&& other) noexcept;
    virtual ~cWorldDC();

    // Replaces the context by a new client-area context of w (none for a null w); the mapping
    // stays as it is.
    void SetPDC(CWnd* w);
    // Port addition: draws on a context the caller keeps (a memory or printer context); the
    // aspect is taken from it. The mapping stays as it is.
    void AttachDC(CDC* borrowed);
    // The context for direct use; an inert context (whose calls fail) when there is none.
    CDC& getWorldDC();

    void set_aspect();
    void set_viewport(CWnd* w, int l, int t, int r, int b);
    void set_viewport(int l, int t, int r, int b);
    void set_world(double x1, double y1, double x2, double y2);
    void set_world(const myContour& c, double margin);

    int conv_x(double x) const;
    int conv_y(double y) const;
    double wconv_x(int px) const;
    double wconv_y(int py) const;
    double GetX1() const { return pixelX; }
    double GetY1() const { return pixelY; }

    void clipRect(const RECT* r);
    void clipRect(double x1, double y1, double x2, double y2);
    void clipRect(const myContour& c);

    void w_move(double x, double y);
    void w_move(const InterfacePoint& p) { w_move(p.x, p.y); }
    void w_move(const InterfacePoint* p) { w_move(p->x, p->y); }
    void w_line(double x, double y);
    void w_line(const InterfacePoint& p) { w_line(p.x, p.y); }
    void w_line(const InterfacePoint* p) { w_line(p->x, p->y); }
    // Counter-clockwise arc about the current position from (sx, sy) to the ray through (ex, ey);
    // a straight chord when the arc would be smaller than 2 by 2 pixels.
    void w_arc(double sx, double sy, double ex, double ey);
    // The shorter arc of radius |r| from the current position to (ex, ey); its centre lies to
    // the right of the chord for r >= 0, to the left for r < 0. A straight line when |r| is
    // below half the chord or the end is within a pixel of the start.
    void w_pol_arc(double ex, double ey, double r);
    void w_circle(double cx, double cy, double r);
    void w_circle(const InterfacePoint& c, double r) { w_circle(c.x, c.y, r); }
    void w_circle(const InterfacePoint* c, double r) { w_circle(c->x, c->y, r); }
    void w_ellipse(double x1, double y1, double x2, double y2);
    // An arrowhead about twelve pixels long at tip, pointing away from tail. 0 (nothing drawn)
    // when the points are closer than 0.001, else 1.
    int w_arrow(const InterfacePoint& tip, const InterfacePoint& tail);
    // An arrowhead on the first point after i (before i when reverse) that is not on top of
    // point i, pointing away from it.
    void drawArrorFrom(const myContour& c, int i, int reverse);
    // An arrowhead on point i pointing along the way into it from the points before it (after
    // it when reverse).
    void drawArrorTo(const myContour& c, int i, int reverse);
    // The contour's polyline, closed when the contour is; pen (when given) selected meanwhile.
    void drawContour(const myContour& c, CPen* pen);
    // A cut node: a square on its first point, then for a normal node its run of edges, its
    // label (index + 1, in parentheses for a whole loop) and an arrowhead on its end point; for
    // an alternative node only an arrowhead on its first point.
    void drawNode(const myContour& c, tagCutNode* node, int index, bool alternative, bool reverse, CPen* pen);

    CDC* dc;
    int vpLeft;
    int vpTop;
    int vpRight;
    int vpBottom;
    double aspect;
    double scaleX;
    double scaleY;
    double pixelX;
    double pixelY;
    double worldX1;
    double worldY1;
    double worldX2;
    double worldY2;
    double curX;
    double curY;

private:
    void ReleaseContext();
    void CopyMapping(const cWorldDC& other);
    void PixelSizes();
    void DrawNodeLabel(const myContour& c, int s, int d, int len, int number, bool loop);

    bool m_ownsDC = false; // whether the destructor deletes dc
};

MISC_PUBLIC_END
