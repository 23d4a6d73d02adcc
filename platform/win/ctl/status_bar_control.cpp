#include "platform/win/ctl/status_bar_control.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include "platform/win/ctl/control_classes.h"

namespace ctl {

namespace {

// SBT_POPOUT's bevel: the thin sunken pane turned inside out.
constexpr SBevel kThinRaisedPane{"H", "H", "S", "S"};
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;

LONG ClampLong(long long v) {
  return static_cast<LONG>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

LRESULT LengthAndFlags(size_t length, UINT flags) {
  return static_cast<LRESULT>(MAKELONG(static_cast<UINT>(std::min<size_t>(length, 0xFFFF)), flags));
}

}  // namespace

LRESULT CStatusBarControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

LRESULT CStatusBarControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SB_SETPARTS:
      return SetParts(wParam, reinterpret_cast<const int*>(lParam)) ? TRUE : FALSE;
    case SB_GETPARTS:
      if (auto* rights = reinterpret_cast<int*>(lParam)) {
        const size_t n = std::min<size_t>(wParam, m_parts.size());
        for (size_t i = 0; i < n; ++i) rights[i] = m_parts[i].right;
      }
      return static_cast<LRESULT>(m_parts.size());
    case SB_SETTEXTA:
      return SetText(wParam, reinterpret_cast<LPCSTR>(lParam)) ? TRUE : FALSE;
    case SB_GETTEXTA: {
      const SPart* part = Part(wParam);
      if (part == nullptr) return 0;
      // The caller's buffer must hold the text, as with the system's call.
      if (auto* buffer = reinterpret_cast<char*>(lParam)) {
        std::memcpy(buffer, part->text.c_str(), part->text.size() + 1);
      }
      return LengthAndFlags(part->text.size(), part->flags);
    }
    case SB_GETTEXTLENGTHA: {
      const SPart* part = Part(wParam);
      return part != nullptr ? LengthAndFlags(part->text.size(), part->flags) : 0;
    }
    case SB_GETRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (Part(wParam) == nullptr || rect == nullptr) return FALSE;
      *rect = PartRect(wParam);
      return TRUE;
    }
    case SB_GETBORDERS:
      if (auto* borders = reinterpret_cast<int*>(lParam)) {
        borders[0] = 0;
        borders[1] = kPartTop;
        borders[2] = kGap;
        return TRUE;
      }
      return FALSE;
    case SB_SETMINHEIGHT:
      m_minHeight = static_cast<int>(std::min<WPARAM>(wParam, SHRT_MAX));
      return TRUE;
    case WM_SIZE:
      // Parts that run to the right edge change with the width.
      Invalidate();
      return 0;
    default:
      return CControl::OnMessage(message, wParam, lParam);
  }
}

const CStatusBarControl::SPart* CStatusBarControl::Part(WPARAM index) const {
  return index < m_parts.size() ? &m_parts[index] : nullptr;
}

bool CStatusBarControl::SetParts(WPARAM count, const int* rights) {
  if (count == 0 || count > kMaxParts || rights == nullptr) return false;
  bool changed = count != m_parts.size();
  m_parts.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const int right = rights[i] < 0 ? -1 : rights[i];
    changed = changed || m_parts[i].right != right;
    m_parts[i].right = right;
  }
  if (changed) Invalidate();
  return true;
}

CStatusBarControl::~CStatusBarControl() {
  if (m_measure != nullptr) DeleteDC(m_measure);
}

bool CStatusBarControl::SetText(WPARAM which, LPCSTR text) {
  const size_t index = which & 0xFFU;
  const UINT flags = static_cast<UINT>(which) & (SBT_NOBORDERS | SBT_POPOUT);
  if (index >= m_parts.size()) return false;
  if (text == nullptr) text = "";
  SPart& part = m_parts[index];
  if (part.flags == flags && part.text == text) return true;
  if (part.flags != flags) {
    part.flags = flags;
    part.text.assign(text);
    const RECT r = PartRect(index);
    Invalidate(&r);
    return true;
  }
  // A text rewritten after every step mostly changes in a digit or two:
  // only those are drawn again.
  m_scratch.assign(part.text);
  part.text.assign(text);  // reuses the part's buffer while the text fits
  const RECT r = ChangedArea(index, m_scratch, part.text);
  Invalidate(&r);
  return true;
}

bool CStatusBarControl::PrefixExtents(const std::string& text, std::vector<int>* dx) {
  dx->resize(text.size());
  SIZE size{0, 0};
  return GetTextExtentExPointA(m_measure, text.c_str(), static_cast<int>(text.size()), 0, nullptr,
                               dx->data(), &size) != FALSE;
}

RECT CStatusBarControl::ChangedArea(size_t index, const std::string& before,
                                    const std::string& after) {
  const RECT whole = PartRect(index);
  const int inset = (m_parts[index].flags & SBT_NOBORDERS) != 0 ? 0 : 1;
  // The text is drawn clipped to the bevel's interior, so a change of text
  // never reaches the bevel.
  const RECT interior{ClampLong(static_cast<long long>(whole.left) + inset),
                      ClampLong(static_cast<long long>(whole.top) + inset),
                      ClampLong(static_cast<long long>(whole.right) - inset),
                      ClampLong(static_cast<long long>(whole.bottom) - inset)};
  const RECT nothing{whole.left, whole.top, whole.left, whole.top};
  if (interior.left >= interior.right || interior.top >= interior.bottom) return nothing;
  if (m_measure == nullptr) m_measure = CreateCompatibleDC(nullptr);
  if (m_measure == nullptr) return interior;
  const HGDIOBJ font =
      m_font != nullptr ? static_cast<HGDIOBJ>(m_font) : GetStockObject(DEFAULT_GUI_FONT);
  SelectObject(m_measure, font);
  size_t prefix = 0;
  const size_t shorter = std::min(before.size(), after.size());
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  size_t suffix = 0;
  while (suffix < shorter - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  const bool beforeKnown = font == m_measuredFont && before == m_measuredText;
  m_measuredFont = nullptr;  // nothing is known until the new text is measured
  if (beforeKnown) {
    std::swap(m_beforeDx, m_afterDx);
  } else if (!PrefixExtents(before, &m_beforeDx)) {
    return interior;
  }
  if (!PrefixExtents(after, &m_afterDx)) return interior;
  m_measuredFont = font;
  m_measuredText.assign(after);
  auto extent = [](const std::vector<int>& dx, size_t count) {
    return count == 0 ? 0 : dx[count - 1];
  };
  const long long textLeft = static_cast<long long>(whole.left) + inset + kTextInset;
  // Glyphs may reach a pixel past their advance on either side.
  constexpr int kBleed = 2;
  long long left = textLeft + extent(m_afterDx, prefix) - kBleed;
  long long right = interior.right;
  // The characters after the change stay where they were only when both
  // texts are as wide: then the change ends where the wider changed run does.
  if (extent(m_beforeDx, before.size()) == extent(m_afterDx, after.size())) {
    right = textLeft +
            std::max(extent(m_beforeDx, before.size() - suffix),
                     extent(m_afterDx, after.size() - suffix)) +
            kBleed;
  }
  left = std::max<long long>(left, interior.left);
  right = std::min<long long>(right, interior.right);
  if (left >= right) return nothing;
  return RECT{ClampLong(left), interior.top, ClampLong(right), interior.bottom};
}

RECT CStatusBarControl::PartRect(size_t index) const { return PartRect(index, Client()); }

RECT CStatusBarControl::PartRect(size_t index, const RECT& client) const {
  // A part begins a gap after the right edge its predecessor was given.
  auto rightOf = [&](size_t i) -> long long {
    return m_parts[i].right < 0 ? client.right : m_parts[i].right;
  };
  const long long left = index == 0 ? 0 : rightOf(index - 1) + kGap;
  const long long right = rightOf(index);
  return RECT{ClampLong(left), kPartTop, ClampLong(std::max(left, right)), client.bottom};
}

void CStatusBarControl::Draw(HDC hdc, const RECT& client) {
  CStylePainter::Fill(hdc, client, PaletteRole::kFace);
  RECT clip{};
  GetClipBox(hdc, &clip);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, CStylePainter::Color(PaletteRole::kButtonText));
  for (size_t i = 0; i < m_parts.size(); ++i) {
    const RECT r = PartRect(i, client);
    RECT visible{};
    if (IntersectRect(&visible, &r, &clip)) DrawPart(hdc, m_parts[i], r);
  }
}

void CStatusBarControl::DrawPart(HDC hdc, const SPart& part, const RECT& rect) {
  RECT inside = rect;
  if ((part.flags & SBT_NOBORDERS) == 0) {
    inside = (part.flags & SBT_POPOUT) != 0 ? CStylePainter::PaintBevel(hdc, rect, kThinRaisedPane)
                                            : CStylePainter::ThinSunkenPane(hdc, rect);
  }
  RECT text{inside.left + kTextInset, inside.top, inside.right - kTextInset, inside.bottom};
  DrawTextA(hdc, part.text.c_str(), static_cast<int>(part.text.size()), &text, kTextFormat);
}

}  // namespace ctl
