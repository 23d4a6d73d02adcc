// CString::Format: printf as the classic runtime prints it. Each conversion
// is printed on its own by the C library, then put into the classic
// runtime's form: the exponent of %e and %g widened to three digits, and
// only then the field width applied, so that padding counts the digit that
// was added.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <type_traits>
#include <vector>

#include "platform/afx/cstring.h"

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

namespace {

enum class Length { None, Char, Short, Long, LongLong, Size, Max, Ptrdiff, LongDouble };

struct Directive {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool alt = false;
  bool zero = false;
  int width = 0;
  int precision = -1;  // none
  Length length = Length::None;
  char conversion = '\0';
};

// Wider fields and longer precisions than this are held to it, so that a
// stray "%999999999d" costs a megabyte and not the machine.
constexpr int kMaxField = 1 << 20;

int ReadNumber(const char*& p) {
  int value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = std::min(value * 10 + (*p - '0'), kMaxField);
  }
  return value;
}

int Clamped(int value) { return std::min(value, kMaxField); }

// The conversion in printf's own words, with the directive's flags among `flags`.
std::string PrintfDirective(const Directive& s, const char* flags, bool width, const char* length,
                            char conversion) {
  std::string out = "%";
  const std::pair<bool, char> all[] = {
      {s.left, '-'}, {s.plus, '+'}, {s.space, ' '}, {s.alt, '#'}, {s.zero, '0'}};
  for (const auto& [set, flag] : all) {
    if (set && std::strchr(flags, flag) != nullptr) {
      out += flag;
    }
  }
  if (width && s.width > 0) {
    out += std::to_string(s.width);
  }
  if (s.precision >= 0) {
    out += '.' + std::to_string(Clamped(s.precision));
  }
  return out + length + conversion;
}

template <typename T>
std::string Print(const std::string& directive, T value) {
  char small[128];
  const int n = std::snprintf(small, sizeof small, directive.c_str(), value);
  if (n < 0) {
    return {};
  }
  if (std::size_t(n) < sizeof small) {
    return {small, std::size_t(n)};
  }
  std::string out(std::size_t(n), '\0');
  std::snprintf(out.data(), out.size() + 1, directive.c_str(), value);
  return out;
}

// %e of a double: the run loop writes the elapsed time this way after every
// step, and the library's shortest-exact conversion does it in a fraction of
// printf's time with the same correctly rounded digits. Signs and forms that
// only printf knows go to printf.
std::string PrintExponent(const std::string& directive, const Directive& s, double value) {
  constexpr int kMostDigits = 40;
  if (s.plus || s.space || s.alt || !std::isfinite(value) || s.precision > kMostDigits) {
    return Print(directive, value);
  }
  char buffer[kMostDigits + 16];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                    s.precision < 0 ? 6 : s.precision);
  if (error != std::errc()) return Print(directive, value);
  std::string text(buffer, end);
  if (s.conversion == 'E') {
    for (char& c : text) {
      if (c == 'e') c = 'E';
    }
  }
  return text;
}

// "e+05" becomes "e+005"; three digits or more stay as they are.
void WidenExponent(std::string& text) {
  const std::size_t e = text.find_first_of("eE");
  if (e == std::string::npos || e + 1 >= text.size() ||
      (text[e + 1] != '+' && text[e + 1] != '-')) {
    return;
  }
  const std::size_t digits = text.size() - (e + 2);
  if (digits < 3) {
    text.insert(e + 2, 3 - digits, '0');
  }
}

// Applies the field width: blanks on the left, or on the right with '-', or
// zeros after the sign where `zeros` allows them.
std::string Pad(std::string text, const Directive& s, bool zeros) {
  if (std::size_t(s.width) <= text.size()) {
    return text;
  }
  const std::size_t fill = std::size_t(s.width) - text.size();
  if (s.left) {
    text.append(fill, ' ');
  } else if (zeros && s.zero) {
    const bool sign = !text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == ' ');
    text.insert(sign ? 1 : 0, fill, '0');
  } else {
    text.insert(0, fill, ' ');
  }
  return text;
}

// The analyzer loses track of the va_copy in FormatV when these helpers are
// analysed inline from some entry points, and then takes every va_arg for
// one on a list never started.
// NOLINTBEGIN(clang-analyzer-valist.Uninitialized)

std::intmax_t TakeSigned(va_list* args, Length length) {
  // The types of some cases coincide on some targets (size_t, intmax_t and
  // ptrdiff_t are all long on LP64), never on all of them.
  // NOLINTBEGIN(bugprone-branch-clone)
  switch (length) {
    case Length::Char:
      return static_cast<signed char>(va_arg(*args, int));
    case Length::Short:
      return static_cast<short>(va_arg(*args, int));
    case Length::Long:
      return va_arg(*args, long);
    case Length::LongLong:
    case Length::LongDouble:
      return va_arg(*args, long long);
    case Length::Size:
      return va_arg(*args, std::make_signed_t<std::size_t>);
    case Length::Max:
      return va_arg(*args, std::intmax_t);
    case Length::Ptrdiff:
      return va_arg(*args, std::ptrdiff_t);
    case Length::None:
      break;
  }
  // NOLINTEND(bugprone-branch-clone)
  return va_arg(*args, int);
}

std::uintmax_t TakeUnsigned(va_list* args, Length length) {
  // NOLINTBEGIN(bugprone-branch-clone): as in TakeSigned
  switch (length) {
    case Length::Char:
      return static_cast<unsigned char>(va_arg(*args, int));
    case Length::Short:
      return static_cast<unsigned short>(va_arg(*args, int));
    case Length::Long:
      return va_arg(*args, unsigned long);
    case Length::LongLong:
    case Length::LongDouble:
      return va_arg(*args, unsigned long long);
    case Length::Size:
      return va_arg(*args, std::size_t);
    case Length::Max:
      return va_arg(*args, std::uintmax_t);
    case Length::Ptrdiff:
      return static_cast<std::uintmax_t>(va_arg(*args, std::ptrdiff_t));
    case Length::None:
      break;
  }
  // NOLINTEND(bugprone-branch-clone)
  return va_arg(*args, unsigned);
}

template <typename T>
void Skip(va_list* args) {
  (void)va_arg(*args, T*);
}

// Takes the pointer of a %n, whatever it points at, and writes nothing.
void SkipCountPointer(va_list* args, Length length) {
  switch (length) {
    case Length::Char:
      return Skip<signed char>(args);
    case Length::Short:
      return Skip<short>(args);
    case Length::Long:
      return Skip<long>(args);
    case Length::LongLong:
    case Length::LongDouble:
      return Skip<long long>(args);
    case Length::Size:
      return Skip<std::make_signed_t<std::size_t>>(args);
    case Length::Max:
      return Skip<std::intmax_t>(args);
    case Length::Ptrdiff:
      return Skip<std::ptrdiff_t>(args);
    case Length::None:
      break;
  }
  Skip<int>(args);
}

// Wide characters become bytes of the program's code page where they fit.
char NarrowChar(std::uintmax_t wide) { return wide < 256 ? static_cast<char>(wide) : '?'; }

using PromotedWint = std::conditional_t<(sizeof(std::wint_t) < sizeof(int)), int, std::wint_t>;

std::string TakeString(va_list* args, const Directive& s) {
  const std::size_t limit = s.precision >= 0 ? std::size_t(s.precision) : SIZE_MAX;
  std::string text;
  if (s.length == Length::Long) {
    const wchar_t* wide = va_arg(*args, const wchar_t*);
    if (wide == nullptr) {
      wide = L"(null)";
    }
    for (std::size_t i = 0; i < limit && wide[i] != L'\0'; ++i) {
      text += NarrowChar(static_cast<std::uintmax_t>(wide[i]));
    }
  } else {
    const char* narrow = va_arg(*args, const char*);
    if (narrow == nullptr) {
      narrow = "(null)";
    }
    for (std::size_t i = 0; i < limit && narrow[i] != '\0'; ++i) {
      text += narrow[i];
    }
  }
  return text;
}

std::string Convert(const Directive& s, va_list* args) {
  const bool longDouble = s.length == Length::LongDouble;
  switch (s.conversion) {
    case 'd':
    case 'i':
      return Print(PrintfDirective(s, "-+ 0", true, "j", 'd'), TakeSigned(args, s.length));
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      return Print(PrintfDirective(s, s.conversion == 'u' ? "-0" : "-#0", true, "j", s.conversion),
                   TakeUnsigned(args, s.length));
    case 'f':
    case 'F':
    case 'a':
    case 'A': {
      const std::string directive =
          PrintfDirective(s, "-+ #0", true, longDouble ? "L" : "", s.conversion);
      return longDouble ? Print(directive, va_arg(*args, long double))
                        : Print(directive, va_arg(*args, double));
    }
    case 'e':
    case 'E':
    case 'g':
    case 'G': {
      const std::string directive =
          PrintfDirective(s, "+ #", false, longDouble ? "L" : "", s.conversion);
      std::string text;
      bool finite = false;
      if (longDouble) {
        const long double value = va_arg(*args, long double);
        finite = std::isfinite(value);
        text = Print(directive, value);
      } else {
        const double value = va_arg(*args, double);
        finite = std::isfinite(value);
        text = s.conversion == 'e' || s.conversion == 'E' ? PrintExponent(directive, s, value)
                                                          : Print(directive, value);
      }
      if (finite) {
        WidenExponent(text);
      }
      return Pad(text, s, finite);
    }
    case 'c': {
      const char ch = s.length == Length::Long
                          ? NarrowChar(static_cast<std::uintmax_t>(va_arg(*args, PromotedWint)))
                          : static_cast<char>(static_cast<unsigned char>(va_arg(*args, int)));
      return Pad(std::string(1, ch), s, false);
    }
    case 's':
      return Pad(TakeString(args, s), s, false);
    case 'p': {
      const auto address = reinterpret_cast<std::uintptr_t>(va_arg(*args, void*));
      Directive hex;
      hex.zero = true;
      hex.width = int(2 * sizeof(void*));
      return Pad(Print(PrintfDirective(hex, "0", true, "j", 'X'), std::uintmax_t{address}), s,
                 false);
    }
    case 'n':
      SkipCountPointer(args, s.length);
      return {};
    default:
      return {};
  }
}

// Reads one conversion after its '%'; false when the format ends first.
bool ParseDirective(const char*& p, va_list* args, Directive& s) {
  for (;; ++p) {
    if (*p == '-') {
      s.left = true;
    } else if (*p == '+') {
      s.plus = true;
    } else if (*p == ' ') {
      s.space = true;
    } else if (*p == '#') {
      s.alt = true;
    } else if (*p == '0') {
      s.zero = true;
    } else {
      break;
    }
  }
  if (*p == '*') {
    ++p;
    const int width = va_arg(*args, int);
    s.left = s.left || width < 0;
    s.width = width < 0 ? (width < -kMaxField ? kMaxField : -width) : Clamped(width);
  } else {
    s.width = ReadNumber(p);
  }
  if (*p == '.') {
    ++p;
    if (*p == '*') {
      ++p;
      const int precision = va_arg(*args, int);
      s.precision = precision < 0 ? -1 : precision;
    } else {
      s.precision = ReadNumber(p);
    }
  }
  struct Modifier {
    const char* text;
    Length length;
  };
  constexpr Modifier kModifiers[] = {{"hh", Length::Char},     {"h", Length::Short},
                                     {"ll", Length::LongLong}, {"l", Length::Long},
                                     {"z", Length::Size},      {"j", Length::Max},
                                     {"t", Length::Ptrdiff},   {"L", Length::LongDouble}};
  for (const Modifier& m : kModifiers) {
    const std::size_t n = std::strlen(m.text);
    if (std::strncmp(p, m.text, n) == 0) {
      s.length = m.length;
      p += n;
      break;
    }
  }
  if (*p == '\0') {
    return false;
  }
  s.conversion = *p++;
  return true;
}

// NOLINTEND(clang-analyzer-valist.Uninitialized)

bool IsConversion(char c) { return c != '\0' && std::strchr("diuoxXcspeEfFgGaAn", c) != nullptr; }

}  // namespace

void CString::FormatV(const char* format, va_list args) {
  std::string out;
  if (format != nullptr) {
    va_list ap;
    va_copy(ap, args);
    const char* p = format;
    while (*p != '\0') {
      const char* percent = std::strchr(p, '%');
      if (percent == nullptr) {
        out += p;
        break;
      }
      out.append(p, percent);
      p = percent + 1;
      if (*p == '%') {
        out += '%';
        ++p;
        continue;
      }
      Directive directive;
      const bool complete = ParseDirective(p, &ap, directive);
      if (!complete || !IsConversion(directive.conversion)) {
        out.append(percent, p);  // not a conversion: as written
        continue;
      }
      out += Convert(directive, &ap);
    }
    va_end(ap);
  }
  // The classic runtime's result is a C string: a NUL from %c ends it.
  out.resize(std::min(out.find('\0'), out.size()));
  m_text = std::move(out);
}
