#include "tests/fuzz/input_picker.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "tests/fuzz/frame_layout.h"

namespace {

constexpr int kWrapValues[] = {32767, 32768,  -32768, -32769, 65535,  65536,
                               65556, -65536, 98404,  131122, -98404, 1 << 20};

constexpr const char* kNamedKeys[] = {"Return", "Escape",    "Tab",    "Up",    "Down",
                                      "Left",   "Right",     "Home",   "End",   "Prior",
                                      "Next",   "BackSpace", "Delete", "Space", "F1"};

constexpr const char* kOddNumbers[] = {"2147483647",
                                       "2147483648",
                                       "-2147483648",
                                       "-2147483649",
                                       "4294967296",
                                       "4294967295",
                                       "99999999999999999999",
                                       "-0",
                                       "+0",
                                       "+42",
                                       "--5",
                                       "+-5",
                                       "-",
                                       "+",
                                       "  42",
                                       "42  ",
                                       "4 2",
                                       "12.9",
                                       "-0.5",
                                       "1e9",
                                       "1e400",
                                       "-1e-400",
                                       ".5",
                                       "5.",
                                       "nan",
                                       "inf",
                                       "-inf",
                                       "0x1F",
                                       "12abc",
                                       "abc",
                                       "e",
                                       "1,000",
                                       "007",
                                       "0",
                                       "1",
                                       "-1",
                                       "\t7",
                                       "7\r7",
                                       "1000000"};

}  // namespace

CInputPicker::CInputPicker(CFuzzRandom* random, bool fullRange)
    : m_random(random),
      m_min(std::numeric_limits<int>::min() + (fullRange ? 0 : 4096)),
      m_max(std::numeric_limits<int>::max() - (fullRange ? 0 : 4096)) {}

int CInputPicker::Extreme() {
  switch (m_random->Weighted({3, 2, 2, 1})) {
    case 0:
      return m_random->Int(m_min, m_max);
    case 1:
      return m_max - m_random->Int(0, 100);
    case 2:
      return m_min + m_random->Int(0, 100);
    default:
      return m_random->Percent(50) ? m_max : m_min;
  }
}

POINT CInputPicker::FieldPoint() {
  // The field left of the panel, and the strip above it.
  if (m_random->Percent(80)) return POINT{m_random->Int(0, 452), m_random->Int(0, 385)};
  return POINT{m_random->Int(453, 593), m_random->Int(0, 112)};
}

POINT CInputPicker::AnyPointBelowBar() {
  POINT p = AnyPoint();
  while (p.y < 0) p = AnyPoint();
  return p;
}

POINT CInputPicker::AnyPoint() {
  const int w = layout::kClientWidth;
  const int h = layout::kClientHeight;
  switch (m_random->Weighted({30, 15, 8, 8, 6, 5, 4, 3, 2, 5, 4})) {
    case 0:
      return FieldPoint();
    case 1:
      return POINT{m_random->Int(0, w - 1), m_random->Int(0, h - 1)};
    case 2:
      return POINT{m_random->Int(layout::kPanel.left, layout::kPanel.right - 1),
                   m_random->Int(layout::kPanel.top, layout::kPanel.bottom - 1)};
    case 3: {
      constexpr RECT kControls[] = {layout::kGo, layout::kStop, layout::kDtSlider, layout::kGSlider,
                                    layout::kStatusBar};
      const RECT& r = m_random->Pick(kControls);
      return POINT{m_random->Int(r.left - 1, r.right), m_random->Int(r.top - 1, r.bottom)};
    }
    case 4: {
      constexpr int kXs[] = {-1, 0, 1, 452, 453, 587, 588, 593, 594, 595};
      constexpr int kYs[] = {-1, 0, 1, 112, 113, 379, 380, 385, 386, 405, 406, 407};
      return POINT{m_random->Pick(kXs), m_random->Pick(kYs)};
    }
    case 5:
      if (m_random->Percent(50)) return POINT{m_random->Int(w, 3000), m_random->Int(0, 3000)};
      return POINT{m_random->Int(0, 3000), m_random->Int(h, 3000)};
    case 6:
      return POINT{m_random->Int(-3000, -1), m_random->Int(0, h + 100)};
    case 7:
      return POINT{m_random->Int(-20, w + 20), m_random->Int(-19, -1)};
    case 8:
      return POINT{m_random->Int(-3000, 3000), m_random->Percent(50) ? Extreme() : -20};
    case 9:
      if (m_random->Percent(50)) return POINT{m_random->Pick(kWrapValues), m_random->Int(0, h)};
      return POINT{m_random->Int(0, w), m_random->Pick(kWrapValues)};
    default:
      return POINT{Extreme(), m_random->Percent(50) ? Extreme() : m_random->Int(0, h)};
  }
}

POINT CInputPicker::Near(POINT start) {
  if (m_random->Percent(20)) return AnyPointBelowBar();
  const int reach = m_random->Percent(70) ? 30 : 300;
  // Held to the range, since the start may be at its end.
  auto beside = [this, reach](LONG v) {
    const std::int64_t moved = std::int64_t{v} + m_random->Int(-reach, reach);
    return static_cast<LONG>(std::clamp<std::int64_t>(moved, m_min, m_max));
  };
  return POINT{beside(start.x), beside(start.y)};
}

int CInputPicker::Position(int lo, int hi) {
  switch (m_random->Weighted({12, 3, 3, 1})) {
    case 0:
      return m_random->Int(lo, hi);
    case 1:
      return m_random->Percent(50) ? lo - m_random->Int(1, 1000) : hi + m_random->Int(1, 1000);
    case 2:
      return m_random->Percent(50) ? lo : hi;
    default:
      return Extreme();
  }
}

int CInputPicker::Steps() {
  if (m_random->Percent(85)) return m_random->Int(0, 12);
  return m_random->Int(13, 150);
}

std::string CInputPicker::KeyName() {
  if (m_random->Percent(60)) return m_random->Pick(kNamedKeys);
  return std::string(1, static_cast<char>(m_random->Int(0x21, 0x7E)));
}

std::string CInputPicker::Digits(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += static_cast<char>('0' + m_random->Int(0, 9));
  return s;
}

std::string CInputPicker::HighBytes(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) {
    s += m_random->Percent(30) ? static_cast<char>('0' + m_random->Int(0, 9))
                               : static_cast<char>(m_random->Int(0x80, 0xFF));
  }
  return s;
}

std::string CInputPicker::Text() {
  switch (m_random->Weighted({20, 12, 6, 6, 4, 4, 6, 3, 1, 4})) {
    case 0:
      return std::to_string(m_random->Int(-100000, 100000));
    case 1:
      return m_random->Pick(kOddNumbers);
    case 2: {
      std::string s = m_random->Percent(30) ? "-" : "";
      return s.append(Digits(m_random->Int(10, 60)));
    }
    case 3:
      return HighBytes(m_random->Int(1, 20));
    case 4:
      return "";
    case 5:
      return std::string(static_cast<size_t>(m_random->Int(1, 6)), ' ');
    case 6: {
      std::string s;
      const int n = m_random->Int(1, 30);
      for (int i = 0; i < n; ++i) s += static_cast<char>(m_random->Int(0x20, 0x7E));
      return s;
    }
    case 7: {
      // Long enough to scroll the edit far past its width.
      const int n = m_random->Percent(80) ? m_random->Int(100, 400) : m_random->Int(1000, 2000);
      return m_random->Percent(50) ? Digits(n) : std::string(static_cast<size_t>(n), 'W');
    }
    case 8: {
      // Control bytes the host drops, NUL among them.
      std::string s = "1";
      s += static_cast<char>(m_random->Pick({0, 1, 9, 13, 27, 127}));
      return s + "2";
    }
    default:
      return std::to_string(m_random->Int(-2000, 2000) * 1000);
  }
}
