// The message queue: sent and posted messages, input, the quit request, paint
// and timer messages made when nothing else waits, and presentation of what
// was drawn before the program waits.
#include <algorithm>
#include <limits>

#include "platform/win/wm/wnd.h"

namespace {

bool Matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
  if (filter != nullptr && m.hwnd != filter) return false;
  if (lo == 0 && hi == 0) return true;
  return m.message >= lo && m.message <= hi;
}

bool InRange(UINT message, UINT lo, UINT hi) {
  return (lo == 0 && hi == 0) || (message >= lo && message <= hi);
}

std::uint64_t Now() {
  Session& s = WM();
  return s.host != nullptr ? s.host->NowMs() : 0;
}

bool IsInput(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCLBUTTONUP) ||
         (message >= WM_KEYDOWN && message <= WM_SYSCHAR) || message == WM_SYSCOMMAND;
}

// Takes what the host has waiting, without blocking, in the order it came.
void PumpHost() {
  Session& s = WM();
  if (s.host == nullptr) return;
  host::Event e;
  while (s.host->PollEvent(&e)) s.pendingInput.push_back(e);
}

// Turns waiting host events into messages until one is queued. A move with
// another move behind it is dropped: only the pointer's latest place
// matters, and a run loop that looks once a step must not fall behind a
// stream of moves.
void RouteInput() {
  Session& s = WM();
  const size_t before = s.queue.size();
  while (!s.pendingInput.empty() && s.queue.size() == before) {
    const host::Event e = s.pendingInput.front();
    s.pendingInput.pop_front();
    if (e.type == host::EventType::kMouseMove && !s.pendingInput.empty() &&
        s.pendingInput.front().type == host::EventType::kMouseMove &&
        s.pendingInput.front().surface == e.surface) {
      continue;
    }
    HandleHostEvent(e);
  }
}

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG m{};
  m.hwnd = hwnd;
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = static_cast<DWORD>(Now());
  m.pt = WM().cursor;
  return m;
}

// The next message without waiting, made or taken from the queue.
bool FromQueue(MSG* msg, HWND filter, UINT lo, UINT hi, bool remove) {
  Session& s = WM();
  for (auto it = s.queue.begin(); it != s.queue.end(); ++it) {
    if (!Matches(*it, filter, lo, hi)) continue;
    *msg = *it;
    if (remove) s.queue.erase(it);
    return true;
  }
  return false;
}

bool NextMessage(MSG* msg, HWND filter, UINT lo, UINT hi, bool remove) {
  Session& s = WM();
  if (FromQueue(msg, filter, lo, hi, remove)) return true;
  // Input is routed when it is due, after everything queued before it.
  while (!s.pendingInput.empty()) {
    RouteInput();
    if (FromQueue(msg, filter, lo, hi, remove)) return true;
  }
  if (s.quitPosted && filter == nullptr && InRange(WM_QUIT, lo, hi)) {
    *msg = Make(nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0);
    if (remove) s.quitPosted = false;
    return true;
  }
  if (InRange(WM_PAINT, lo, hi)) {
    bool nonClient = false;
    if (HWND w = FindWindowToPaint(filter, &nonClient)) {
      *msg = nonClient ? Make(w, WM_NCPAINT, 1, 0) : Make(w, WM_PAINT, 0, 0);
      return true;
    }
  }
  if (!s.timers.empty() && InRange(WM_TIMER, lo, hi)) {
    const std::uint64_t now = Now();
    for (Timer& t : s.timers) {
      if (t.due > now || (filter != nullptr && t.hwnd != filter)) continue;
      *msg = Make(t.hwnd, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc));
      if (remove) t.due = now + t.elapse;
      return true;
    }
  }
  return false;
}

int WaitTimeout() {
  Session& s = WM();
  if (s.timers.empty()) return -1;
  const std::uint64_t now = Now();
  std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
  for (const Timer& t : s.timers) next = std::min(next, t.due);
  return next <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(next - now, 60000));
}

}  // namespace

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // A window being destroyed still takes its last messages (WM_DESTROY,
  // WM_NCDESTROY), so only the live set is asked here.
  if (hwnd == nullptr || !WM().live.Contains(hwnd) || hwnd->proc == nullptr) return 0;
  return hwnd->proc(hwnd, message, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hwnd != nullptr && !IsLive(hwnd)) return FALSE;
  WM().queue.push_back(Make(hwnd, message, wParam, lParam));
  return TRUE;
}

void PostInput(const MSG& msg) { WM().queue.push_back(msg); }

bool InputPending() {
  Session& s = WM();
  if (!s.pendingInput.empty()) return true;
  return std::any_of(s.queue.begin(), s.queue.end(),
                     [](const MSG& m) { return IsInput(m.message); });
}

void PostQuitMessage(int exitCode) {
  WM().quitPosted = true;
  WM().quitCode = exitCode;
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
  if (msg == nullptr) return FALSE;
  PumpHost();
  if (NextMessage(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0)) {
    WM().messageTime = msg->time;
    return TRUE;
  }
  PresentSurfaces(false);
  return FALSE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (msg == nullptr) return FALSE;
  Session& s = WM();
  for (;;) {
    PumpHost();
    if (NextMessage(msg, hwnd, filterMin, filterMax, true)) {
      s.messageTime = msg->time;
      return msg->message == WM_QUIT ? FALSE : TRUE;
    }
    if (s.host == nullptr) {
      *msg = Make(nullptr, WM_QUIT, 0, 0);
      return FALSE;
    }
    PresentSurfaces(true);
    host::Event e;
    if (s.host->WaitEvent(&e, WaitTimeout())) s.pendingInput.push_back(e);
  }
}

BOOL WaitMessage() {
  Session& s = WM();
  PumpHost();
  MSG m;
  if (NextMessage(&m, nullptr, 0, 0, false) || s.host == nullptr) return TRUE;
  PresentSurfaces(true);
  host::Event e;
  if (s.host->WaitEvent(&e, WaitTimeout())) s.pendingInput.push_back(e);
  return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (msg == nullptr) return FALSE;
  const int vk = static_cast<int>(msg->wParam);
  UINT charMessage = 0;
  WPARAM ch = 0;
  if (msg->message == WM_KEYDOWN) {
    // Printable characters arrive as typed text from the host; the keys
    // that type control characters make theirs here.
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (vk == VK_RETURN || vk == VK_BACK || vk == VK_TAB || vk == VK_ESCAPE) {
      charMessage = WM_CHAR;
      ch = vk == VK_RETURN ? '\r' : vk == VK_BACK ? '\b' : vk == VK_TAB ? '\t' : 0x1B;
    } else if (ctrl && vk >= 'A' && vk <= 'Z') {
      charMessage = WM_CHAR;
      ch = static_cast<WPARAM>(vk) - 'A' + 1;
    }
  } else if (msg->message == WM_SYSKEYDOWN) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
      charMessage = WM_SYSCHAR;
      ch = static_cast<WPARAM>(vk >= 'A' && vk <= 'Z' ? vk - 'A' + 'a' : vk);
    }
  }
  if (charMessage == 0) return FALSE;
  // The character comes next, before anything queued behind the key.
  WM().queue.push_front(Make(msg->hwnd, charMessage, ch, msg->lParam));
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (msg == nullptr) return 0;
  HWND hwnd = msg->hwnd;
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    proc(hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  if (!IsLive(hwnd)) return 0;
  if (msg->message == WM_PAINT) {
    hwnd->beganPaint = false;
    const LRESULT r = SendMessageA(hwnd, WM_PAINT, 0, 0);
    // A handler that never began painting would be asked again at once,
    // forever; what it left is taken as painted.
    if (IsLive(hwnd) && !hwnd->beganPaint) ClearUpdate(hwnd);
    return r;
  }
  if (msg->message == WM_NCPAINT) {
    const LRESULT r = SendMessageA(hwnd, WM_NCPAINT, msg->wParam, msg->lParam);
    if (IsLive(hwnd) && hwnd->ncDirty) PaintNonClient(hwnd);
    return r;
  }
  return SendMessageA(hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() { return WM().messageTime; }
DWORD GetTickCount() { return static_cast<DWORD>(Now()); }

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
  Session& s = WM();
  if (hwnd != nullptr && !IsLive(hwnd)) return 0;
  elapseMs = std::clamp<UINT>(elapseMs, 10, 0x7FFFFFFF);
  for (Timer& t : s.timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.elapse = elapseMs;
      t.due = Now() + elapseMs;
      t.proc = proc;
      return id == 0 ? 1 : id;
    }
  }
  s.timers.push_back(Timer{hwnd, id, elapseMs, Now() + elapseMs, proc});
  return id == 0 ? 1 : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  Session& s = WM();
  const auto it = std::find_if(s.timers.begin(), s.timers.end(),
                               [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == s.timers.end()) return FALSE;
  s.timers.erase(it);
  return TRUE;
}

void PresentSurfaces(bool blocking) {
  Session& s = WM();
  if (s.host == nullptr) return;
  const std::uint64_t now = s.host->NowMs();
  if (!blocking && s.presentedOnce &&
      now - s.lastPresent < static_cast<std::uint64_t>(std::max(1, s.host->FrameIntervalMs()))) {
    return;
  }
  bool any = false;
  for (HWND top : s.topLevels) {
    Surface* surface = top->surface;
    if (surface == nullptr || pixman_region32_not_empty(&surface->dirty) == 0) continue;
    if (IsShowing(top)) {
      int n = 0;
      const pixman_box32_t* boxes = pixman_region32_rectangles(&surface->dirty, &n);
      std::vector<host::Rect> rects;
      rects.reserve(static_cast<size_t>(n));
      for (int i = 0; i < n; ++i) {
        rects.push_back(host::Rect{boxes[i].x1, boxes[i].y1, boxes[i].x2 - boxes[i].x1,
                                   boxes[i].y2 - boxes[i].y1});
      }
      s.host->Present(top->hostId, surface->pixels.data(), surface->width, surface->height,
                      surface->Stride(), rects.data(), n);
      any = true;
    }
    pixman_region32_clear(&surface->dirty);
  }
  if (any) {
    s.presentedOnce = true;
    s.lastPresent = now;
  }
}
