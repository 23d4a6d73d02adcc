// The host's clipboard speaks UTF-8; the controls hold Windows-1252 bytes.
#pragma once

#include <string>

namespace dlg {

std::string Cp1252ToUtf8(const std::string& text);
// Characters the code page cannot hold are dropped, as are malformed bytes.
std::string Utf8ToCp1252(const std::string& utf8);

// The host's clipboard text as Windows-1252, "" without a host.
std::string ReadClipboard();
void WriteClipboard(const std::string& text);

}  // namespace dlg
