#include "platform/win/dlg/edit_control.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/win/dlg/clipboard_text.h"
#include "platform/win/menu/menu.h"
#include "platform/win/wm/wnd.h"

namespace dlg {

namespace {

bool Held(int vk) { return GetKeyState(vk) < 0; }

// EM_SETSEL's positions are ints in the low half of the parameters.
long long SelParam(UINT_PTR v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

// Pasted text keeps its first line, without control characters.
std::string SingleLine(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r' || c == '\n') break;
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out.push_back(c);
  }
  return out;
}

}  // namespace

LRESULT CEditControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, &Make);
}

CEditControl::CEditControl(HWND hwnd, const CREATESTRUCTA& cs) : ctl::CControl(hwnd) {
  if (cs.lpszName != nullptr && !IS_INTRESOURCE(cs.lpszName)) m_text.SetText(cs.lpszName);
  m_layout.SetFont(m_font);
  m_layout.SetText(m_text.Text());
}

bool CEditControl::HasBorder() const {
  return (Style() & WS_BORDER) != 0 ||
         (GetWindowLongA(m_hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

RECT CEditControl::Interior() const {
  RECT r = Client();
  if (HasBorder()) {
    InflateRect(&r, -2, -2);
    if (m_dockedRight) r.right += 2;  // the up-down draws that side
  }
  return r;
}

void CEditControl::Relayout() {
  RECT area = Interior();
  area.left += 1;
  area.right -= 1;
  const DWORD style = Style();
  const EditAlign align = (style & ES_RIGHT) != 0    ? EditAlign::kRight
                          : (style & ES_CENTER) != 0 ? EditAlign::kCenter
                                                     : EditAlign::kLeft;
  m_layout.SetText(m_text.Text());
  m_layout.SetArea(area, align, (style & ES_AUTOHSCROLL) != 0);
  m_layout.ShowCaret(m_text.Caret());
}

void CEditControl::RestartCaret() {
  m_layout.ShowCaret(m_text.Caret());
  m_caretOn = true;
  if (m_focused) SetTimer(m_hwnd, kCaretTimer, kCaretBlinkMs, nullptr);
  Invalidate();
}

void CEditControl::CaretMoved() {
  m_undo.Seal();
  RestartCaret();
}

bool CEditControl::Changed() {
  m_hwnd->text = m_text.Text();
  Relayout();
  RestartCaret();
  return Notify(EN_UPDATE) && Notify(EN_CHANGE);
}

bool CEditControl::Edited(EditAction kind) {
  m_undo.Record(kind, m_text.LastChange());
  return Changed();
}

void CEditControl::Insert(const std::string& text, EditAction kind) {
  if (ReadOnly() || (text.empty() && !m_text.HasSelection())) return;
  if ((Style() & ES_AUTOHSCROLL) == 0) {
    std::string after = m_text.Text();
    after.replace(m_text.SelStart(), m_text.SelEnd() - m_text.SelStart(), text);
    if (!m_layout.Fits(after)) {
      Notify(EN_MAXTEXT);
      return;
    }
  }
  bool truncated = false;
  const bool changed = m_text.ReplaceSelection(text, true, &truncated);
  if (changed && !Edited(kind)) return;
  if (truncated) Notify(EN_MAXTEXT);
}

void CEditControl::Copy() const {
  if (m_text.HasSelection()) WriteClipboard(m_text.Selected());
}

void CEditControl::Cut() {
  if (ReadOnly() || !m_text.HasSelection()) return;
  Copy();
  Delete(EditAction::kOther);
}

void CEditControl::Paste() { Insert(SingleLine(ReadClipboard()), EditAction::kOther); }

void CEditControl::Delete(EditAction kind) {
  if (ReadOnly()) return;
  if (kind == EditAction::kBackspace ? m_text.DeleteBack() : m_text.DeleteForward()) Edited(kind);
}

BOOL CEditControl::Undo() {
  if (ReadOnly() || !m_undo.CanUndo()) return FALSE;
  const std::string after = m_undo.Undone(m_text.Text());
  // Only an undo that lengthens the text can break the limits that typing
  // keeps to.
  if (after.size() > m_text.Length() &&
      (after.size() > m_text.Limit() ||
       ((Style() & ES_AUTOHSCROLL) == 0 && !m_layout.Fits(after)))) {
    Notify(EN_MAXTEXT);
    return FALSE;
  }
  if (!m_undo.Undo(&m_text)) return FALSE;
  Changed();
  return TRUE;
}

void CEditControl::ContextMenu(LPARAM at) {
  HWND hwnd = m_hwnd;
  if (!IsWindowEnabled(hwnd)) return;
  if (GetFocus() != hwnd) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return;
  POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (p.x == -1 && p.y == -1) {
    RECT r;
    GetWindowRect(hwnd, &r);
    p = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // The items' ids are the messages they send, as the classic edit's are.
  HMENU menu = CreatePopupMenu();
  const bool readOnly = ReadOnly();
  const bool selected = m_text.HasSelection();
  auto add = [menu](bool can, UINT id, LPCSTR text) {
    AppendMenuA(menu, can ? MF_STRING : MF_STRING | MF_GRAYED, id, text);
  };
  add(!readOnly && m_undo.CanUndo(), WM_UNDO, "&Undo");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  add(!readOnly && selected, WM_CUT, "Cu&t");
  add(selected, WM_COPY, "&Copy");
  add(!readOnly && !SingleLine(ReadClipboard()).empty(), WM_PASTE, "&Paste");
  add(!readOnly && selected, WM_CLEAR, "&Delete");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  add(m_text.SelStart() != 0 || m_text.SelEnd() != m_text.Length(), EM_SETSEL, "Select &All");
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, p.x, p.y,
                     0, hwnd, nullptr));
  DestroyMenu(menu);
  // The menu loop may have seen the dialog, and this edit with it, go:
  // from here on only the handle is used.
  if (command == 0 || !IsWindow(hwnd)) return;
  if (command == EM_SETSEL) {
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
  } else {
    SendMessageA(hwnd, command, 0, 0);
  }
}

LRESULT CEditControl::GetSel(WPARAM wParam, LPARAM lParam) const {
  const auto start = static_cast<DWORD>(std::min<std::size_t>(m_text.SelStart(), 0xFFFFFFFFU));
  const auto end = static_cast<DWORD>(std::min<std::size_t>(m_text.SelEnd(), 0xFFFFFFFFU));
  if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
  if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
  return static_cast<LRESULT>(
      MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF)));
}

LRESULT CEditControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const auto* text = reinterpret_cast<LPCSTR>(lParam);
      m_text.SetText(text != nullptr ? text : "");
      m_undo.Empty();
      Changed();
      return TRUE;
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<LPSTR>(lParam);
      if (buffer == nullptr || wParam == 0) return 0;
      const std::size_t n =
          std::min<std::size_t>(m_text.Length(), std::min<WPARAM>(wParam, 0x7FFFFFFF) - 1);
      std::memcpy(buffer, m_text.Text().data(), n);
      buffer[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(m_text.Length());
    case WM_SIZE:
      Relayout();
      Invalidate();
      return 0;
    case WM_SETFONT: {
      const LRESULT r = ctl::CControl::OnMessage(message, wParam, lParam);
      m_layout.SetFont(m_font);
      Relayout();
      return r;
    }
    case EM_GETSEL:
      return GetSel(wParam, lParam);
    case EM_SETSEL:
      m_text.Select(SelParam(wParam), SelParam(static_cast<UINT_PTR>(lParam)));
      CaretMoved();
      return 0;
    case EM_REPLACESEL: {
      // wParam asks that the replacement can be undone; one that cannot
      // leaves nothing behind that an undo could still apply to.
      const auto* text = reinterpret_cast<LPCSTR>(lParam);
      if (!m_text.ReplaceSelection(text != nullptr ? text : "", true)) return 0;
      if (wParam != 0) {
        Edited(EditAction::kOther);
      } else {
        m_undo.Empty();
        Changed();
      }
      return 0;
    }
    case EM_SETREADONLY: {
      const DWORD style = Style();
      SetWindowLongA(m_hwnd, GWL_STYLE,
                     static_cast<LONG>(wParam != 0 ? style | ES_READONLY : style & ~ES_READONLY));
      Invalidate();
      return TRUE;
    }
    case EM_LIMITTEXT:
      m_text.SetLimit(wParam);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(m_text.Limit());
    case WM_CUT:
      Cut();
      return 0;
    case WM_COPY:
      Copy();
      return 0;
    case WM_PASTE:
      Paste();
      return 0;
    case WM_CLEAR:
      Delete(EditAction::kOther);
      return 0;
    case EM_UNDO:
    case WM_UNDO:
      return Undo();
    case EM_CANUNDO:
      return m_undo.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
      m_undo.Empty();
      return 0;
    case WM_CONTEXTMENU:
      // May destroy this object: nothing of it is touched afterwards.
      ContextMenu(lParam);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+Backspace is the older key for undo; every other Alt key goes
      // on to the menus and the system.
      if (wParam == VK_BACK) {
        Undo();
        return 0;
      }
      return ctl::CControl::OnMessage(message, wParam, lParam);
    case kDockRight:
      m_dockedRight = wParam != 0;
      Relayout();
      Invalidate();
      return 0;
    default:
      return ctl::CControl::OnMessage(message, wParam, lParam);
  }
}

void CEditControl::OnPress(POINT client, WPARAM keys) {
  m_text.MoveCaret(m_layout.IndexAt(client.x), (keys & MK_SHIFT) != 0);
  CaretMoved();
}

void CEditControl::OnDrag(POINT client) {
  const std::size_t caret = m_text.Caret();
  m_text.MoveCaret(m_layout.IndexAt(client.x), true);
  if (m_text.Caret() != caret) CaretMoved();
}

void CEditControl::OnKey(int vk, bool down) {
  if (!down) return;
  const bool shift = Held(VK_SHIFT);
  const bool ctrl = Held(VK_CONTROL);
  const std::size_t caret = m_text.Caret();
  switch (vk) {
    case VK_LEFT:
      if (!shift && m_text.HasSelection()) {
        m_text.MoveCaret(m_text.SelStart(), false);
      } else {
        m_text.MoveCaret(ctrl ? m_text.WordLeft(caret) : (caret > 0 ? caret - 1 : 0), shift);
      }
      CaretMoved();
      return;
    case VK_RIGHT:
      if (!shift && m_text.HasSelection()) {
        m_text.MoveCaret(m_text.SelEnd(), false);
      } else {
        m_text.MoveCaret(ctrl ? m_text.WordRight(caret) : caret + 1, shift);
      }
      CaretMoved();
      return;
    case VK_HOME:
      m_text.MoveCaret(0, shift);
      CaretMoved();
      return;
    case VK_END:
      m_text.MoveCaret(m_text.Length(), shift);
      CaretMoved();
      return;
    case VK_DELETE:
      if (shift) {
        Cut();
      } else {
        Delete(EditAction::kDelete);
      }
      return;
    case VK_INSERT:
      if (ctrl) Copy();
      if (shift && !ctrl) Paste();
      return;
    default:
      return;
  }
}

void CEditControl::OnChar(int ch) {
  switch (ch) {
    case 0x01:  // Ctrl+A
      m_text.SelectAll();
      CaretMoved();
      return;
    case 0x03:  // Ctrl+C
      Copy();
      return;
    case 0x16:  // Ctrl+V
      Paste();
      return;
    case 0x18:  // Ctrl+X
      Cut();
      return;
    case 0x1A:  // Ctrl+Z
      Undo();
      return;
    case '\b':
      Delete(EditAction::kBackspace);
      return;
    default:
      break;
  }
  if (ch < 0x20 || ch == 0x7F) return;
  if ((Style() & ES_NUMBER) != 0 && (ch < '0' || ch > '9')) return;
  Insert(std::string(1, static_cast<char>(ch)), EditAction::kTyping);
}

void CEditControl::OnTimer(UINT_PTR id) {
  if (id != kCaretTimer) return;
  m_caretOn = !m_caretOn;
  Invalidate();
}

void CEditControl::OnFocusChanged() {
  if (m_focused) {
    m_caretOn = true;
    SetTimer(m_hwnd, kCaretTimer, kCaretBlinkMs, nullptr);
  } else {
    KillTimer(m_hwnd, kCaretTimer);
  }
  Invalidate();
  Notify(m_focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

void CEditControl::Draw(HDC hdc, const RECT& client) {
  const bool plain = ReadOnly() || !IsEnabled();
  HBRUSH background = Background(hdc, plain ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                 plain ? PaletteRole::kFace : PaletteRole::kWindow);
  if (background == nullptr) return;
  const COLORREF textColor =
      IsEnabled() ? GetTextColor(hdc) : CStylePainter::Color(PaletteRole::kGrayText);
  if (HasBorder()) {
    static constexpr SBevel kDocked{"SD", "SD", "HL", ""};
    CStylePainter::PaintBevel(hdc, client, m_dockedRight ? kDocked : CStylePainter::kSunkenField);
  }
  const RECT interior = Interior();
  if (FillRect(hdc, &interior, background) == 0) {
    CStylePainter::Fill(hdc, interior, plain ? PaletteRole::kFace : PaletteRole::kWindow);
  }
  const int saved = SaveDC(hdc);
  IntersectClipRect(hdc, interior.left, interior.top, interior.right, interior.bottom);
  const int line = m_layout.LineHeight();
  const int top = interior.top + (interior.bottom - interior.top - line) / 2;
  const std::string& text = m_text.Text();
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, textColor);
  TextOutA(hdc, m_layout.XOf(0), top, text.data(), static_cast<int>(text.size()));
  if (m_focused && m_text.HasSelection()) {
    const RECT sel{m_layout.XOf(m_text.SelStart()), top, m_layout.XOf(m_text.SelEnd()), top + line};
    CStylePainter::Fill(hdc, sel, PaletteRole::kSelection);
    SetTextColor(hdc, CStylePainter::Color(PaletteRole::kSelectionText));
    TextOutA(hdc, sel.left, top, text.data() + m_text.SelStart(),
             static_cast<int>(m_text.SelEnd() - m_text.SelStart()));
  }
  if (m_focused && m_caretOn) {
    const int x = std::clamp<int>(m_layout.XOf(m_text.Caret()), interior.left, interior.right - 1);
    PatBlt(hdc, x, top, 1, line, DSTINVERT);
  }
  RestoreDC(hdc, saved);
}

}  // namespace dlg
