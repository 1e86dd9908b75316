// Resource numbers of the sample host frame's own resource module ("frame_host.dll").
#pragma once

#define IDR_FRAME_HOST 7100     // menu, accelerators and title
#define IDR_FRAME_STANDARD 7101 // tool bar: files and clipboard
#define IDR_FRAME_DRAWING 7102  // tool bar: drawing tools and zoom

#define ID_HOST_FILE_NEW 32771
#define ID_HOST_FILE_OPEN 32772
#define ID_HOST_FILE_SAVE 32773
#define ID_HOST_FILE_EXIT 32774
#define ID_HOST_EDIT_UNDO 32775
#define ID_HOST_EDIT_CUT 32776
#define ID_HOST_EDIT_COPY 32777
#define ID_HOST_EDIT_PASTE 32778
#define ID_HOST_DRAW_LINE 32779
#define ID_HOST_DRAW_ARC 32780
#define ID_HOST_DRAW_NOTCH 32781
#define ID_HOST_CUT_NODES 32782
#define ID_HOST_ZOOM_IN 32783
#define ID_HOST_ZOOM_OUT 32784
#define ID_HOST_VIEW_STANDARD 32785
#define ID_HOST_VIEW_DRAWING 32786
#define ID_HOST_VIEW_PIECES 32787
#define ID_HOST_VIEW_PROPERTIES 32788
#define ID_HOST_THEMES 32789
#define ID_HOST_RESET_LAYOUT 32790
#define ID_HOST_SHORTCUTS 32791
#define ID_HOST_ABOUT 32792

#define IDS_HOST_READY 7110
