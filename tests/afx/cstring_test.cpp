#include "platform/afx/cstring.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/afx/afx_resource.h"
#include "platform/win/res/resources.h"

namespace {

// Formats through a runtime format string, for the cases the compiler's own
// format checking would (rightly) object to.
std::string F(const char* format, ...) {
  va_list args;
  va_start(args, format);
  CString s;
  s.FormatV(format, args);
  va_end(args);
  return std::string(s, std::size_t(s.GetLength()));
}

// ---- The program's own formats --------------------------------------------------------------
TEST(Format, PrintsThreeExponentDigitsLikeTheClassicRuntime) {
  CString s;
  s.Format("%.4e", 6.67259e-11);
  EXPECT_STREQ(s, "6.6726e-011");
  s.Format("%.4e", 1.0008885000000001e-10);
  EXPECT_STREQ(s, "1.0009e-010");
  s.Format("%.4e", 3.336295e-11);
  EXPECT_STREQ(s, "3.3363e-011");
  s.Format("t: %e s", 0.0);
  EXPECT_STREQ(s, "t: 0.000000e+000 s");
  s.Format("%e", 100.0);
  EXPECT_STREQ(s, "1.000000e+002");
  s.Format("%e", 1e5);
  EXPECT_STREQ(s, "1.000000e+005");
  s.Format("%.2e", 1e25);
  EXPECT_STREQ(s, "1.00e+025");
  s.Format("%.2e", 1e35);
  EXPECT_STREQ(s, "1.00e+035");
}

TEST(Format, ProgramsIntegerAndFixedFormats) {
  CString s;
  s.Format("%10d s", 100);
  EXPECT_STREQ(s, "       100 s");
  s.Format("%10d s", 100000);
  EXPECT_STREQ(s, "    100000 s");
  s.Format("%de+009", 312);
  EXPECT_STREQ(s, "312e+009");
  s.Format("x: %de+009  y:%de+009", -5, 145);
  EXPECT_STREQ(s, "x: -5e+009  y:145e+009");
  s.Format("%.1f", 16000.0);
  EXPECT_STREQ(s, "16000.0");
  s.Format("%.1f", -1000.0);
  EXPECT_STREQ(s, "-1000.0");
  s.Format("Cannot add bodies (%d max)", 10);
  EXPECT_STREQ(s, "Cannot add bodies (10 max)");
  s.Format("Properties: body %d", 3);
  EXPECT_STREQ(s, "Properties: body 3");
}

TEST(Format, CharacterCodesAreSingleBytes) {
  CString s;
  s.Format("Copyright %c 2024", 169);
  EXPECT_EQ(s.GetLength(), 16);
  EXPECT_EQ(static_cast<unsigned char>(s[10]), 0xA9);
  EXPECT_STREQ(s, "Copyright \xA9 2024");
}

// ---- Exponents, widths and flags ---------------------------------------------------------------
TEST(Format, WidthsCountTheWidenedExponent) {
  EXPECT_EQ(F("%12e", 1.0), "1.000000e+000");  // 13 characters: no padding
  EXPECT_EQ(F("%14e", 1.0), " 1.000000e+000");
  EXPECT_EQ(F("%-15e|", 1.0), "1.000000e+000  |");
  EXPECT_EQ(F("%012e", 1.0), "1.000000e+000");
  EXPECT_EQ(F("%016e", 1.0), "0001.000000e+000");
  EXPECT_EQ(F("%016e", -1.5), "-001.500000e+000");
  EXPECT_EQ(F("%+016e", 1.5), "+001.500000e+000");
  EXPECT_EQ(F("%-016e|", 1.0), "1.000000e+000   |");
  EXPECT_EQ(F("%*e", 15, 2.0), "  2.000000e+000");
  EXPECT_EQ(F("%-*e|", 15, 2.0), "2.000000e+000  |");
  EXPECT_EQ(F("%*e|", -15, 2.0), "2.000000e+000  |");
}

TEST(Format, SignFlagsAndPrecisionOnE) {
  EXPECT_EQ(F("%+e", 2.5), "+2.500000e+000");
  EXPECT_EQ(F("% e", 2.5), " 2.500000e+000");
  EXPECT_EQ(F("%+.3E", -12345.678), "-1.235E+004");
  EXPECT_EQ(F("%.0e", 5e-7), "5e-007");
  EXPECT_EQ(F("%#.0e", 5e-7), "5.e-007");
  EXPECT_EQ(F("%.*e", 1, 0.25), "2.5e-001");
  EXPECT_EQ(F("%.*e", -3, 0.25), "2.500000e-001");  // a negative precision is none
  EXPECT_EQ(F("%Le", 1e5L), "1.000000e+005");
}

// %e takes a faster road than printf for plain directives; it must give
// printf's digits for every double, ties and subnormals included.
TEST(Format, ExponentFormGivesTheRuntimeDigitsForEveryKindOfDouble) {
  auto expected = [](const char* directive, double value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, directive, value);
    std::string text(buffer);
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string::npos && text.size() - (e + 2) < 3) text.insert(e + 2, 1, '0');
    return text;
  };
  std::vector<double> values = {0.0,       -0.0,     0.5,         1.5,  2.5,  0.125,    1e23,
                                5e-324,    DBL_MAX,  DBL_MIN,     9.5,  99.5, 999999.5, 1.0000005,
                                2.0000005, 123456.5, 6.67259e-11, 1e-5, 1e22};
  std::uint64_t bits = 0x9E3779B97F4A7C15ULL;
  for (int i = 0; i < 4000; ++i) {
    bits ^= bits << 13U;
    bits ^= bits >> 7U;
    bits ^= bits << 17U;
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) values.push_back(d);
    values.push_back(static_cast<double>(bits % 100000000ULL) * 100.0);  // elapsed times
  }
  const char* directives[] = {"%e", "%.0e", "%.1e", "%.4e", "%.9e", "%.17e", "%.30e", "%E", "%.3E"};
  for (double v : values) {
    for (const char* directive : directives) {
      ASSERT_EQ(F(directive, v), expected(directive, v)) << directive << " of " << v;
    }
  }
}

TEST(Format, ThreeDigitExponentsStayAsTheyAre) {
  EXPECT_EQ(F("%e", 1e-300), "1.000000e-300");
  EXPECT_EQ(F("%e", 1e300), "1.000000e+300");
  EXPECT_EQ(F("%g", 1e-300), "1e-300");
  EXPECT_EQ(F("%e", DBL_MIN / 4), "5.562685e-309");
  EXPECT_EQ(F("%Le", 1e1000L), "1.000000e+1000");
}

TEST(Format, InfinityAndNanStayAsTheLibraryWritesThem) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(F("%e", inf), "inf");
  EXPECT_EQ(F("%E", -inf), "-INF");
  EXPECT_EQ(F("%10e|", inf), "       inf|");
  EXPECT_EQ(F("%010e|", inf), "       inf|");  // no zeros in front of a word
  EXPECT_EQ(F("%-6g|", nan), "nan   |");
  EXPECT_EQ(F("%G", nan), "NAN");
}

TEST(Format, GChoosesTheExponentFormWhenTheNumberAsksForIt) {
  EXPECT_EQ(F("%g", 1e25), "1e+025");
  EXPECT_EQ(F("%g", 0.0001), "0.0001");
  EXPECT_EQ(F("%g", 0.00001), "1e-005");
  EXPECT_EQ(F("%g", 100000.0), "100000");
  EXPECT_EQ(F("%g", 1e6), "1e+006");
  EXPECT_EQ(F("%g", 123456789.0), "1.23457e+008");
  EXPECT_EQ(F("%G", 1e-10), "1E-010");
  EXPECT_EQ(F("%#g", 1.0), "1.00000");
  EXPECT_EQ(F("%.3g", 6.67259e-11), "6.67e-011");
  EXPECT_EQ(F("%10g|", 1e25), "    1e+025|");
  EXPECT_EQ(F("%010g|", -1e25), "-0001e+025|");
}

TEST(Format, FixedAndHexadecimalFloats) {
  EXPECT_EQ(F("%f", 3.5), "3.500000");
  EXPECT_EQ(F("%08.2f", -3.14159), "-0003.14");
  EXPECT_EQ(F("%-8.1f|", 2.25), "2.2     |");
  EXPECT_EQ(F("%F", std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(F("%a", 1.0), "0x1p+0");
  EXPECT_EQ(F("%A", 0.5), "0X1P-1");
}

// ---- Integers, characters, strings, pointers
// -------------------------------------------------------
TEST(Format, IntegersWithFlagsAndLengthModifiers) {
  EXPECT_EQ(F("%05d", -42), "-0042");
  EXPECT_EQ(F("%-5d|", 42), "42   |");
  EXPECT_EQ(F("%+d % d", 7, 7), "+7  7");
  EXPECT_EQ(F("%.3d", 7), "007");
  EXPECT_EQ(F("%08.3d", 7), "     007");  // a precision turns the zeros off
  EXPECT_EQ(F("%i", -1), "-1");
  EXPECT_EQ(F("%u", 4000000000U), "4000000000");
  EXPECT_EQ(F("%#x %#X %#o", 255U, 255U, 8U), "0xff 0XFF 010");
  EXPECT_EQ(F("%hhd %hhu", 300, 300), "44 44");
  EXPECT_EQ(F("%hd %hu", 70000, -1), "4464 65535");
  EXPECT_EQ(F("%ld", LONG_MIN), std::to_string(LONG_MIN));
  EXPECT_EQ(F("%lld %llu", LLONG_MIN, ULLONG_MAX), "-9223372036854775808 18446744073709551615");
  EXPECT_EQ(F("%zu %zx", SIZE_MAX, std::size_t{255}), std::to_string(SIZE_MAX) + " ff");
  EXPECT_EQ(F("%jd %td", INTMAX_MIN, std::ptrdiff_t{-3}), std::to_string(INTMAX_MIN) + " -3");
  EXPECT_EQ(F("%*d|%-*d|", 5, 42, 4, 1), "   42|1   |");
}

TEST(Format, CharactersAndStrings) {
  EXPECT_EQ(F("%5c|%-3c|", 'a', 'b'), "    a|b  |");
  EXPECT_EQ(F("%s", static_cast<const char*>(nullptr)), "(null)");
  EXPECT_EQ(F("%.3s", static_cast<const char*>(nullptr)), "(nu");
  EXPECT_EQ(F("%8s|%-8s|", "abc", "de"), "     abc|de      |");
  const char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(F("%.2s", unterminated), "ab");
  EXPECT_EQ(F("%.*s", 3, unterminated), "abc");
  EXPECT_EQ(F("%ls|%lc", L"wide", static_cast<wint_t>(L'\xE9')), "wide|\xE9");
  EXPECT_EQ(F("%ls", L"\u20AC"), "?");  // beyond one byte
  EXPECT_EQ(F("%ls", static_cast<const wchar_t*>(nullptr)), "(null)");
}

TEST(Format, ANulFromPercentCEndsTheText) {
  EXPECT_EQ(F("ab%cde", 0), "ab");
  EXPECT_EQ(F("%c", 256 + 'x'), "x");
}

TEST(Format, PointersInUpperCaseHexOfFullWidth) {
  const std::string digits(2 * sizeof(void*), '0');
  EXPECT_EQ(F("%p", static_cast<void*>(nullptr)), digits);
  const std::string abc = digits.substr(3) + "ABC";
  EXPECT_EQ(F("%p", reinterpret_cast<void*>(std::uintptr_t{0xABC})), abc);
  EXPECT_EQ(F("%-*p|", int(digits.size()) + 2, static_cast<void*>(nullptr)), digits + "  |");
}

TEST(Format, RefusesPercentNButTakesItsArgument) {
  int count = 12345;
  short shortCount = 7;
  EXPECT_EQ(F("a%nb%d", &count, 5), "ab5");
  EXPECT_EQ(count, 12345);
  EXPECT_EQ(F("%hn%s", &shortCount, "next"), "next");
  EXPECT_EQ(shortCount, 7);
}

TEST(Format, OddDirectivesComeOutAsWritten) {
  EXPECT_EQ(F("100%%"), "100%");
  EXPECT_EQ(F("%y|%d", 4), "%y|4");
  EXPECT_EQ(F("tail %"), "tail %");
  EXPECT_EQ(F("tail %-5"), "tail %-5");
  EXPECT_EQ(F("%5%"), "%5%");
  CString s("kept");
  s.Format(nullptr);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(Format, HasNoLengthLimit) {
  const std::string big(100000, 'q');
  const std::string out = F("<%s>", big.c_str());
  EXPECT_EQ(out.size(), big.size() + 2);
  EXPECT_EQ(out.substr(out.size() - 3), "qq>");
  EXPECT_EQ(F("%5000d", 1).size(), 5000U);
  EXPECT_EQ(F("%.500f", 1.0).size(), 502U);
  EXPECT_EQ(F("%-300e|", 1.0).size(), 301U);
}

TEST(Format, HoldsAbsurdWidthsToAMegabyte) {
  EXPECT_EQ(F("%99999999999d", 1).size(), std::size_t{1} << 20U);
  EXPECT_EQ(F("%*d", INT_MIN, 1).size(), std::size_t{1} << 20U);
}

TEST(Format, ReplacesTheOldText) {
  CString s("something long");
  s.Format("%d", 1);
  EXPECT_STREQ(s, "1");
}

// ---- Construction and characters ------------------------------------------------------------
TEST(CString, ConstructsFromTextsAndCharacters) {
  EXPECT_STREQ(CString(), "");
  EXPECT_STREQ(CString("abc"), "abc");
  EXPECT_STREQ(CString(static_cast<const char*>(nullptr)), "");
  EXPECT_STREQ(CString('x', 3), "xxx");
  EXPECT_STREQ(CString('x'), "x");
  EXPECT_STREQ(CString('x', 0), "");
  EXPECT_STREQ(CString('x', -4), "");
  const CString original("copy me");
  CString copy(original);
  EXPECT_STREQ(copy, "copy me");
  CString moved(std::move(copy));
  EXPECT_STREQ(moved, "copy me");
}

TEST(CString, AssignsTextsCharactersAndStrings) {
  CString s;
  s = "abc";
  EXPECT_STREQ(s, "abc");
  s = static_cast<const char*>(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  s = 'q';
  EXPECT_STREQ(s, "q");
  const CString other("other");
  s = other;
  EXPECT_STREQ(s, "other");
  s = s;  // NOLINT: self-assignment must keep the text
  EXPECT_STREQ(s, "other");
}

TEST(CString, LengthAndEmptiness) {
  CString s("four");
  EXPECT_EQ(s.GetLength(), 4);
  EXPECT_FALSE(s.IsEmpty());
  s.Empty();
  EXPECT_EQ(s.GetLength(), 0);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, CharacterAccessStaysInRange) {
  CString s("abc");
  EXPECT_EQ(s.GetAt(0), 'a');
  EXPECT_EQ(s[2], 'c');
  EXPECT_EQ(s.GetAt(3), '\0');
  EXPECT_EQ(s[-1], '\0');
}

// ---- Concatenation and comparison
// -----------------------------------------------------------------
TEST(CString, ConcatenatesEveryKind) {
  const CString a("ab");
  EXPECT_STREQ(a + CString("cd"), "abcd");
  EXPECT_STREQ(a + "cd", "abcd");
  EXPECT_STREQ("cd" + a, "cdab");
  EXPECT_STREQ(a + 'c', "abc");
  EXPECT_STREQ('c' + a, "cab");
  EXPECT_STREQ(a + static_cast<const char*>(nullptr), "ab");
  CString s;
  s += a;
  s += "-";
  s += 'z';
  s += static_cast<const char*>(nullptr);
  s += s;
  EXPECT_STREQ(s, "ab-zab-z");
}

TEST(CString, ComparesAsUnsignedBytes) {
  const CString s("abc");
  EXPECT_EQ(s.Compare("abc"), 0);
  EXPECT_EQ(s.Compare("abd"), -1);
  EXPECT_EQ(s.Compare("ab"), 1);
  EXPECT_EQ(CString("").Compare(nullptr), 0);
  EXPECT_EQ(CString("\xA9").Compare("z"), 1);  // 169 sorts after every ASCII letter
  EXPECT_TRUE(s == "abc");
  EXPECT_TRUE("abc" == s);
  EXPECT_TRUE(s == CString("abc"));
  EXPECT_TRUE(s != "abd");
  EXPECT_TRUE("abd" != s);
  EXPECT_TRUE(s < "abd");
  EXPECT_TRUE("ab" < s);
  EXPECT_TRUE(CString("b") > s);
  EXPECT_FALSE(s < s);
}

// ---- Extraction and search ----------------------------------------------------------------------
TEST(CString, LeftHoldsItsCountToTheString) {
  const CString s("abcdef");
  EXPECT_STREQ(s.Left(2), "ab");
  EXPECT_STREQ(s.Left(99), "abcdef");
  EXPECT_STREQ(s.Left(-1), "");
  EXPECT_STREQ(s.Left(INT_MAX), "abcdef");
}

TEST(CString, FindsCharactersAndTexts) {
  const CString s("e+009  y:e+009");
  EXPECT_EQ(s.Find('e'), 0);
  EXPECT_EQ(s.Find('e', 1), 9);
  EXPECT_EQ(s.Find('q'), -1);
  EXPECT_EQ(s.Find("y:"), 7);
  EXPECT_EQ(s.Find("e+", 1), 9);
  EXPECT_EQ(s.Find(""), 0);
  EXPECT_EQ(s.Find(static_cast<const char*>(nullptr)), -1);
  EXPECT_EQ(s.Find('e', 99), -1);
  EXPECT_EQ(s.Find("e", -1), -1);
}

// ---- Resources ----------------------------------------------------------------------------------
const std::string kLong(1000, 'L');
const std::string k255(255, 'a');
const std::string k256(256, 'b');
const StringEntry kStrings[] = {
    {1, "Ready"}, {2, kLong.c_str()}, {3, k255.c_str()}, {4, k256.c_str()}, {5, ""}};
const ResourceModule kStringsModule{.name = "strings", .strings = kStrings};
const StringEntry kOtherStrings[] = {{1, "Other"}};
const ResourceModule kOtherModule{.name = "other", .strings = kOtherStrings};

// Registered before any test runs: it is the program's own module here.
const HINSTANCE g_module = RegisterResourceModule(&kStringsModule);

// Other tests in this program point the framework at modules of their own;
// these start and end with the program's.
class AfxResource : public ::testing::Test {
 protected:
  void SetUp() override { AfxSetResourceHandle(nullptr); }
  void TearDown() override { AfxSetResourceHandle(nullptr); }
};

class CStringLoadString : public AfxResource {};

TEST_F(AfxResource, TheProgramsModuleIsTheFirstRegistered) {
  EXPECT_EQ(AfxGetInstanceHandle(), g_module);
  EXPECT_EQ(AfxGetResourceHandle(), g_module);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(RT_STRING)), g_module);
}

TEST_F(AfxResource, AnotherResourceModuleCanBeSetAndUnset) {
  const HINSTANCE other = RegisterResourceModule(&kOtherModule);
  AfxSetResourceHandle(other);
  EXPECT_EQ(AfxGetResourceHandle(), other);
  EXPECT_EQ(AfxGetInstanceHandle(), g_module);
  CString s;
  EXPECT_TRUE(s.LoadString(1));
  EXPECT_STREQ(s, "Other");
  AfxSetResourceHandle(nullptr);
  EXPECT_EQ(AfxGetResourceHandle(), g_module);
  EXPECT_TRUE(s.LoadString(1));
  EXPECT_STREQ(s, "Ready");
}

TEST_F(CStringLoadString, ReadsStringsOfAnyLength) {
  CString s;
  EXPECT_TRUE(s.LoadString(2));
  EXPECT_EQ(std::string(s), kLong);
  EXPECT_TRUE(s.LoadString(3));
  EXPECT_EQ(std::string(s), k255);
  EXPECT_TRUE(s.LoadString(4));
  EXPECT_EQ(std::string(s), k256);
}

TEST_F(CStringLoadString, MissingOrEmptyStringsGiveFalseAndEmpty) {
  CString s("old");
  EXPECT_FALSE(s.LoadString(99));
  EXPECT_TRUE(s.IsEmpty());
  s = "old";
  EXPECT_FALSE(s.LoadString(5));
  EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
