// "msctls_statusbar32": a row of parts that the framework lays out
// (SB_SETPARTS on every resize) and writes texts into (SB_SETTEXTA after
// every simulation step, so that stays cheap: it repaints only the part it
// changes, only when something changed, and allocates nothing while a
// part's text does not grow). Part i spans from part i-1's right edge plus
// the gap to its own right edge (-1: the bar's right edge), from y = 2 to
// the bottom, bevel included; its text sits 2 pixels in from the bevel.
#pragma once

#include <vector>

#include "platform/win/ctl/control.h"

namespace ctl {

class CStatusBarControl final : public CControl {
 public:
  static constexpr int kMaxParts = 256;
  static constexpr int kPartTop = 2;
  static constexpr int kGap = 2;
  static constexpr int kTextInset = 2;

  static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  ~CStatusBarControl() override;
  CStatusBarControl(const CStatusBarControl&) = delete;
  CStatusBarControl& operator=(const CStatusBarControl&) = delete;

 private:
  struct SPart {
    int right = -1;
    UINT flags = 0;  // SBT_NOBORDERS, SBT_POPOUT
    std::string text;
  };

  explicit CStatusBarControl(HWND hwnd) : CControl(hwnd), m_parts(1) {}
  static CControl* Make(HWND hwnd, const CREATESTRUCTA& /*cs*/) {
    return new CStatusBarControl(hwnd);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool TakesFocus() const override { return false; }
  void OnFocusChanged() override {}
  void OnTextChanged() override {}
  void Draw(HDC hdc, const RECT& client) override;

  bool SetParts(WPARAM count, const int* rights);
  bool SetText(WPARAM which, LPCSTR text);
  const SPart* Part(WPARAM index) const;
  RECT PartRect(size_t index) const;
  RECT PartRect(size_t index, const RECT& client) const;
  void DrawPart(HDC hdc, const SPart& part, const RECT& rect);
  // The part of a pane that a new text changes, where the old and the new
  // text differ, or all of the pane when that cannot be told.
  RECT ChangedArea(size_t index, const std::string& before, const std::string& after);
  // The width of each prefix of `text` into `dx` (see GetTextExtentExPointA).
  bool PrefixExtents(const std::string& text, std::vector<int>* dx);

  std::vector<SPart> m_parts;
  HDC m_measure = nullptr;      // a memory context with the font, for extents
  std::string m_scratch;        // the text before a change, kept to spare an allocation
  std::vector<int> m_beforeDx;  // prefix widths of the texts of a change, kept likewise
  std::vector<int> m_afterDx;
  // The text and font m_afterDx was measured for: the next change starts
  // from that text, so its widths need not be measured again.
  std::string m_measuredText;
  HGDIOBJ m_measuredFont = nullptr;
  int m_minHeight = 0;
};

}  // namespace ctl
