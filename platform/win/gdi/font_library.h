// Where fonts come from: FreeType, and fontconfig to find Liberation Sans
// (or fontconfig's "sans-serif" where it is not installed). Every face name
// a program asks for maps here, so that templates lay out the same on every
// machine. Faces are made once per size and style and kept for the run.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/win/gdi/font_face.h"
#include "platform/win/wingdi.h"

namespace gdi {

class CFontLibrary {
 public:
  // The em size of the dialog font, "MS Sans Serif" 8 point.
  static constexpr int kDialogEmPixels = 11;
  static constexpr int kMaxEmPixels = 512;

  // Never destroyed: faces stay valid until the process ends.
  static CFontLibrary& Instance();

  // Never null; sizes outside 1 to kMaxEmPixels are clamped.
  CFontFace* Face(int emPixels, bool bold, bool italic);
  CFontFace* FaceFor(const LOGFONTA& logfont);
  // The em size a LOGFONT asks for: lfHeight < 0 is the em, > 0 the cell
  // height (the dialog font's 13-pixel cell gives its 11-pixel em), 0 the
  // dialog font's.
  static int EmPixelsFor(LONG lfHeight);

  // Drops every cached glyph of every face; for measuring the cold path.
  void ClearGlyphCaches();

  // What the user is told, once, on standard error when Liberation Sans is
  // not to be had: the face fontconfig gave instead (`gotFile` false when it
  // gave none) and the package that provides the missing one.
  static std::string MissingFaceMessage(const std::string& gotFamily, bool gotFile);

 private:
  CFontLibrary();
  std::string FindFile(bool bold, bool italic, int* index);

  FT_Library m_library = nullptr;
  std::map<std::tuple<int, bool, bool>, std::unique_ptr<CFontFace>> m_faces;
  std::map<std::pair<bool, bool>, std::pair<std::string, int>> m_files;
  bool m_toldMissing = false;
};

}  // namespace gdi
