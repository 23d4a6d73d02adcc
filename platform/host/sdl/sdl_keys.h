// SDL keys and modifiers in the layer's terms: Windows virtual-key numbers
// and the kMod* bits of platform/host/host.h.
#pragma once

#include <SDL.h>

namespace host {

// The virtual key of a key event, 0 for keys the layer has no use for. The
// keycode, which follows the keyboard layout, decides; a key whose keycode
// is none of ours (a Cyrillic letter, the digit row of a French layout) is
// taken by its position instead, as Windows does for letters and digits.
int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);

// Either shift, control or alt key counts.
unsigned ModifiersFromSdl(unsigned sdl_mod);

}  // namespace host
