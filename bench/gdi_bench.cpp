// What the program's steady redraw costs in the GDI: the status bar's text
// after every simulation step (glyphs cached, and cold for comparison),
// bodies as small filled ellipses, and clearing the client area.
#include <benchmark/benchmark.h>

#include "platform/win/gdi/dc_internal.h"
#include "platform/win/gdi/font_library.h"

namespace {

constexpr char kStatus[] = "t: 1.000000e+002 s";
constexpr int kStatusLength = sizeof kStatus - 1;

// A client-sized surface with a window DC over all of it.
class CTarget {
 public:
  CTarget() : m_surface(CreateSurface(594, 386)) {
    m_dc = CreateSurfaceDC(m_surface, POINT{0, 0}, nullptr);
  }
  ~CTarget() {
    DeleteSurfaceDC(m_dc);
    DestroySurface(m_surface);
  }
  HDC Dc() const { return m_dc; }

 private:
  Surface* m_surface;
  HDC m_dc;
};

void BM_TextOutCached(benchmark::State& state) {
  CTarget target;
  SetBkColor(target.Dc(), RGB(192, 192, 192));
  TextOutA(target.Dc(), 4, 370, kStatus, kStatusLength);
  for (auto _ : state) {
    benchmark::DoNotOptimize(TextOutA(target.Dc(), 4, 370, kStatus, kStatusLength));
  }
}
BENCHMARK(BM_TextOutCached);

void BM_DrawTextCached(benchmark::State& state) {
  CTarget target;
  SetBkColor(target.Dc(), RGB(192, 192, 192));
  RECT pane{4, 368, 200, 384};
  DrawTextA(target.Dc(), kStatus, kStatusLength, &pane, DT_SINGLELINE | DT_VCENTER);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        DrawTextA(target.Dc(), kStatus, kStatusLength, &pane, DT_SINGLELINE | DT_VCENTER));
  }
}
BENCHMARK(BM_DrawTextCached);

// Every glyph rasterised again each time: the first redraw of a new font.
void BM_TextOutCold(benchmark::State& state) {
  CTarget target;
  SetBkColor(target.Dc(), RGB(192, 192, 192));
  for (auto _ : state) {
    gdi::CFontLibrary::Instance().ClearGlyphCaches();
    benchmark::DoNotOptimize(TextOutA(target.Dc(), 4, 370, kStatus, kStatusLength));
  }
}
BENCHMARK(BM_TextOutCold);

void BM_FillRect28(benchmark::State& state) {
  CTarget target;
  HBRUSH brush = CreateSolidBrush(RGB(255, 255, 0));
  const RECT rect{100, 100, 128, 128};
  for (auto _ : state) benchmark::DoNotOptimize(FillRect(target.Dc(), &rect, brush));
  DeleteObject(brush);
}
BENCHMARK(BM_FillRect28);

void BM_Ellipse28(benchmark::State& state) {
  CTarget target;
  HBRUSH brush = CreateSolidBrush(RGB(255, 255, 0));
  SelectObject(target.Dc(), brush);
  for (auto _ : state) benchmark::DoNotOptimize(Ellipse(target.Dc(), 100, 100, 128, 128));
  SelectObject(target.Dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
}
BENCHMARK(BM_Ellipse28);

void BM_FillRectClient(benchmark::State& state) {
  CTarget target;
  const RECT client{0, 0, 594, 386};
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (auto _ : state) benchmark::DoNotOptimize(FillRect(target.Dc(), &client, black));
}
BENCHMARK(BM_FillRectClient);

}  // namespace

BENCHMARK_MAIN();
