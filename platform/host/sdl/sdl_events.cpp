#include "platform/host/sdl/sdl_events.h"

#include <cstring>

#include "platform/host/sdl/sdl_keys.h"

namespace host {
namespace {

bool TranslateButton(Uint8 sdl_button, MouseButton* button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT:
      *button = MouseButton::kLeft;
      return true;
    case SDL_BUTTON_RIGHT:
      *button = MouseButton::kRight;
      return true;
    case SDL_BUTTON_MIDDLE:
      *button = MouseButton::kMiddle;
      return true;
    default:
      return false;
  }
}

bool TranslateWindowEvent(const SDL_WindowEvent& in, Event* out) {
  switch (in.event) {
    case SDL_WINDOWEVENT_CLOSE:
      out->type = EventType::kCloseRequest;
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      out->type = EventType::kFocusGained;
      return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      out->type = EventType::kFocusLost;
      return true;
    case SDL_WINDOWEVENT_EXPOSED:
      out->type = EventType::kExposed;
      return true;
    case SDL_WINDOWEVENT_MINIMIZED:
      out->type = EventType::kMinimized;
      return true;
    case SDL_WINDOWEVENT_MAXIMIZED:
      out->type = EventType::kMaximized;
      return true;
    case SDL_WINDOWEVENT_RESTORED:
      out->type = EventType::kRestored;
      return true;
    case SDL_WINDOWEVENT_MOVED:
      out->type = EventType::kMoved;
      out->x = in.data1;
      out->y = in.data2;
      return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // Every size change, the window manager's and the program's own;
      // RESIZED would leave out those the program asked for.
      out->type = EventType::kResized;
      out->width = in.data1;
      out->height = in.data2;
      return true;
    default:
      return false;
  }
}

bool TranslateWheel(const SDL_MouseWheelEvent& in, Event* out) {
  if (in.y == 0) return false;
  out->type = EventType::kMouseWheel;
  out->wheel = in.direction == SDL_MOUSEWHEEL_FLIPPED ? -in.y : in.y;
#if SDL_VERSION_ATLEAST(2, 26, 0)
  out->x = in.mouseX;
  out->y = in.mouseY;
#else
  SDL_GetMouseState(&out->x, &out->y);
#endif
  return true;
}

bool TranslateKey(const SDL_KeyboardEvent& in, Event* out) {
  out->vkey = VirtualKeyFromSdl(in.keysym.sym, in.keysym.scancode);
  if (out->vkey == 0) return false;
  out->type = in.type == SDL_KEYDOWN ? EventType::kKeyDown : EventType::kKeyUp;
  out->repeat = in.type == SDL_KEYDOWN && in.repeat != 0;
  out->modifiers = ModifiersFromSdl(in.keysym.mod);
  return true;
}

void TranslateText(const SDL_TextInputEvent& in, Event* out) {
  static_assert(sizeof(out->text) >= sizeof(in.text));
  out->type = EventType::kText;
  // SDL fills its buffer with a terminated string, but a pushed event need
  // not: copy no more than fits and terminate it ourselves.
  const void* end = std::memchr(in.text, '\0', sizeof(in.text) - 1);
  const size_t length =
      end != nullptr ? static_cast<const char*>(end) - in.text : sizeof(in.text) - 1;
  std::memcpy(out->text, in.text, length);
  out->text[length] = '\0';
}

}  // namespace

bool TranslateSdlEvent(const SDL_Event& in, unsigned current_modifiers, Event* out,
                       Uint32* window_id) {
  *out = Event{};
  out->modifiers = current_modifiers;
  *window_id = 0;
  switch (in.type) {
    case SDL_QUIT:
      out->type = EventType::kQuit;
      return true;
    case SDL_MOUSEMOTION:
      out->type = EventType::kMouseMove;
      out->x = in.motion.x;
      out->y = in.motion.y;
      *window_id = in.motion.windowID;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (!TranslateButton(in.button.button, &out->button)) return false;
      out->type = in.type == SDL_MOUSEBUTTONDOWN ? EventType::kMouseDown : EventType::kMouseUp;
      out->x = in.button.x;
      out->y = in.button.y;
      *window_id = in.button.windowID;
      return true;
    case SDL_MOUSEWHEEL:
      *window_id = in.wheel.windowID;
      return TranslateWheel(in.wheel, out);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      *window_id = in.key.windowID;
      return TranslateKey(in.key, out);
    case SDL_TEXTINPUT:
      *window_id = in.text.windowID;
      TranslateText(in.text, out);
      return true;
    case SDL_WINDOWEVENT:
      *window_id = in.window.windowID;
      return TranslateWindowEvent(in.window, out);
    default:
      return false;
  }
}

}  // namespace host
