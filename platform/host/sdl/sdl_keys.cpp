#include "platform/host/sdl/sdl_keys.h"

#include "platform/host/host.h"

namespace host {
namespace {

struct SKeyPair {
  SDL_Keycode sdl;
  int vkey;
};

// Letters and digits are ranges; everything else is listed.
constexpr SKeyPair kKeys[] = {
    {SDLK_BACKSPACE, 0x08},  // VK_BACK
    {SDLK_TAB, 0x09},        // VK_TAB
    {SDLK_RETURN, 0x0D},     // VK_RETURN
    {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},  // VK_SHIFT
    {SDLK_RSHIFT, 0x10},
    {SDLK_LCTRL, 0x11},  // VK_CONTROL
    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},  // VK_MENU
    {SDLK_RALT, 0x12},
    {SDLK_PAUSE, 0x13},        // VK_PAUSE
    {SDLK_CAPSLOCK, 0x14},     // VK_CAPITAL
    {SDLK_ESCAPE, 0x1B},       // VK_ESCAPE
    {SDLK_SPACE, 0x20},        // VK_SPACE
    {SDLK_PAGEUP, 0x21},       // VK_PRIOR
    {SDLK_PAGEDOWN, 0x22},     // VK_NEXT
    {SDLK_END, 0x23},          // VK_END
    {SDLK_HOME, 0x24},         // VK_HOME
    {SDLK_LEFT, 0x25},         // VK_LEFT
    {SDLK_UP, 0x26},           // VK_UP
    {SDLK_RIGHT, 0x27},        // VK_RIGHT
    {SDLK_DOWN, 0x28},         // VK_DOWN
    {SDLK_PRINTSCREEN, 0x2C},  // VK_SNAPSHOT
    {SDLK_INSERT, 0x2D},       // VK_INSERT
    {SDLK_DELETE, 0x2E},       // VK_DELETE
    {SDLK_LGUI, 0x5B},         // VK_LWIN
    {SDLK_RGUI, 0x5C},         // VK_RWIN
    {SDLK_APPLICATION, 0x5D},  // VK_APPS
    {SDLK_KP_0, 0x60},         // VK_NUMPAD0 ..
    {SDLK_KP_1, 0x61},
    {SDLK_KP_2, 0x62},
    {SDLK_KP_3, 0x63},
    {SDLK_KP_4, 0x64},
    {SDLK_KP_5, 0x65},
    {SDLK_KP_6, 0x66},
    {SDLK_KP_7, 0x67},
    {SDLK_KP_8, 0x68},
    {SDLK_KP_9, 0x69},         // .. VK_NUMPAD9
    {SDLK_KP_MULTIPLY, 0x6A},  // VK_MULTIPLY
    {SDLK_KP_PLUS, 0x6B},      // VK_ADD
    {SDLK_KP_MINUS, 0x6D},     // VK_SUBTRACT
    {SDLK_KP_PERIOD, 0x6E},    // VK_DECIMAL
    {SDLK_KP_DIVIDE, 0x6F},    // VK_DIVIDE
    {SDLK_F1, 0x70},           // VK_F1 ..
    {SDLK_F2, 0x71},
    {SDLK_F3, 0x72},
    {SDLK_F4, 0x73},
    {SDLK_F5, 0x74},
    {SDLK_F6, 0x75},
    {SDLK_F7, 0x76},
    {SDLK_F8, 0x77},
    {SDLK_F9, 0x78},
    {SDLK_F10, 0x79},
    {SDLK_F11, 0x7A},
    {SDLK_F12, 0x7B},           // .. VK_F12
    {SDLK_NUMLOCKCLEAR, 0x90},  // VK_NUMLOCK
    {SDLK_SCROLLLOCK, 0x91},    // VK_SCROLL
    // The US layout's punctuation keys, named by their unshifted character.
    {SDLK_SEMICOLON, 0xBA},     // VK_OEM_1
    {SDLK_EQUALS, 0xBB},        // VK_OEM_PLUS
    {SDLK_COMMA, 0xBC},         // VK_OEM_COMMA
    {SDLK_MINUS, 0xBD},         // VK_OEM_MINUS
    {SDLK_PERIOD, 0xBE},        // VK_OEM_PERIOD
    {SDLK_SLASH, 0xBF},         // VK_OEM_2
    {SDLK_BACKQUOTE, 0xC0},     // VK_OEM_3
    {SDLK_LEFTBRACKET, 0xDB},   // VK_OEM_4
    {SDLK_BACKSLASH, 0xDC},     // VK_OEM_5
    {SDLK_RIGHTBRACKET, 0xDD},  // VK_OEM_6
    {SDLK_QUOTE, 0xDE},         // VK_OEM_7
};

int FromKeycode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  for (const SKeyPair& pair : kKeys) {
    if (pair.sdl == key) return pair.vkey;
  }
  return 0;
}

int FromScancode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return 'A' + (scancode - SDL_SCANCODE_A);
  }
  // The digit row runs 1 to 9, then 0.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return '1' + (scancode - SDL_SCANCODE_1);
  }
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode) {
  const int vkey = FromKeycode(key);
  return vkey != 0 ? vkey : FromScancode(scancode);
}

unsigned ModifiersFromSdl(unsigned sdl_mod) {
  unsigned modifiers = 0;
  if ((sdl_mod & KMOD_SHIFT) != 0) modifiers |= kModShift;
  if ((sdl_mod & KMOD_CTRL) != 0) modifiers |= kModCtrl;
  if ((sdl_mod & KMOD_ALT) != 0) modifiers |= kModAlt;
  return modifiers;
}

}  // namespace host
