// The frame components' two costs a host feels:
// - loading a full shortcut table (32,767 entries, the most a table holds) through the shortcut
//   manager's archive against decoding the same bytes by hand into a vector (the baseline);
// - switching the look of a frame with a menu bar, two tool bars, a status bar and two docking
//   panes, repainted at once, against repainting the same frame without a change (the baseline).
#include <afxwin.h>

#include <benchmark/benchmark.h>

#include "toolkit/dockingpane.h"
#include "toolkit/frame.h"
#include "toolkit/paintmanager.h"
#include "toolkit/shortcuts.h"

#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> FullTable()
{
    std::vector<ACCEL> entries;
    for (DWORD i = 0; i < CXTPShortcutManager::kMaxEntries; ++i)
        entries.push_back({static_cast<BYTE>(FVIRTKEY | (i % 2 ? FCONTROL : FSHIFT)), static_cast<WORD>(0x30 + i % 0x50),
                           static_cast<WORD>(32768 + i)});
    CMemFile out;
    {
        CArchive ar(&out, CArchive::store);
        CXTPShortcutManager::WriteEntries(ar, entries);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(out.GetLength()));
    out.SeekToBegin();
    out.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void BM_ShortcutTableLoad(benchmark::State& state)
{
    std::vector<BYTE> bytes = FullTable();
    for (auto _ : state) {
        CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&in, CArchive::load);
        std::vector<ACCEL> entries = CXTPShortcutManager::ReadEntries(ar);
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ShortcutTableLoad);

void BM_ShortcutTableDecodeByHand(benchmark::State& state)
{
    std::vector<BYTE> bytes = FullTable();
    for (auto _ : state) {
        DWORD count;
        std::memcpy(&count, bytes.data() + 6, 4);
        std::vector<ACCEL> entries(count);
        const BYTE* p = bytes.data() + 10;
        for (ACCEL& a : entries) {
            a.fVirt = p[0];
            std::memcpy(&a.key, p + 1, 2);
            std::memcpy(&a.cmd, p + 3, 2);
            p += 5;
        }
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ShortcutTableDecodeByHand);

// A toolkit frame as a host builds it, shown at 760x520.
class BenchFrame : public CXTPFrameWnd {
public:
    bool Build()
    {
        if (!Create(nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 760, 520)) || !InitCommandBars())
            return false;
        CXTPCommandBars* bars = GetCommandBars();
        for (const char* title : {"Standard", "Drawing"}) {
            CXTPToolBar* bar = bars->Add(title, xtpBarTop);
            for (int i = 0; i < 10; ++i)
                bar->GetControls()->Add(xtpControlButton, 100 + i, "Button");
        }
        const UINT indicators[] = {0};
        CreateStatusBar(this, indicators, 1);
        panes.InstallDockingPanes(this);
        panes.CreatePane(6800, CRect(0, 0, 160, 200), xtpPaneDockLeft);
        panes.CreatePane(6806, CRect(0, 0, 180, 200), xtpPaneDockRight);
        RecalcLayout();
        MiscSettle();
        return true;
    }
    CXTPDockingPaneManager panes;
};

void RepaintFrame(benchmark::State& state, bool switchLook)
{
    MiscResetWindowSystem();
    auto* frame = new BenchFrame; // frames delete themselves
    if (!frame->Build()) {
        state.SkipWithError("the frame could not be made");
        return;
    }
    const XTPPaintTheme looks[] = {xtpThemeOffice2003, xtpThemeOfficeXP};
    int n = 0;
    for (auto _ : state) {
        if (switchLook)
            CXTPPaintManager::SetTheme(looks[++n % 2]);
        frame->SendMessage(WM_XTP_THEMECHANGED, 0, 0);
        MiscSettle();
    }
    frame->DestroyWindow();
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
}

void BM_FrameLookSwitch(benchmark::State& state) { RepaintFrame(state, true); }
void BM_FrameRepaint(benchmark::State& state) { RepaintFrame(state, false); }
BENCHMARK(BM_FrameLookSwitch);
BENCHMARK(BM_FrameRepaint);

} // namespace

BENCHMARK_MAIN();
