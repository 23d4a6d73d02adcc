// The SDL host on SDL's offscreen driver, which these tests ask for by name:
// real SDL windows, surfaces and event queue, without a display.
#include <gtest/gtest.h>

#include <algorithm>
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
  // At the scale of the user's desktop unless a test says otherwise: none.
  void SetUp() override { Start(nullptr); }
  void TearDown() override {
    m_host.reset();
    unsetenv("GDK_SCALE");
  }

  void Start(const char* gdk_scale) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (gdk_scale != nullptr) {
      setenv("GDK_SCALE", gdk_scale, 1);
    } else {
      unsetenv("GDK_SCALE");
    }
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

  // Reads back one pixel of a window's surface as 0x00RRGGBB.
  static std::uint32_t PixelOf(SDL_Surface* surface, int x, int y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<Uint8*>(surface->pixels) +
                                                             y * surface->pitch);
    return row[x] & 0xFFFFFFU;
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

// Twice the size, as GDK_SCALE=2 asks: the offscreen driver's screen has
// room for the small surfaces here at that scale.
class SdlHostAtScale2 : public SdlHost {
 protected:
  void SetUp() override { Start("2"); }
};

TEST_F(SdlHostAtScale2, EachSurfacePixelIsATwoByTwoBlock) {
  const SurfaceId id = m_host->CreateSurface(64, 48, "");
  EXPECT_EQ(m_host->Scale(), 2);
  m_host->Show(id, true);
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(WindowOf(id), &width, &height);
  EXPECT_EQ(width, 128);
  EXPECT_EQ(height, 96);
  SDL_Surface* target = SDL_GetWindowSurface(WindowOf(id));
  ASSERT_NE(target, nullptr);
  ASSERT_EQ(target->format->format, SDL_PIXELFORMAT_RGB888);
  ASSERT_EQ(target->w, 128);
  SDL_FillRect(target, nullptr, 0);
  std::vector<std::uint32_t> pixels(64 * 48);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i) | 0x400000U;
  const Rect rects[] = {{1, 2, 28, 28}, {50, 40, 28, 28}};
  m_host->Present(id, pixels.data(), 64, 48, 64 * 4, rects, 2);
  int wrong = 0;
  for (int y = 0; y < 96; ++y) {
    for (int x = 0; x < 128; ++x) {
      const int sx = x / 2;
      const int sy = y / 2;
      const bool in = (sx >= 1 && sx < 29 && sy >= 2 && sy < 30) || (sx >= 50 && sy >= 40);
      if (PixelOf(target, x, y) != (in ? pixels[static_cast<size_t>(sy) * 64 + sx] : 0U)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(SdlHostAtScale2, AWindowOfNoMultipleOfTheScaleIsFilledToItsEdges) {
  const SurfaceId id = m_host->CreateSurface(8, 6, "");
  m_host->Show(id, true);
  // As a window manager that maximizes it might.
  SDL_SetWindowSize(WindowOf(id), 17, 13);
  SDL_Surface* target = SDL_GetWindowSurface(WindowOf(id));
  ASSERT_NE(target, nullptr);
  ASSERT_EQ(target->w, 17);
  SDL_FillRect(target, nullptr, 0x00FF00FFU);
  std::vector<std::uint32_t> pixels(8 * 6);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i);
  const Rect all{0, 0, 8, 6};
  m_host->Present(id, pixels.data(), 8, 6, 8 * 4, &all, 1);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 17; ++x) {
      const size_t source = static_cast<size_t>(std::min(y / 2, 5)) * 8 + std::min(x / 2, 7);
      EXPECT_EQ(PixelOf(target, x, y), pixels[source]) << x << "," << y;
    }
  }
}

TEST_F(SdlHostAtScale2, ThePointerAndTheWindowManagerSpeakInSurfacePixels) {
  const SurfaceId id = m_host->CreateSurface(64, 48, "a");
  const Uint32 window_id = m_host->WindowIdOf(id);
  Drain();
  SDL_Event motion = Motion(window_id, 2 * 10 + 1, 2 * 7 + 1);
  SDL_Event press;
  std::memset(&press, 0, sizeof(press));
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.windowID = window_id;
  press.button.button = SDL_BUTTON_LEFT;
  press.button.x = 2 * 10;
  press.button.y = 2 * 7;
  // A drag that went on past the window's left and top edges.
  SDL_Event outside = Motion(window_id, -1, -3);
  SDL_Event moved = WindowEvent(id, SDL_WINDOWEVENT_MOVED);
  moved.window.data1 = 101;
  moved.window.data2 = 51;
  SDL_Event resized = WindowEvent(id, SDL_WINDOWEVENT_SIZE_CHANGED);
  resized.window.data1 = 129;
  resized.window.data2 = 97;
  for (SDL_Event* event : {&motion, &press, &outside, &moved, &resized}) SDL_PushEvent(event);

  Event event;
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kMouseMove);
  EXPECT_EQ(event.x, 10);
  EXPECT_EQ(event.y, 7);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kMouseDown);
  EXPECT_EQ(event.x, 10);
  EXPECT_EQ(event.y, 7);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.x, -1);
  EXPECT_EQ(event.y, -2);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kMoved);
  EXPECT_EQ(event.x, 50);
  EXPECT_EQ(event.y, 25);
  int x = 0;
  int y = 0;
  m_host->GetPosition(id, &x, &y);
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 25);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.type, EventType::kResized);
  EXPECT_EQ(event.width, 64);
  EXPECT_EQ(event.height, 48);

  // And the other way.
  m_host->SetPosition(id, 30, 20);
  SDL_GetWindowPosition(WindowOf(id), &x, &y);
  EXPECT_EQ(x, 60);
  EXPECT_EQ(y, 40);
  m_host->GetPosition(id, &x, &y);
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 20);
  m_host->Resize(id, 10, 5);
  SDL_GetWindowSize(WindowOf(id), &x, &y);
  EXPECT_EQ(x, 20);
  EXPECT_EQ(y, 10);
  // A menu of the window, wherever the window manager put that, lies on
  // its blocks.
  Drain();
  moved = WindowEvent(id, SDL_WINDOWEVENT_MOVED);
  moved.window.data1 = 101;
  moved.window.data2 = 50;
  SDL_PushEvent(&moved);
  ASSERT_TRUE(m_host->PollEvent(&event));
  EXPECT_EQ(event.x, 50);
  EXPECT_EQ(event.y, 25);
  const SurfaceId menu = m_host->CreateSurface(10, 10, "");
  host::SurfaceRole role;
  role.kind = host::SurfaceKind::kPopup;
  role.owner = id;
  m_host->SetRole(menu, role);
  m_host->SetPosition(menu, 60, 30);
  SDL_GetWindowPosition(WindowOf(menu), &x, &y);
  EXPECT_EQ(x, 121);
  EXPECT_EQ(y, 60);
  m_host->GetPosition(menu, &x, &y);
  EXPECT_EQ(x, 60);
  EXPECT_EQ(y, 30);

  SDL_Rect screen{};
  ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &screen), 0);
  const Rect work = m_host->GetWorkArea();
  EXPECT_EQ(work.width, screen.w / 2);
  EXPECT_EQ(work.height, screen.h / 2);
}

}  // namespace
