// The classic colour scheme and its brushes.
#pragma once

#include "platform/win/gdi/gdi_objects.h"

namespace gdi {

// The brush a fill call should use: a live brush, or for the classic
// shorthand (HBRUSH)(COLOR_* + 1) the system colour's brush; null otherwise.
const CGdiBrush* ResolveBrush(HBRUSH brush);

}  // namespace gdi
