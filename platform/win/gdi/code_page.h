// The program's strings are Windows-1252 bytes; the fonts speak Unicode.
#pragma once

#include <cstdint>

namespace gdi {

// The Unicode code point of a Windows-1252 byte. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same value, as the system's own conversion does.
char32_t Cp1252ToUnicode(unsigned char byte);

}  // namespace gdi
