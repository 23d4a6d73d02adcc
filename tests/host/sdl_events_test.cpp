#include <gtest/gtest.h>

#include <cstring>

#include "platform/host/sdl/sdl_events.h"

namespace {

using host::Event;
using host::EventType;
using host::MouseButton;

struct STranslated {
  bool used = false;
  Event event;
  Uint32 window = 0;
};

STranslated Translate(const SDL_Event& in, unsigned modifiers = 0) {
  STranslated out;
  out.used = host::TranslateSdlEvent(in, modifiers, &out.event, &out.window);
  return out;
}

SDL_Event Of(Uint32 type) {
  SDL_Event event;
  std::memset(&event, 0, sizeof(event));
  event.type = type;
  return event;
}

TEST(SdlTranslate, MouseMotionAndButtons) {
  SDL_Event in = Of(SDL_MOUSEMOTION);
  in.motion.windowID = 7;
  in.motion.x = 12;
  in.motion.y = -3;
  STranslated out = Translate(in, host::kModShift);
  ASSERT_TRUE(out.used);
  EXPECT_EQ(out.event.type, EventType::kMouseMove);
  EXPECT_EQ(out.window, 7U);
  EXPECT_EQ(out.event.x, 12);
  EXPECT_EQ(out.event.y, -3);
  EXPECT_EQ(out.event.modifiers, host::kModShift);

  const Uint8 buttons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};
  const MouseButton ours[] = {MouseButton::kLeft, MouseButton::kRight, MouseButton::kMiddle};
  for (int i = 0; i < 3; ++i) {
    in = Of(i == 1 ? SDL_MOUSEBUTTONUP : SDL_MOUSEBUTTONDOWN);
    in.button.windowID = 2;
    in.button.button = buttons[i];
    in.button.x = 5;
    in.button.y = 6;
    out = Translate(in);
    ASSERT_TRUE(out.used) << i;
    EXPECT_EQ(out.event.type, i == 1 ? EventType::kMouseUp : EventType::kMouseDown);
    EXPECT_EQ(out.event.button, ours[i]);
    EXPECT_EQ(out.event.x, 5);
    EXPECT_EQ(out.event.y, 6);
    EXPECT_EQ(out.window, 2U);
  }
  in.button.button = SDL_BUTTON_X1;
  EXPECT_FALSE(Translate(in).used);
}

TEST(SdlTranslate, WheelNotchesPointAwayFromTheUser) {
  SDL_Event in = Of(SDL_MOUSEWHEEL);
  in.wheel.windowID = 3;
  in.wheel.y = 2;
  in.wheel.mouseX = 40;
  in.wheel.mouseY = 50;
  STranslated out = Translate(in);
  ASSERT_TRUE(out.used);
  EXPECT_EQ(out.event.type, EventType::kMouseWheel);
  EXPECT_EQ(out.event.wheel, 2);
  EXPECT_EQ(out.event.x, 40);
  EXPECT_EQ(out.event.y, 50);
  in.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
  EXPECT_EQ(Translate(in).event.wheel, -2);
  in.wheel.y = 0;
  in.wheel.x = 1;
  EXPECT_FALSE(Translate(in).used);
}

TEST(SdlTranslate, KeysCarryTheirOwnModifiersAndRepeat) {
  SDL_Event in = Of(SDL_KEYDOWN);
  in.key.windowID = 4;
  in.key.keysym.sym = SDLK_PAGEDOWN;
  in.key.keysym.mod = KMOD_LCTRL;
  in.key.repeat = 1;
  STranslated out = Translate(in, host::kModAlt);
  ASSERT_TRUE(out.used);
  EXPECT_EQ(out.event.type, EventType::kKeyDown);
  EXPECT_EQ(out.event.vkey, 0x22);
  EXPECT_TRUE(out.event.repeat);
  EXPECT_EQ(out.event.modifiers, host::kModCtrl);
  EXPECT_EQ(out.window, 4U);

  in.type = SDL_KEYUP;
  out = Translate(in);
  EXPECT_EQ(out.event.type, EventType::kKeyUp);
  EXPECT_FALSE(out.event.repeat);
  in.key.keysym.sym = SDLK_F20;
  EXPECT_FALSE(Translate(in).used);
}

TEST(SdlTranslate, TextIsCopiedAndAlwaysTerminated) {
  SDL_Event in = Of(SDL_TEXTINPUT);
  in.text.windowID = 9;
  std::strcpy(in.text.text, "\xC3\xA9t\xC3\xA9");
  STranslated out = Translate(in);
  ASSERT_TRUE(out.used);
  EXPECT_EQ(out.event.type, EventType::kText);
  EXPECT_STREQ(out.event.text, "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(out.window, 9U);
  std::memset(in.text.text, 'x', sizeof(in.text.text));
  out = Translate(in);
  EXPECT_EQ(std::strlen(out.event.text), sizeof(in.text.text) - 1);
}

TEST(SdlTranslate, WindowEvents) {
  const struct {
    Uint8 sdl;
    EventType ours;
  } cases[] = {
      {SDL_WINDOWEVENT_CLOSE, EventType::kCloseRequest},
      {SDL_WINDOWEVENT_FOCUS_GAINED, EventType::kFocusGained},
      {SDL_WINDOWEVENT_FOCUS_LOST, EventType::kFocusLost},
      {SDL_WINDOWEVENT_EXPOSED, EventType::kExposed},
      {SDL_WINDOWEVENT_MINIMIZED, EventType::kMinimized},
      {SDL_WINDOWEVENT_MAXIMIZED, EventType::kMaximized},
      {SDL_WINDOWEVENT_RESTORED, EventType::kRestored},
  };
  for (const auto& c : cases) {
    SDL_Event in = Of(SDL_WINDOWEVENT);
    in.window.windowID = 11;
    in.window.event = c.sdl;
    const STranslated out = Translate(in);
    ASSERT_TRUE(out.used) << int{c.sdl};
    EXPECT_EQ(out.event.type, c.ours);
    EXPECT_EQ(out.window, 11U);
  }
  // Where the window manager put a window, and the size it gave it.
  SDL_Event moved = Of(SDL_WINDOWEVENT);
  moved.window.event = SDL_WINDOWEVENT_MOVED;
  moved.window.data1 = -40;
  moved.window.data2 = 70;
  const STranslated move = Translate(moved);
  ASSERT_TRUE(move.used);
  EXPECT_EQ(move.event.type, EventType::kMoved);
  EXPECT_EQ(move.event.x, -40);
  EXPECT_EQ(move.event.y, 70);
  SDL_Event sized = Of(SDL_WINDOWEVENT);
  sized.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
  sized.window.data1 = 1274;
  sized.window.data2 = 980;
  const STranslated size = Translate(sized);
  ASSERT_TRUE(size.used);
  EXPECT_EQ(size.event.type, EventType::kResized);
  EXPECT_EQ(size.event.width, 1274);
  EXPECT_EQ(size.event.height, 980);
  SDL_Event resized = Of(SDL_WINDOWEVENT);
  resized.window.event = SDL_WINDOWEVENT_RESIZED;  // repeats SIZE_CHANGED
  EXPECT_FALSE(Translate(resized).used);
}

TEST(SdlTranslate, QuitBelongsToNoWindowAndTheRestIsDropped) {
  const STranslated quit = Translate(Of(SDL_QUIT));
  ASSERT_TRUE(quit.used);
  EXPECT_EQ(quit.event.type, EventType::kQuit);
  EXPECT_EQ(quit.window, 0U);
  EXPECT_FALSE(Translate(Of(SDL_KEYMAPCHANGED)).used);
  EXPECT_FALSE(Translate(Of(SDL_TEXTEDITING)).used);
  EXPECT_FALSE(Translate(Of(SDL_USEREVENT)).used);
}

}  // namespace
