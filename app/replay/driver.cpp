#include "app/replay/driver.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/afx/afxwin.h"
#include "platform/host/headless/png_file.h"
#include "platform/win/ctl/trackbar_geometry.h"
#include "platform/win/wm/wnd.h"
#include "ui/sim_frame.h"

namespace replay {

namespace {

// Where a top-level window's surface starts on the screen: its menu bar's
// top-left, or its client area's when it has none.
POINT SurfaceOrigin(HWND top) {
  POINT p{0, 0};
  ClientToScreen(top, &p);
  p.y -= MenuBarHeight(top);
  return p;
}

host::Event Event(host::EventType type, HWND top, POINT screen) {
  host::Event e;
  e.type = type;
  e.surface = top->hostId;
  const POINT origin = SurfaceOrigin(top);
  e.x = screen.x - origin.x;
  e.y = screen.y - origin.y;
  return e;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The code page's character as UTF-8, as a host delivers typed text.
void ToUtf8(unsigned char ch, char* out) {
  static const char16_t kHigh[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  unsigned code = ch;
  if (ch >= 0x80 && ch < 0xA0) code = kHigh[ch - 0x80] != 0 ? kHigh[ch - 0x80] : 0xFFFD;
  if (code < 0x80) {
    out[0] = static_cast<char>(code);
    out[1] = '\0';
  } else if (code < 0x800) {
    out[0] = static_cast<char>(0xC0 | (code >> 6));
    out[1] = static_cast<char>(0x80 | (code & 0x3F));
    out[2] = '\0';
  } else {
    out[0] = static_cast<char>(0xE0 | (code >> 12));
    out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (code & 0x3F));
    out[3] = '\0';
  }
}

// Every paint that waits happens now, as the queue would make them, so that
// a picture shows the program as it stands; nothing else is taken from the
// queue, and no input is asked for.
void PaintEverything() {
  for (int guard = 0; guard < 100000; ++guard) {
    bool nonClient = false;
    HWND hwnd = FindWindowToPaint(nullptr, &nonClient);
    if (hwnd == nullptr) return;
    UpdateWindow(hwnd);
  }
}

// A context menu: a top-level menu window, which no command takes for a
// dialog.
bool IsMenuWindow(HWND top) { return ClassOf(top) == "#32768"; }

// The window's pixels as the screen shows them: with an open context menu
// over them where it lies on the window.
bool WriteSurface(HWND top, const std::string& path) {
  const Surface* s = top->surface;
  std::vector<std::uint32_t> pixels = s->pixels;
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu != nullptr && IsWindowVisible(menu)) {
    const Surface* m = menu->surface;
    const POINT at = SurfaceOrigin(menu);
    const POINT origin = SurfaceOrigin(top);
    const int dx = at.x - origin.x;
    const int dy = at.y - origin.y;
    for (int y = std::max(0, dy); y < std::min(s->height, dy + m->height); ++y) {
      for (int x = std::max(0, dx); x < std::min(s->width, dx + m->width); ++x) {
        pixels[static_cast<size_t>(y) * s->width + x] =
            m->pixels[static_cast<size_t>(y - dy) * m->width + (x - dx)];
      }
    }
  }
  return host::WritePngFile(path, pixels.data(), s->width, s->height, s->Stride());
}

}  // namespace

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

CDriver::CDriver(host::CHeadlessHost* host, std::vector<SCommand> commands, std::FILE* out)
    : m_host(host), m_commands(std::move(commands)), m_out(out) {}

CSimFrame* CDriver::Frame() const {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? dynamic_cast<CSimFrame*>(app->m_pMainWnd) : nullptr;
}

HWND CDriver::OpenDialog() const {
  CSimFrame* frame = Frame();
  const std::vector<HWND>& tops = WM().topLevels;
  for (size_t i = tops.size(); i-- > 0;) {
    HWND t = tops[i];
    if ((frame == nullptr || t != frame->m_hWnd) && !IsMenuWindow(t) && IsWindowVisible(t) &&
        IsWindowEnabled(t)) {
      return t;
    }
  }
  return nullptr;
}

HWND CDriver::ActiveWindow() const {
  if (HWND dialog = OpenDialog()) return dialog;
  CSimFrame* frame = Frame();
  return frame != nullptr ? frame->m_hWnd : nullptr;
}

bool CDriver::Fail(const SCommand& c, const std::string& message) {
  if (m_error.empty()) m_error = "line " + std::to_string(c.line) + ": " + message;
  m_pending.clear();
  return false;
}

// Nothing waits and nothing needs painting: what the program shows is
// what it holds.
bool CDriver::Quiet() const {
  return WM().queue.empty() && WM().pendingInput.empty() && WM().pendingPaints == 0;
}

void CDriver::CountSteps() {
  // Every step is followed by at least one look for input before the next
  // begins, and every step moves the clock on, so each change seen here is
  // one step.
  CSimFrame* frame = Frame();
  if (frame == nullptr) return;
  if (frame->m_table.m_t != m_lastT) {
    m_lastT = frame->m_table.m_t;
    ++m_steps;
  }
}

CDriver::Generator CDriver::AtControl(HWND control, host::EventType type, POINT clientPoint) {
  return [control, type, clientPoint](host::Event* e) {
    if (!IsWindow(control)) return false;
    POINT screen = clientPoint;
    ClientToScreen(control, &screen);
    *e = Event(type, GetAncestorTopLevel(control), screen);
    return true;
  };
}

CDriver::Generator CDriver::Mouse(host::EventType type, host::MouseButton button, int x, int y) {
  return [this, type, button, x, y](host::Event* e) {
    CSimFrame* frame = Frame();
    if (frame == nullptr) return false;
    POINT screen{x, y};
    ClientToScreen(frame->m_hWnd, &screen);
    *e = Event(type, frame->m_hWnd, screen);
    e->button = button;
    return true;
  };
}

CDriver::Generator CDriver::Key(host::EventType type, int vkey, unsigned modifiers) {
  return [this, type, vkey, modifiers](host::Event* e) {
    HWND target = ActiveWindow();
    if (target == nullptr) return false;
    e->type = type;
    e->surface = target->hostId;
    e->vkey = vkey;
    e->modifiers = modifiers;
    return true;
  };
}

CDriver::Generator CDriver::Text(unsigned char ch) {
  return [this, ch](host::Event* e) {
    HWND target = ActiveWindow();
    if (target == nullptr) return false;
    e->type = host::EventType::kText;
    e->surface = target->hostId;
    ToUtf8(ch, e->text);
    return true;
  };
}

void CDriver::AddClick(HWND control, POINT clientPoint, host::MouseButton button) {
  m_pending.emplace_back(AtControl(control, host::EventType::kMouseMove, clientPoint));
  for (const host::EventType type : {host::EventType::kMouseDown, host::EventType::kMouseUp}) {
    Generator at = AtControl(control, type, clientPoint);
    m_pending.emplace_back([at, button](host::Event* e) {
      if (!at(e)) return false;
      e->button = button;
      return true;
    });
  }
}

// As a keyboard sends it: the modifiers go down first and up last, each
// event carrying what is held with it. Typed text comes only of a key that
// types, with nothing but Shift held.
void CDriver::AddKey(const SCommand& c) {
  using host::EventType;
  static const struct {
    unsigned bit;
    int vkey;
  } kModifierKeys[] = {
      {host::kModCtrl, VK_CONTROL}, {host::kModShift, VK_SHIFT}, {host::kModAlt, VK_MENU}};
  const int vkey = KeyCode(c.text).value_or(0);
  unsigned held = 0;
  for (const auto& m : kModifierKeys) {
    if ((c.modifiers & m.bit) == 0) continue;
    held |= m.bit;
    m_pending.emplace_back(Key(EventType::kKeyDown, m.vkey, held));
  }
  if (vkey != 0) m_pending.emplace_back(Key(EventType::kKeyDown, vkey, held));
  if (c.text.size() == 1 && (held & ~host::kModShift) == 0) {
    m_pending.emplace_back(Text(static_cast<unsigned char>(c.text[0])));
  }
  if (vkey != 0) m_pending.emplace_back(Key(EventType::kKeyUp, vkey, held));
  for (size_t i = std::size(kModifierKeys); i-- > 0;) {
    if ((c.modifiers & kModifierKeys[i].bit) == 0) continue;
    held &= ~kModifierKeys[i].bit;
    m_pending.emplace_back(Key(EventType::kKeyUp, kModifierKeys[i].vkey, held));
  }
}

void CDriver::AddText(const std::string& text) {
  for (const char ch : text) m_pending.emplace_back(Text(static_cast<unsigned char>(ch)));
}

HWND CDriver::ControlOf(const SCommand& c) {
  HWND window = ActiveWindow();
  HWND control = window != nullptr ? GetDlgItem(window, c.a) : nullptr;
  if (control == nullptr) Fail(c, "no such control: " + std::to_string(c.a));
  return control;
}

bool CDriver::ExpandMenu(const SCommand& c) {
  CSimFrame* frame = Frame();
  if (frame == nullptr || OpenDialog() != nullptr)
    return Fail(c, "menu: the main window is not active");
  HWND hwnd = frame->m_hWnd;
  HMENU bar = GetMenu(hwnd);
  const auto id = static_cast<UINT>(c.a);
  const int count = GetMenuItemCount(bar);
  for (int i = 0; i < count; ++i) {
    HMENU popup = GetSubMenu(bar, i);
    RECT item{};
    if (!GetMenuItemRect(hwnd, bar, static_cast<UINT>(i), &item)) continue;
    const POINT barPoint = Centre(item);
    auto onBar = [hwnd, barPoint](host::EventType type) {
      return [hwnd, barPoint, type](host::Event* e) {
        if (!IsWindow(hwnd)) return false;
        *e = Event(type, hwnd, barPoint);
        return true;
      };
    };
    if (popup == nullptr) {
      if (GetMenuItemID(bar, i) != id) continue;
      m_pending.emplace_back(onBar(host::EventType::kMouseMove));
      m_pending.emplace_back(onBar(host::EventType::kMouseDown));
      m_pending.emplace_back(onBar(host::EventType::kMouseUp));
      return true;
    }
    int position = -1;
    for (int k = 0; k < GetMenuItemCount(popup); ++k) {
      if (GetMenuItemID(popup, k) == id) position = k;
    }
    if (position < 0) continue;
    m_pending.emplace_back(onBar(host::EventType::kMouseMove));
    m_pending.emplace_back(onBar(host::EventType::kMouseDown));
    m_pending.emplace_back(onBar(host::EventType::kMouseUp));
    // By now the drop-down is open and its items are brought up to date.
    m_pending.emplace_back([this, hwnd, popup, position, c](host::Event* e) {
      if (!IsWindow(hwnd)) return false;
      const auto pos = static_cast<UINT>(position);
      if ((GetMenuState(popup, pos, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0) {
        // A grayed item does nothing: close the menu again.
        m_pending.push_front(Key(host::EventType::kKeyUp, VK_ESCAPE));
        m_pending.push_front(Key(host::EventType::kKeyDown, VK_ESCAPE));
        m_pending.push_front(Key(host::EventType::kKeyUp, VK_ESCAPE));
        e->type = host::EventType::kKeyDown;
        e->surface = hwnd->hostId;
        e->vkey = VK_ESCAPE;
        return true;
      }
      RECT r{};
      if (!GetMenuItemRect(hwnd, popup, pos, &r))
        return Fail(c, "menu: the drop-down did not open");
      const POINT p = Centre(r);
      m_pending.push_front([hwnd, p](host::Event* up) {
        *up = Event(host::EventType::kMouseUp, hwnd, p);
        return true;
      });
      m_pending.push_front([hwnd, p](host::Event* down) {
        *down = Event(host::EventType::kMouseDown, hwnd, p);
        return true;
      });
      *e = Event(host::EventType::kMouseMove, hwnd, p);
      return true;
    });
    return true;
  }
  return Fail(c, "menu: no item has the id " + std::to_string(c.a));
}

bool CDriver::Expand(const SCommand& c) {
  using host::EventType;
  using host::MouseButton;
  switch (c.op) {
    case Op::kLPress:
      m_pending.emplace_back(Mouse(EventType::kMouseDown, MouseButton::kLeft, c.a, c.b));
      return true;
    case Op::kLRelease:
      m_pending.emplace_back(Mouse(EventType::kMouseUp, MouseButton::kLeft, c.a, c.b));
      return true;
    case Op::kRPress:
      m_pending.emplace_back(Mouse(EventType::kMouseDown, MouseButton::kRight, c.a, c.b));
      return true;
    case Op::kRRelease:
      m_pending.emplace_back(Mouse(EventType::kMouseUp, MouseButton::kRight, c.a, c.b));
      return true;
    case Op::kMove:
      m_pending.emplace_back(Mouse(EventType::kMouseMove, MouseButton::kLeft, c.a, c.b));
      return true;
    case Op::kClick: {
      HWND control = ControlOf(c);
      if (control == nullptr) return false;
      RECT r;
      GetClientRect(control, &r);
      AddClick(control, Centre(r));
      return true;
    }
    case Op::kFocus: {
      HWND control = ControlOf(c);
      if (control == nullptr) return false;
      SetFocus(control);
      return true;
    }
    case Op::kKey:
      AddKey(c);
      return true;
    case Op::kRClick: {
      HWND control = ControlOf(c);
      if (control == nullptr) return false;
      RECT r;
      GetClientRect(control, &r);
      AddClick(control, Centre(r), MouseButton::kRight);
      return true;
    }
    case Op::kWheel: {
      const int x = c.a;
      const int y = c.b;
      const int clicks = c.c;
      m_pending.emplace_back([this, x, y, clicks](host::Event* e) {
        HWND window = ActiveWindow();
        if (window == nullptr) return false;
        POINT screen{x, y};
        ClientToScreen(window, &screen);
        *e = Event(host::EventType::kMouseWheel, window, screen);
        e->wheel = clicks;
        return true;
      });
      return true;
    }
    case Op::kType:
      AddText(c.text);
      return true;
    case Op::kEdit: {
      HWND control = ControlOf(c);
      if (control == nullptr) return false;
      SetFocus(control);
      SendMessageA(control, EM_SETSEL, 0, -1);
      if (c.text.empty()) {
        m_pending.emplace_back(Key(EventType::kKeyDown, VK_DELETE));
        m_pending.emplace_back(Key(EventType::kKeyUp, VK_DELETE));
      } else {
        AddText(c.text);
      }
      return true;
    }
    case Op::kSlider: {
      HWND control = ControlOf(c);
      if (control == nullptr) return false;
      if (ClassOf(control) != "msctls_trackbar32") return Fail(c, "slider: not a trackbar");
      RECT thumb{};
      SendMessageA(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
      RECT client;
      GetClientRect(control, &client);
      const ctl::CTrackbarGeometry geometry(
          client.right, client.bottom, static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)),
          static_cast<int>(SendMessageA(control, TBM_GETRANGEMIN, 0, 0)),
          static_cast<int>(SendMessageA(control, TBM_GETRANGEMAX, 0, 0)),
          static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)));
      const POINT from = Centre(thumb);
      POINT to = from;
      (geometry.Vertical() ? to.y : to.x) = geometry.PixelOf(c.b);
      m_pending.emplace_back(AtControl(control, EventType::kMouseMove, from));
      m_pending.emplace_back(AtControl(control, EventType::kMouseDown, from));
      m_pending.emplace_back(AtControl(control, EventType::kMouseMove, to));
      m_pending.emplace_back(AtControl(control, EventType::kMouseUp, to));
      return true;
    }
    case Op::kSpin: {
      HWND control = ControlOf(c);
      if (control == nullptr) return false;
      if (ClassOf(control) != "msctls_updown32") return Fail(c, "spin: not an up-down control");
      RECT r;
      GetClientRect(control, &r);
      const POINT p{r.right / 2, c.up ? r.bottom / 4 : r.bottom * 3 / 4};
      AddClick(control, p);
      return true;
    }
    case Op::kMenu:
      return ExpandMenu(c);
    case Op::kColor:
    case Op::kColorCancel: {
      HWND dialog = OpenDialog();
      if (dialog == nullptr || GetDlgItem(dialog, 706) == nullptr)
        return Fail(c, "no colour dialog open");
      if (c.op == Op::kColorCancel) {
        AddClick(GetDlgItem(dialog, IDCANCEL), POINT{5, 5});
        return true;
      }
      const int values[3] = {c.a, c.b, c.c};
      for (int i = 0; i < 3; ++i) {
        HWND edit = GetDlgItem(dialog, 706 + i);
        // The edit's whole text is selected and deleted, then the number typed.
        m_pending.emplace_back([edit](host::Event* e) {
          SetFocus(edit);
          SendMessageA(edit, EM_SETSEL, 0, -1);
          e->type = host::EventType::kKeyDown;
          e->surface = GetAncestorTopLevel(edit)->hostId;
          e->vkey = VK_DELETE;
          return true;
        });
        m_pending.emplace_back(Key(host::EventType::kKeyUp, VK_DELETE));
        AddText(std::to_string(values[i]));
      }
      AddClick(GetDlgItem(dialog, IDOK), POINT{5, 5});
      return true;
    }
    default:
      return true;
  }
}

bool CDriver::RunStateCommand(const SCommand& c) {
  switch (c.op) {
    case Op::kDump:
      Dump(Frame(), OpenDialog(), m_out);
      return true;
    case Op::kSnapshot: {
      PaintEverything();
      CSimFrame* frame = Frame();
      if (frame == nullptr) return Fail(c, "snapshot: the main window is gone");
      if (!WriteSurface(frame->m_hWnd, c.text)) return Fail(c, "snapshot: cannot write " + c.text);
      return true;
    }
    case Op::kSnapshotDialog: {
      PaintEverything();
      HWND dialog = OpenDialog();
      if (dialog == nullptr) return Fail(c, "no dialog open");
      if (!WriteSurface(dialog, c.text)) return Fail(c, "snapshot-dialog: cannot write " + c.text);
      return true;
    }
    case Op::kSteps:
      m_stepsUntil = m_steps + c.a;
      m_stepsLine = c.line;
      return true;
    case Op::kClose: {
      CSimFrame* frame = Frame();
      if (frame == nullptr) return Fail(c, "close: the main window is gone");
      HWND hwnd = frame->m_hWnd;
      m_pending.emplace_back([hwnd](host::Event* e) {
        if (!IsWindow(hwnd)) return false;
        e->type = host::EventType::kCloseRequest;
        e->surface = hwnd->hostId;
        return true;
      });
      return true;
    }
    default:
      return Expand(c);
  }
}

bool CDriver::NextEvent(host::Event* event, bool blocking) {
  CountSteps();
  // One piece of input at a time: the next comes only once the program has
  // taken what came before, as a user's next action follows what they saw.
  if (!blocking && InputPending()) return false;
  for (;;) {
    if (Failed()) {
      // Once: the program then ends through its own loops.
      if (m_quitSent) return false;
      m_quitSent = true;
      event->type = host::EventType::kQuit;
      return true;
    }
    if (!m_pending.empty()) {
      Generator next = std::move(m_pending.front());
      m_pending.pop_front();
      host::Event e;
      if (next(&e)) {
        *event = e;
        return true;
      }
      if (!Failed())
        m_error = "line " + std::to_string(m_commands[m_next - 1].line) +
                  ": the window this input was for is gone";
      continue;
    }
    if (m_stepsUntil >= 0) {
      if (m_steps < m_stepsUntil) {
        if (!blocking) return false;
        m_error = "line " + std::to_string(m_stepsLine) + ": steps: no run can make steps";
        continue;
      }
      m_stepsUntil = -1;
    }
    if (m_next >= m_commands.size()) break;
    // A line is read only once the program has settled after the one
    // before: what it answered (a dialog opening, say) is then there to
    // see, as it would be for a user.
    if (!blocking && !Quiet()) return false;
    const SCommand& c = m_commands[m_next];
    // Once the program is on its way out nothing more can be done in it.
    if (Frame() == nullptr || WM().quitPosted) {
      m_error = "line " + std::to_string(c.line) + ": the program has ended";
      continue;
    }
    ++m_next;
    RunStateCommand(c);
  }
  // At the end of the script the main window closes as its close box would.
  if (!m_closedAtEnd) {
    m_closedAtEnd = true;
    CSimFrame* frame = Frame();
    if (frame != nullptr && IsWindow(frame->m_hWnd)) {
      event->type = host::EventType::kCloseRequest;
      event->surface = frame->m_hWnd->hostId;
      return true;
    }
  }
  return false;
}

}  // namespace replay
