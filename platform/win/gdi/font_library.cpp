#include "platform/win/gdi/font_library.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#define ASTROLATHE_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ASTROLATHE_LSAN 1
#endif
#endif
#if defined(ASTROLATHE_LSAN)
#include <sanitizer/lsan_interface.h>
#endif

namespace gdi {

namespace {

// fontconfig 2.14 loses a few hundred bytes while parsing its configuration,
// once per process; the leak checker should not blame every test for it.
void InitFontconfig() {
#if defined(ASTROLATHE_LSAN)
  __lsan_disable();
#endif
  FcInit();
#if defined(ASTROLATHE_LSAN)
  __lsan_enable();
#endif
}

std::string MatchFile(const char* family, bool bold, bool italic, int* index,
                      std::string* matchedFamily) {
  std::string file;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return file;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match != nullptr) {
    FcChar8* path = nullptr;
    FcChar8* name = nullptr;
    int faceIndex = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
      file = reinterpret_cast<const char*>(path);
    }
    if (FcPatternGetInteger(match, FC_INDEX, 0, &faceIndex) == FcResultMatch) *index = faceIndex;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name != nullptr) {
      *matchedFamily = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

// The face every text of the layer is laid out for, and where to get it.
constexpr const char* kDesignFace = "Liberation Sans";
constexpr const char* kDesignFacePackage = "fonts-liberation2";

}  // namespace

std::string CFontLibrary::MissingFaceMessage(const std::string& gotFamily, bool gotFile) {
  std::string message = std::string("The font ") + kDesignFace + " is not installed; ";
  if (!gotFile) {
    message += "no other font was found either, so no text can be shown.";
  } else {
    message += "using " + (gotFamily.empty() ? std::string("an unnamed font") : gotFamily) +
               " instead, so some texts may not fit.";
  }
  return message + " The package " + kDesignFacePackage + " provides it.";
}

CFontLibrary& CFontLibrary::Instance() {
  static auto* library = new CFontLibrary;
  return *library;
}

CFontLibrary::CFontLibrary() {
  if (FT_Init_FreeType(&m_library) != 0) m_library = nullptr;
  InitFontconfig();
}

std::string CFontLibrary::FindFile(bool bold, bool italic, int* index) {
  const auto key = std::make_pair(bold, italic);
  const auto found = m_files.find(key);
  if (found != m_files.end()) {
    *index = found->second.second;
    return found->second.first;
  }
  // fontconfig always answers with something; when Liberation Sans is
  // missing we want its idea of the sans face, not a random substitute.
  std::string family;
  int faceIndex = 0;
  std::string file = MatchFile(kDesignFace, bold, italic, &faceIndex, &family);
  if (file.empty() || family != kDesignFace) {
    faceIndex = 0;
    family.clear();
    file = MatchFile("sans-serif", bold, italic, &faceIndex, &family);
    // Said once, not for every style: the user can do something about it,
    // and a program that shows other letters, or none, should say why.
    if (!m_toldMissing) {
      m_toldMissing = true;
      std::fprintf(stderr, "%s\n", MissingFaceMessage(family, !file.empty()).c_str());
    }
  }
  m_files[key] = std::make_pair(file, faceIndex);
  *index = faceIndex;
  return file;
}

CFontFace* CFontLibrary::Face(int emPixels, bool bold, bool italic) {
  emPixels = std::clamp(emPixels, 1, kMaxEmPixels);
  const auto key = std::make_tuple(emPixels, bold, italic);
  auto& slot = m_faces[key];
  if (!slot) {
    int index = 0;
    const std::string file = FindFile(bold, italic, &index);
    slot = std::make_unique<CFontFace>(m_library, file, index, emPixels, bold, italic);
  }
  return slot.get();
}

int CFontLibrary::EmPixelsFor(LONG lfHeight) {
  const long long height = lfHeight;
  long long em = kDialogEmPixels;
  if (height < 0) em = -height;
  if (height > 0) em = (height * kDialogEmPixels + 6) / 13;
  return static_cast<int>(std::clamp<long long>(em, 1, kMaxEmPixels));
}

CFontFace* CFontLibrary::FaceFor(const LOGFONTA& logfont) {
  return Face(EmPixelsFor(logfont.lfHeight), logfont.lfWeight >= FW_BOLD, logfont.lfItalic != 0);
}

void CFontLibrary::ClearGlyphCaches() {
  for (auto& entry : m_faces) entry.second->ClearGlyphs();
}

}  // namespace gdi
