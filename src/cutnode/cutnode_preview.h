#pragma once
// The cut-node dialog's preview: the contour in a world window of its centre +- 0.55 times its
// size (divided by the zoom above 1.001), inset by 3 pixels, on white in an etched frame; the
// contour navy, the other nodes green and the current node red, drawn last.
#include <misc/cutnode/cutnode.h>

#include <afxwin.h>

struct CutNodePreviewView {
    double zoom = 1.0;
    bool fitted = true; // centred on the contour
    double centreX = 0;
    double centreY = 0;

    void Fit()
    {
        zoom = 1.0;
        fitted = true;
    }
    // The centre moves to the clicked point (preview coordinates) and the zoom grows by 1.2.
    void ZoomTowards(const CCutNodeEditor& editor, CRect preview, CPoint point);
};

void DrawCutNodePreview(CDC& dc, CRect area, const CCutNodeEditor& editor, const CutNodePreviewView& view);
