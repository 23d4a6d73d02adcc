#include "platform/win/dlg/color_chooser.h"

#include <algorithm>
#include <iterator>

#include "platform/win/dlg/color_grid.h"
#include "platform/win/dlg/color_layout.h"

namespace dlg {

namespace {

constexpr int kHlsEdits[] = {COLOR_HUE, COLOR_SAT, COLOR_LUM};
constexpr int kRgbEdits[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};

int EditMax(int id) {
  if (id == COLOR_HUE) return kHlsMax - 1;
  return id == COLOR_SAT || id == COLOR_LUM ? kHlsMax : 255;
}

RECT Inset(RECT r, int by) {
  InflateRect(&r, -by, -by);
  return r;
}

}  // namespace

CColorChooser::CColorChooser(CHOOSECOLORA* cc) : m_cc(cc) {
  for (int i = 0; i < 16; ++i) {
    m_custom[i] =
        cc->lpCustColors != nullptr ? cc->lpCustColors[i] & 0xFFFFFFU : RGB(255, 255, 255);
  }
  m_color = (cc->Flags & CC_RGBINIT) != 0 ? cc->rgbResult & 0xFFFFFFU : RGB(0, 0, 0);
  m_hls = RgbToHls(m_color);
  const auto* found = std::find(std::begin(kBasicColors), std::end(kBasicColors), m_color);
  if (found != std::end(kBasicColors)) m_basicSel = static_cast<int>(found - kBasicColors);
  CColorGrid::Register();
}

CColorChooser::~CColorChooser() {
  if (m_rainbow != nullptr) DeleteObject(m_rainbow);
}

INT_PTR CColorChooser::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    if (auto* self = reinterpret_cast<CColorChooser*>(lParam)) self->OnInit(dialog);
    return TRUE;
  }
  auto* self = reinterpret_cast<CColorChooser*>(GetWindowLongPtrA(dialog, DWLP_USER));
  return self != nullptr ? self->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CColorChooser::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(m_dialog, &ps);
      if (hdc != nullptr) Paint(hdc);
      EndPaint(m_dialog, &ps);
      return TRUE;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_LBUTTONDOWN:
      OnPress(at);
      return TRUE;
    case WM_MOUSEMOVE:
      if (m_drag != Drag::kNone) OnDrag(at);
      return TRUE;
    case WM_LBUTTONUP:
      if (m_drag != Drag::kNone) ReleaseCapture();
      m_drag = Drag::kNone;
      return TRUE;
    case WM_CAPTURECHANGED:
      m_drag = Drag::kNone;
      return TRUE;
    default:
      return FALSE;
  }
}

RECT CColorChooser::Pixels(const RECT& dialogUnits) const {
  RECT r = dialogUnits;
  MapDialogRect(m_dialog, &r);
  return r;
}

void CColorChooser::PlaceGrid(int id, const RECT& area, const COLORREF* colors, int count,
                              int selected) const {
  // On the area exactly: the template's size rounds differently from the
  // area's edges.
  const RECT r = Pixels(area);
  HWND grid = GetDlgItem(m_dialog, id);
  SetWindowPos(grid, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(grid, CColorGrid::kSetColors, static_cast<WPARAM>(count),
               reinterpret_cast<LPARAM>(colors));
  SendMessageA(grid, CColorGrid::kSetSel, static_cast<WPARAM>(selected), 0);
}

void CColorChooser::OnInit(HWND dialog) {
  m_dialog = dialog;
  for (const int id : kHlsEdits) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 3, 0);
  for (const int id : kRgbEdits) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 3, 0);
  MakeRainbow();
  PlaceGrid(kBasicGridId, kBasicArea, kBasicColors, kBasicCount, m_basicSel);
  PlaceGrid(kCustomGridId, kCustomArea, m_custom, kCustomRows * kBasicColumns, m_customSel);
  if ((m_cc->Flags & (CC_PREVENTFULLOPEN | CC_FULLOPEN)) != 0) {
    EnableWindow(GetDlgItem(dialog, COLOR_MIX), FALSE);
  }
  m_full = (m_cc->Flags & CC_FULLOPEN) != 0;
  if (!m_full) {
    // The definition part waits beyond the narrowed edge, hidden so that
    // the keyboard cannot reach it.
    const int edge = Pixels(RECT{kColorCompactWidth, 0, kColorCompactWidth, 0}).left;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      RECT r{};
      GetWindowRect(c, &r);
      POINT p{r.left, r.top};
      ScreenToClient(dialog, &p);
      if (p.x >= edge) ShowWindow(c, SW_HIDE);
    }
    RECT outer{};
    GetWindowRect(dialog, &outer);
    const int cut = Pixels(RECT{kColorFullWidth, 0, kColorFullWidth, 0}).left - edge;
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left - cut, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  WriteEdits(Source::kNone);
}

void CColorChooser::OpenFull() {
  if (m_full) return;
  m_full = true;
  RECT outer{};
  GetWindowRect(m_dialog, &outer);
  const int grow = Pixels(RECT{kColorFullWidth, 0, kColorFullWidth, 0}).left -
                   Pixels(RECT{kColorCompactWidth, 0, kColorCompactWidth, 0}).left;
  SetWindowPos(m_dialog, nullptr, 0, 0, outer.right - outer.left + grow, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (HWND c = GetWindow(m_dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    ShowWindow(c, SW_SHOWNA);
  }
  EnableWindow(GetDlgItem(m_dialog, COLOR_MIX), FALSE);
  // Ready for a colour to be typed in, red first.
  SendMessageA(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_dialog, COLOR_RED)),
               TRUE);
}

void CColorChooser::OnCommand(int id, UINT code) {
  switch (id) {
    case IDOK:
      EndDialog(m_dialog, IDOK);
      return;
    case IDCANCEL:
      EndDialog(m_dialog, IDCANCEL);
      return;
    case COLOR_MIX:
      if (code == BN_CLICKED) OpenFull();
      return;
    case COLOR_ADD:
      if (code == BN_CLICKED) AddCustom();
      return;
    case kBasicGridId:
    case kCustomGridId:
      if (code == CColorGrid::kSelChange) OnGridChanged(id);
      return;
    default:
      if (code == EN_CHANGE && id >= COLOR_HUE && id <= COLOR_BLUE) OnEditChanged(id);
      return;
  }
}

void CColorChooser::OnEditChanged(int id) {
  if (m_writing) return;
  BOOL read = FALSE;
  UINT value = GetDlgItemInt(m_dialog, id, &read, FALSE);
  if (!read) return;  // empty, or not a number yet: wait for more typing
  const auto limit = static_cast<UINT>(EditMax(id));
  if (value > limit) {
    value = limit;
    m_writing = true;
    SetDlgItemInt(m_dialog, id, value, FALSE);
    SendDlgItemMessageA(m_dialog, id, EM_SETSEL, 3, 3);
    m_writing = false;
  }
  const auto field = [this](int edit, int current) {
    BOOL ok = FALSE;
    const UINT v = GetDlgItemInt(m_dialog, edit, &ok, FALSE);
    return ok ? std::min<int>(static_cast<int>(std::min<UINT>(v, 1000)), EditMax(edit)) : current;
  };
  if (id >= COLOR_RED) {
    const COLORREF c = RGB(static_cast<BYTE>(field(COLOR_RED, GetRValue(m_color))),
                           static_cast<BYTE>(field(COLOR_GREEN, GetGValue(m_color))),
                           static_cast<BYTE>(field(COLOR_BLUE, GetBValue(m_color))));
    SetColor(c, Source::kRgb);
  } else {
    SetHls(
        SHls{field(COLOR_HUE, m_hls.hue), field(COLOR_LUM, m_hls.lum), field(COLOR_SAT, m_hls.sat)},
        Source::kHls);
  }
}

void CColorChooser::OnGridChanged(int id) {
  const auto sel = static_cast<int>(SendDlgItemMessageA(m_dialog, id, CColorGrid::kGetSel, 0, 0));
  if (id == kBasicGridId && sel >= 0 && sel < kBasicCount) {
    m_basicSel = sel;
    SetColor(kBasicColors[sel], Source::kNone);
  } else if (id == kCustomGridId && sel >= 0 && sel < kCustomRows * kBasicColumns) {
    m_customSel = sel;
    SetColor(m_custom[sel], Source::kNone);
  }
}

void CColorChooser::OnPress(POINT client) {
  if (!m_full) return;
  const RECT rainbow = Pixels(kRainbowArea);
  RECT lum = Pixels(kLumBarArea);
  lum.right = Pixels(kLumPointerArea).right;
  if (PtInRect(&rainbow, client)) {
    m_drag = Drag::kRainbow;
  } else if (PtInRect(&lum, client)) {
    m_drag = Drag::kLum;
  } else {
    return;
  }
  SetCapture(m_dialog);
  OnDrag(client);
}

void CColorChooser::OnDrag(POINT client) {
  if (m_drag == Drag::kRainbow) {
    const RECT r = Inset(Pixels(kRainbowArea), 2);
    const int w = std::max<int>(1, r.right - r.left);
    const int h = std::max<int>(2, r.bottom - r.top);
    const int x = std::clamp<int>(client.x - r.left, 0, w - 1);
    const int y = std::clamp<int>(client.y - r.top, 0, h - 1);
    SetHls(SHls{x * kHlsMax / w, m_hls.lum, kHlsMax - y * kHlsMax / (h - 1)}, Source::kNone);
  } else if (m_drag == Drag::kLum) {
    const RECT r = Inset(Pixels(kLumBarArea), 2);
    const int h = std::max<int>(2, r.bottom - r.top);
    const int y = std::clamp<int>(client.y - r.top, 0, h - 1);
    SetHls(SHls{m_hls.hue, kHlsMax - y * kHlsMax / (h - 1), m_hls.sat}, Source::kNone);
  }
}

void CColorChooser::AddCustom() {
  m_custom[m_customSel] = m_color;
  if (m_cc->lpCustColors != nullptr) m_cc->lpCustColors[m_customSel] = m_color;
  m_customSel = (m_customSel + 1) % (kCustomRows * kBasicColumns);
  HWND grid = GetDlgItem(m_dialog, kCustomGridId);
  constexpr int kCustomCount = kCustomRows * kBasicColumns;
  SendMessageA(grid, CColorGrid::kSetColors, static_cast<WPARAM>(kCustomCount),
               reinterpret_cast<LPARAM>(m_custom));
  SendMessageA(grid, CColorGrid::kSetSel, static_cast<WPARAM>(m_customSel), 0);
}

void CColorChooser::SetColor(COLORREF color, Source source) {
  m_color = color & 0xFFFFFFU;
  if (source != Source::kHls) m_hls = RgbToHls(m_color);
  WriteEdits(source);
  RepaintDefinition();
}

void CColorChooser::SetHls(SHls hls, Source source) {
  m_hls = hls;
  m_color = HlsToRgb(hls.hue, hls.lum, hls.sat);
  WriteEdits(source);
  RepaintDefinition();
}

void CColorChooser::WriteEdits(Source source) {
  m_writing = true;
  if (source != Source::kHls) {
    SetDlgItemInt(m_dialog, COLOR_HUE, static_cast<UINT>(m_hls.hue), FALSE);
    SetDlgItemInt(m_dialog, COLOR_SAT, static_cast<UINT>(m_hls.sat), FALSE);
    SetDlgItemInt(m_dialog, COLOR_LUM, static_cast<UINT>(m_hls.lum), FALSE);
  }
  if (source != Source::kRgb) {
    SetDlgItemInt(m_dialog, COLOR_RED, GetRValue(m_color), FALSE);
    SetDlgItemInt(m_dialog, COLOR_GREEN, GetGValue(m_color), FALSE);
    SetDlgItemInt(m_dialog, COLOR_BLUE, GetBValue(m_color), FALSE);
  }
  m_writing = false;
}

void CColorChooser::Repaint(const RECT& area) const {
  const RECT r = Pixels(area);
  InvalidateRect(m_dialog, &r, FALSE);
}

void CColorChooser::RepaintDefinition() const {
  Repaint(kRainbowArea);
  Repaint(kLumBarArea);
  Repaint(kLumPointerArea);
  Repaint(kSwatchArea);
}

}  // namespace dlg
