// What one display frame of a running simulation costs the host: the layer
// presents two bodies' worth of dirty pixels (28 by 28 each) of the main
// window's 594 by 425 surface.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/host/sdl/sdl_host.h"

namespace {

constexpr int kWidth = 594;
constexpr int kHeight = 425;
constexpr host::Rect kDirty[] = {{100, 120, 28, 28}, {400, 300, 28, 28}};

std::vector<std::uint32_t> Frame() {
  std::vector<std::uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<std::uint32_t>(i * 2654435761U) & 0xFFFFFFU;
  return pixels;
}

void PresentLoop(benchmark::State& state, host::IHost& host, host::SurfaceId id) {
  const std::vector<std::uint32_t> pixels = Frame();
  for (auto _ : state) {
    host.Present(id, pixels.data(), kWidth, kHeight, kWidth * 4, kDirty, 2);
    benchmark::ClobberMemory();
  }
}

void BM_HeadlessPresent(benchmark::State& state) {
  host::CHeadlessHost host;
  const host::SurfaceId id = host.CreateSurface(kWidth, kHeight, "bench");
  PresentLoop(state, host, id);
}
BENCHMARK(BM_HeadlessPresent);

// Needs a display (DISPLAY, or SDL_VIDEODRIVER naming a driver).
void BM_SdlPresent(benchmark::State& state) {
  std::string error;
  auto host = host::CSdlHost::Create(&error);
  if (!host) {
    state.SkipWithError(error.c_str());
    return;
  }
  const host::SurfaceId id = host->CreateSurface(kWidth, kHeight, "bench");
  host->Show(id, true);
  host::Event event;
  while (host->PollEvent(&event)) {
  }
  PresentLoop(state, *host, id);
}
BENCHMARK(BM_SdlPresent)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
