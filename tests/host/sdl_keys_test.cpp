#include <gtest/gtest.h>

#include "platform/host/host.h"
#include "platform/host/sdl/sdl_keys.h"

namespace {

using host::VirtualKeyFromSdl;

int Vk(SDL_Keycode key) { return VirtualKeyFromSdl(key, SDL_SCANCODE_UNKNOWN); }

TEST(SdlKeys, LettersAndDigitsAreTheirUpperCaseCharacters) {
  for (int i = 0; i < 26; ++i) EXPECT_EQ(Vk(SDLK_a + i), 'A' + i) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Vk(SDLK_0 + i), '0' + i) << i;
}

TEST(SdlKeys, FunctionKeysRunFromVkF1) {
  const SDL_Keycode keys[] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                              SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Vk(keys[i]), 0x70 + i) << i;
}

TEST(SdlKeys, EditingAndNavigationKeys) {
  EXPECT_EQ(Vk(SDLK_RETURN), 0x0D);
  EXPECT_EQ(Vk(SDLK_KP_ENTER), 0x0D);
  EXPECT_EQ(Vk(SDLK_ESCAPE), 0x1B);
  EXPECT_EQ(Vk(SDLK_TAB), 0x09);
  EXPECT_EQ(Vk(SDLK_BACKSPACE), 0x08);
  EXPECT_EQ(Vk(SDLK_DELETE), 0x2E);
  EXPECT_EQ(Vk(SDLK_INSERT), 0x2D);
  EXPECT_EQ(Vk(SDLK_HOME), 0x24);
  EXPECT_EQ(Vk(SDLK_END), 0x23);
  EXPECT_EQ(Vk(SDLK_PAGEUP), 0x21);
  EXPECT_EQ(Vk(SDLK_PAGEDOWN), 0x22);
  EXPECT_EQ(Vk(SDLK_LEFT), 0x25);
  EXPECT_EQ(Vk(SDLK_UP), 0x26);
  EXPECT_EQ(Vk(SDLK_RIGHT), 0x27);
  EXPECT_EQ(Vk(SDLK_DOWN), 0x28);
  EXPECT_EQ(Vk(SDLK_SPACE), 0x20);
}

TEST(SdlKeys, BothSidesOfAModifierAreOneKey) {
  EXPECT_EQ(Vk(SDLK_LSHIFT), 0x10);
  EXPECT_EQ(Vk(SDLK_RSHIFT), 0x10);
  EXPECT_EQ(Vk(SDLK_LCTRL), 0x11);
  EXPECT_EQ(Vk(SDLK_RCTRL), 0x11);
  EXPECT_EQ(Vk(SDLK_LALT), 0x12);
  EXPECT_EQ(Vk(SDLK_RALT), 0x12);
}

TEST(SdlKeys, PunctuationAndKeypad) {
  EXPECT_EQ(Vk(SDLK_MINUS), 0xBD);
  EXPECT_EQ(Vk(SDLK_PERIOD), 0xBE);
  EXPECT_EQ(Vk(SDLK_COMMA), 0xBC);
  EXPECT_EQ(Vk(SDLK_SLASH), 0xBF);
  EXPECT_EQ(Vk(SDLK_QUOTE), 0xDE);
  EXPECT_EQ(Vk(SDLK_KP_0), 0x60);
  EXPECT_EQ(Vk(SDLK_KP_9), 0x69);
  EXPECT_EQ(Vk(SDLK_KP_PERIOD), 0x6E);
  EXPECT_EQ(Vk(SDLK_KP_MINUS), 0x6D);
}

TEST(SdlKeys, UnknownKeysFallBackToTheirPosition) {
  // A Cyrillic layout's key in the place of Q, and a French digit row.
  EXPECT_EQ(VirtualKeyFromSdl(0x0439, SDL_SCANCODE_Q), 'Q');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_AMPERSAND, SDL_SCANCODE_1), '1');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_AGAIN, SDL_SCANCODE_0), '0');
  // The keycode wins where it is ours: an AZERTY A sits where Q is.
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_a, SDL_SCANCODE_Q), 'A');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_AMPERSAND, SDL_SCANCODE_F13), 0);
  EXPECT_EQ(Vk(SDLK_UNKNOWN), 0);
  EXPECT_EQ(Vk(SDLK_F13), 0);
}

TEST(SdlKeys, ModifierBits) {
  EXPECT_EQ(host::ModifiersFromSdl(KMOD_NONE), 0U);
  EXPECT_EQ(host::ModifiersFromSdl(KMOD_RSHIFT), host::kModShift);
  EXPECT_EQ(host::ModifiersFromSdl(KMOD_LCTRL | KMOD_RALT), host::kModCtrl | host::kModAlt);
  EXPECT_EQ(host::ModifiersFromSdl(KMOD_NUM | KMOD_CAPS | KMOD_GUI), 0U);
}

}  // namespace
