// CString, the framework's string: 8-bit characters (Windows-1252), a value
// that converts to const char* wherever a C string is wanted. Every text the
// program shows goes through one, and every number it shows through Format,
// which prints as the classic runtime does (see Format below).
#pragma once

#include <compare>
#include <cstdarg>
#include <string>

#include "platform/win/windef.h"

// Lets the compiler check Format's arguments against its format, as it does
// printf's.
#if defined(__GNUC__)
#define AFX_PRINTF_FORMAT(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#define AFX_PRINTF_FORMAT(fmt, first)
#endif

class CString {
 public:
  // ---- Construction and assignment ----------------------------------------------
  // A null pointer is the empty string; a repeat count below 1 gives "".
  CString() = default;
  CString(const char* text);  // implicit: a C string goes wherever a CString is wanted
  explicit CString(char ch, int repeat = 1);
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  ~CString() = default;
  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(const char* text);
  CString& operator=(char ch);

  // Valid until the string next changes.
  operator LPCSTR() const { return m_text.c_str(); }

  // ---- Characters -------------------------------------------------------------------
  // Out of range, GetAt and [] give '\0'.
  int GetLength() const { return static_cast<int>(m_text.size()); }
  BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
  void Empty() { m_text.clear(); }
  char GetAt(int index) const;
  char operator[](int index) const { return GetAt(index); }

  // ---- Concatenation ------------------------------------------------------------------
  CString& operator+=(const CString& text);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);
  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, const char* b);
  friend CString operator+(const char* a, const CString& b);
  friend CString operator+(const CString& a, char b);
  friend CString operator+(char a, const CString& b);

  // ---- Comparison ---------------------------------------------------------------------
  // Byte by byte as unsigned characters, up to the first NUL, like strcmp
  // (no locale); null compares as "". Compare gives -1, 0 or 1.
  int Compare(const char* text) const;
  friend bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
  friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.Compare(b) <=> 0;
  }
  friend std::strong_ordering operator<=>(const CString& a, const char* b) {
    return a.Compare(b) <=> 0;
  }

  // ---- Extraction and search ------------------------------------------------------------
  // Counts and positions are held to the string: Left(-1) is "", Left(100)
  // of a short string the whole string. Find gives the index of the first
  // match at or after `start`, or -1; an empty `text` matches at `start`.
  CString Left(int count) const;
  int Find(char ch, int start = 0) const;
  int Find(const char* text, int start = 0) const;

  // ---- Resources and formatting ---------------------------------------------------------
  // String `id` of AfxGetResourceHandle(), whatever its length; FALSE (and
  // "") when there is none.
  BOOL LoadString(UINT id);

  // printf, as the classic runtime prints: %e, %E, %g and %G write at least
  // three exponent digits ("6.6726e-011"), with widths and flags applied to
  // the longer result. All flags, widths and precisions (also *), the length
  // modifiers hh h l ll z j t L, and d i u o x X c s p e E f F g G a A %.
  // %s of null prints "(null)", %c any byte, %p the address in upper-case
  // hex digits; %n is refused (its argument is taken and nothing written).
  // An unknown conversion is copied as written. As with the classic
  // runtime, the text ends at a NUL that %c wrote. A null format gives "".
  // A CString argument must be passed as (LPCSTR).
  void Format(const char* format, ...) AFX_PRINTF_FORMAT(2, 3);
  void FormatV(const char* format, va_list args);

 private:
  std::string m_text;
};
