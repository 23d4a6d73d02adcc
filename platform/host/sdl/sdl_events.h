// SDL events in the layer's terms. The host routes the result by window id;
// this part only reads the event.
#pragma once

#include <SDL.h>

#include "platform/host/host.h"

namespace host {

// Fills `out` (all but its surface) and the SDL window the event belongs to,
// 0 for kQuit, which belongs to the whole session. Returns false for events
// the layer has no use for: other mouse buttons, horizontal scrolling, keys
// without a virtual key, window events other than close, focus, exposure,
// the three states, moves and size changes, and every other kind. Key events carry the
// modifiers SDL recorded with them; all others carry `current_modifiers`
// (kMod* bits, from SDL_GetModState at delivery).
bool TranslateSdlEvent(const SDL_Event& in, unsigned current_modifiers, Event* out,
                       Uint32* window_id);

}  // namespace host
