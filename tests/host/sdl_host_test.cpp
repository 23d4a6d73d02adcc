// The SDL host on SDL's offscreen driver, which these tests ask for by name:
// real SDL windows, surfaces and event queue, without a display.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/sdl/sdl_host.h"
#include "platform/host/sdl/sdl_keys.h"

// SDL.h after our headers: sdl_host.h must not need it.
#include <SDL.h>

namespace {

using host::CSdlHost;
using host::Event;
using host::EventType;
using host::Rect;
using host::SurfaceId;

class SdlHost : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    std::string error;
    m_host = CSdlHost::Create(&error);
    ASSERT_NE(m_host, nullptr) << error;
  }

  // What SDL queued by itself while windows were made and shown.
  static void Drain() {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }

  SDL_Window* WindowOf(SurfaceId id) const { return SDL_GetWindowFromID(m_host->WindowIdOf(id)); }

  SDL_Event WindowEvent(SurfaceId id, Uint8 what) const {
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = m_host->WindowIdOf(id);
    event.window.event = what;
    return event;
  }

  SDL_Event Motion(Uint32 window_id, int x, int y) const {
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = window_id;
    event.motion.x = x;
    event.motion.y = y;
    return event;
  }

  std::unique_ptr<CSdlHost> m_host;
};

TEST_F(SdlHost, OnlyOneAtATime) {
  std::string error;
  EXPECT_EQ(CSdlHost::Create(&error), nullptr);
  EXPECT_NE(error, "");
}

TEST_F(SdlHost, SurfacesAreHiddenFixedWindowsOfTheirSize) {
  const SurfaceId id = m_host->CreateSurface(594, 425, "Astrolathe \xE2\x80\x94 1");
  ASSERT_NE(id, host::kNoSurface);
  SDL_Window* window = WindowOf(id);
  ASSERT_NE(window, nullptr);
  const Uint32 flags = SDL_GetWindowFlags(window);
  EXPECT_NE(flags & SDL_WINDOW_HIDDEN, 0U);
  EXPECT_EQ(flags & SDL_WINDOW_RESIZABLE, 0U);
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window, &width, &height);
  EXPECT_EQ(width, 594);
  EXPECT_EQ(height, 425);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Astrolathe \xE2\x80\x94 1");
  m_host->SetCaption(id, "Properties");
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Properties");
  m_host->Show(id, true);
  EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN, 0U);
  m_host->Resize(id, 0, 300);
  SDL_GetWindowSize(window, &width, &height);
  EXPECT_EQ(width, 1);
  EXPECT_EQ(height, 300);
}

TEST_F(SdlHost, DestroyForgetsTheWindowAndIgnoresStrangers) {
  const SurfaceId a = m_host->CreateSurface(10, 10, "a");
  const SurfaceId b = m_host->CreateSurface(10, 10, "b");
  const Uint32 window_a = m_host->WindowIdOf(a);
  m_host->DestroySurface(a);
  m_host->DestroySurface(a);
  m_host->DestroySurface(4242);
  EXPECT_EQ(m_host->WindowIdOf(a), 0U);
  EXPECT_EQ(SDL_GetWindowFromID(window_a), nullptr);
  EXPECT_NE(WindowOf(b), nullptr);
  int x = 9;
  int y = 9;
  m_host->GetPosition(a, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  m_host->Show(a, true);
  m_host->Raise(a);
  m_host->SetState(a, host::SurfaceState::kMaximized);
}

TEST_F(SdlHost, PositionIsTheWindows) {
  const SurfaceId id = m_host->CreateSurface(50, 40, "");
  m_host->SetPosition(id, 120, 80);
  int x = 0;
  int y = 0;
  m_host->GetPosition(id, &x, &y);
  EXPECT_EQ(x, 120);
  EXPECT_EQ(y, 80);
}

TEST_F(SdlHost, PresentCopiesTheRectanglesIntoTheWindowSurface) {
  const SurfaceId id = m_host->CreateSurface(64, 48, "");
  m_host->Show(id, true);
  SDL_Surface* target = SDL_GetWindowSurface(WindowOf(id));
  ASSERT_NE(target, nullptr);
  ASSERT_EQ(target->format->format, SDL_PIXELFORMAT_RGB888);
  SDL_FillRect(target, nullptr, 0);
  std::vector<std::uint32_t> pixels(64 * 48);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i) | 0x400000U;
  const Rect rects[] = {{1, 2, 28, 28}, {50, 40, 28, 28}, {-10, -10, 5, 5}};
  m_host->Present(id, pixels.data(), 64, 48, 64 * 4, rects, 3);
  int wrong = 0;
  for (int y = 0; y < 48; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<Uint8*>(target->pixels) +
                                                             y * target->pitch);
    for (int x = 0; x < 64; ++x) {
      const bool in = (x >= 1 && x < 29 && y >= 2 && y < 30) || (x >= 50 && y >= 40);
      if ((row[x] & 0xFFFFFFU) != (in ? pixels[static_cast<size_t>(y) * 64 + x] : 0U)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
  // The driver's own framebuffer, not a texture on a GL renderer.
  EXPECT_EQ(SDL_GetRenderer(WindowOf(id)), nullptr);
}

TEST_F(SdlHost, PresentAfterResizeUsesTheNewSurface) {
  const SurfaceId id = m_host->CreateSurface(8, 8, "");
  ASSERT_NE(SDL_GetWindowSurface(WindowOf(id)), nullptr);
  m_host->Resize(id, 32, 16);
  const std::vector<std::uint32_t> pixels(32 * 16, 0x00ABCDEFU);
  const Rect all{0, 0, 32, 16};
  m_host->Present(id, pixels.data(), 32, 16, 32 * 4, &all, 1);
  SDL_Surface* target = SDL_GetWindowSurface(WindowOf(id));
  ASSERT_EQ(target->w, 32);
  ASSERT_EQ(target->h, 16);
  const auto* last_row = reinterpret_cast<const std::uint32_t*>(
      static_cast<Uint8*>(target->pixels) + 15 * target->pitch);
  EXPECT_EQ(last_row[31] & 0xFFFFFFU, 0x00ABCDEFU);
}

TEST_F(SdlHost, PresentWithBadArgumentsIsHarmless) {
  const SurfaceId id = m_host->CreateSurface(8, 8, "");
  SDL_Surface* target = SDL_GetWindowSurface(WindowOf(id));
  ASSERT_NE(target, nullptr);
  SDL_FillRect(target, nullptr, 0x00FF00FFU);
  const std::uint32_t pixel = 1;
  const Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  m_host->Present(id, &pixel, 1, 1, 4, &huge, 1);
  m_host->Present(id, nullptr, 1, 1, 4, &huge, 1);
  m_host->Present(id, &pixel, 1, 1, 2, &huge, 1);
  m_host->Present(id, &pixel, 1, 1, 4, nullptr, 5);
  m_host->Present(777, &pixel, 1, 1, 4, &huge, 1);
  // INT32_MIN + INT32_MAX ends at -1: nothing of it is on the surface.
  EXPECT_EQ(*static_cast<const std::uint32_t*>(target->pixels) & 0xFFFFFFU, 0x00FF00FFU);
}

TEST_F(SdlHost, EventsReachTheSurfaceOfTheirWindow) {
  const SurfaceId a = m_host->CreateSurface(20, 20, "a");
  const SurfaceId b = m_host->CreateSurface(20, 20, "b");
  Drain();
  SDL_Event motion = Motion(m_host->WindowIdOf(b), 3, 4);
  SDL_PushEvent(&motion);
  SDL_Event close = WindowEvent(a, SDL_WINDOWEVENT_CLOSE);
  SDL_PushEvent(&close);
  Event event;
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kMouseMove);
  EXPECT_EQ(event.surface, b);
  EXPECT_EQ(event.x, 3);
  EXPECT_EQ(event.y, 4);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kCloseRequest);
  EXPECT_EQ(event.surface, a);
  EXPECT_FALSE(m_host->PollEvent(&event));
}

TEST_F(SdlHost, EventsOfUnknownWindowsAreDropped) {
  const SurfaceId a = m_host->CreateSurface(20, 20, "a");
  const SurfaceId gone = m_host->CreateSurface(20, 20, "gone");
  const Uint32 gone_window = m_host->WindowIdOf(gone);
  m_host->DestroySurface(gone);
  Drain();
  SDL_Event stale = Motion(gone_window, 1, 1);
  SDL_Event stranger = Motion(gone_window + 100, 1, 1);
  SDL_Event nobody = Motion(0, 1, 1);
  SDL_Event ours = Motion(m_host->WindowIdOf(a), 9, 9);
  SDL_PushEvent(&stale);
  SDL_PushEvent(&stranger);
  SDL_PushEvent(&nobody);
  SDL_PushEvent(&ours);
  Event event;
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.surface, a);
  EXPECT_EQ(event.x, 9);
  EXPECT_FALSE(m_host->PollEvent(&event));
}

TEST_F(SdlHost, MouseEventsCarryTheHeldModifiers) {
  const SurfaceId a = m_host->CreateSurface(20, 20, "a");
  Drain();
  SDL_SetModState(static_cast<SDL_Keymod>(KMOD_LCTRL | KMOD_RSHIFT));
  SDL_Event motion = Motion(m_host->WindowIdOf(a), 1, 1);
  SDL_PushEvent(&motion);
  Event event;
  ASSERT_TRUE(m_host->PollEvent(&event));
  SDL_SetModState(KMOD_NONE);
  EXPECT_EQ(event.modifiers, host::kModCtrl | host::kModShift);
}

TEST_F(SdlHost, QuitEndsTheSessionFromAnyWhere) {
  m_host->CreateSurface(20, 20, "a");
  Drain();
  SDL_Event quit;
  std::memset(&quit, 0, sizeof(quit));
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  Event event;
  ASSERT_TRUE(m_host->WaitEvent(&event, -1));
  EXPECT_EQ(event.type, EventType::kQuit);
  EXPECT_EQ(event.surface, host::kNoSurface);
}

TEST_F(SdlHost, StateEventsThatRepeatTheStateAreNotDelivered) {
  const SurfaceId id = m_host->CreateSurface(20, 20, "a");
  m_host->SetState(id, host::SurfaceState::kMaximized);
  Drain();
  const Uint8 sequence[] = {SDL_WINDOWEVENT_MAXIMIZED, SDL_WINDOWEVENT_RESTORED,
                            SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_MINIMIZED};
  for (Uint8 what : sequence) {
    SDL_Event event = WindowEvent(id, what);
    SDL_PushEvent(&event);
  }
  Event event;
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kRestored);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kMinimized);
  EXPECT_FALSE(m_host->PollEvent(&event));
}

TEST_F(SdlHost, TimedWaitGivesUpWithNothingToDeliver) {
  m_host->CreateSurface(20, 20, "a");
  Drain();
  SDL_Event stranger = Motion(9999, 1, 1);
  SDL_PushEvent(&stranger);
  Event event;
  EXPECT_FALSE(m_host->WaitEvent(&event, 5));
  EXPECT_FALSE(m_host->WaitEvent(&event, 0));
  EXPECT_FALSE(m_host->WaitEvent(nullptr, -1));
}

TEST_F(SdlHost, ClipboardRoundTripsUtf8) {
  m_host->SetClipboardText("5.972e24 kg \xE2\x80\x94 Terre");
  EXPECT_EQ(m_host->GetClipboardText(), "5.972e24 kg \xE2\x80\x94 Terre");
}

TEST_F(SdlHost, ScreenFacts) {
  const Rect work = m_host->GetWorkArea();
  EXPECT_GT(work.width, 0);
  EXPECT_GT(work.height, 0);
  EXPECT_GE(m_host->FrameIntervalMs(), 1);
  const std::uint64_t before = m_host->NowMs();
  EXPECT_GE(m_host->NowMs(), before);
}

}  // namespace
