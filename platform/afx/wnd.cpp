// CWnd's handle maps, creation and message dispatch.
#include "platform/afx/wnd.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/afx/cmd_ui.h"
#include "platform/afx/win_app.h"
#include "platform/win/pointer_table.h"

namespace {

struct SThreadState {
  CPointerTable<CWnd*> permanent;
  std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
  MSG lastSent{};
  CWnd* creating = nullptr;
};

SThreadState& State() {
  static SThreadState state;
  return state;
}

// Attaches the object being created to its window before the window's
// first message, and puts our procedure in front of the class's own.
void HookCreate(HWND hwnd, void* /*context*/) {
  SThreadState& s = State();
  CWnd* wnd = s.creating;
  if (wnd == nullptr) return;
  s.creating = nullptr;
  SetWindowCreateHook(nullptr, nullptr);
  wnd->Attach(hwnd);
  wnd->SubclassWindow(hwnd);
}

// A window that was never made ends its object's life as a destroyed one
// would: the main window is forgotten and PostNcDestroy runs (frames delete
// themselves there).
void NeverCreated(CWnd* wnd) {
  CWinThread* thread = AfxGetThread();
  if (thread != nullptr && thread->m_pMainWnd == wnd) thread->m_pMainWnd = nullptr;
  wnd->PostNcDestroy();
}

}  // namespace

CWnd* afx::WndFromHandle(HWND hwnd) { return CWnd::FromHandle(hwnd); }

LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (wnd == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return AfxCallWndProc(wnd, hwnd, message, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Only these four fields are ever set (time and point stay zero), so only
  // they are saved: the idle update comes through here for every control
  // after every step of a run.
  MSG& current = State().lastSent;
  const HWND savedHwnd = current.hwnd;
  const UINT savedMessage = current.message;
  const WPARAM savedWParam = current.wParam;
  const LPARAM savedLParam = current.lParam;
  current.hwnd = hwnd;
  current.message = message;
  current.wParam = wParam;
  current.lParam = lParam;
  // The handler may destroy the window and delete the object (a frame
  // closing): nothing below touches either.
  const LRESULT result = wnd->WindowProc(message, wParam, lParam);
  current.hwnd = savedHwnd;
  current.message = savedMessage;
  current.wParam = savedWParam;
  current.lParam = savedLParam;
  return result;
}

void AfxPostQuitMessage(int nExitCode) { PostQuitMessage(nExitCode); }

void AfxDeleteTempMaps() { State().temporary.clear(); }

CWnd::~CWnd() {
  if (m_hWnd == nullptr) return;
  // An object that goes while its window lives takes the window with it;
  // the window's own procedure gets its last messages, not this half-gone
  // object.
  HWND hwnd = Detach();
  if (m_pfnSuper != nullptr) {
    SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  }
  if (IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  CWnd* const* found = State().permanent.Find(hwnd);
  return found != nullptr ? *found : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  if (CWnd* p = FromHandlePermanent(hwnd)) return p;
  auto& temp = State().temporary;
  auto& slot = temp[hwnd];
  if (!slot) {
    slot = std::make_unique<CWnd>();
    slot->m_hWnd = hwnd;  // not in the permanent map: it never sees messages
  }
  return slot.get();
}

BOOL CWnd::Attach(HWND hwnd) {
  if (hwnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hwnd) != nullptr) return FALSE;
  m_hWnd = hwnd;
  State().permanent[hwnd] = this;
  State().temporary.erase(hwnd);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd != nullptr) {
    auto& map = State().permanent;
    CWnd* const* found = map.Find(hwnd);
    if (found != nullptr && *found == this) map.Erase(hwnd);
  }
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (m_hWnd == nullptr && !Attach(hwnd)) return FALSE;
  if (m_hWnd != hwnd) return FALSE;
  auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWL_WNDPROC));
  if (old != &AfxWndProc) {
    m_pfnSuper = old;
    SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
  }
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (pParent == nullptr) return FALSE;
  HWND hwnd = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hwnd != nullptr && SubclassWindow(hwnd) ? TRUE : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& /*cs*/) { return TRUE; }

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top,
                  pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    void* lpParam) {
  if (m_hWnd != nullptr) return FALSE;
  CREATESTRUCT cs{};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    NeverCreated(this);
    return FALSE;
  }
  SThreadState& s = State();
  s.creating = this;
  SetWindowCreateHook(&HookCreate, nullptr);
  HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (s.creating == this) {
    // The window never came to be, so it sent no WM_NCDESTROY: end this
    // object's life here as that would have.
    s.creating = nullptr;
    SetWindowCreateHook(nullptr, nullptr);
    NeverCreated(this);
    return FALSE;
  }
  // On failure the window was destroyed again, and PostNcDestroy may have
  // deleted this object: only the result is looked at.
  return hwnd != nullptr ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) {
      *pResult = 1;
      return TRUE;
    }
    return FALSE;
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message);
  if (entry == nullptr) return FALSE;
  *pResult = entry->pfn(this, wParam, lParam);
  return TRUE;
}

namespace {

// What a disabled command looks like to the update mechanism.
class CTestCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetText(LPCTSTR) override {}
  BOOL m_bEnabled = TRUE;
};

}  // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (control == nullptr) {
    // A menu command: one its update handler disables is not carried out,
    // however it arrived.
    nCode = CN_COMMAND;
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
    if (!state.m_bEnabled) return TRUE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The class procedures below would answer these with 0 too, after a walk
  // through every layer of them; the idle update sends one to every control
  // after every step of a run.
  if (message >= WM_AFXFIRST && message <= WM_AFXLAST) return 0;
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& m = State().lastSent;
  return DefWindowProc(m.message, m.wParam, m.lParam);
}

const MSG* CWnd::GetCurrentMessage() { return &State().lastSent; }

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) {
  // The children as they are now (a handler may create or destroy some),
  // kept on the stack: the idle work sends this after every step.
  constexpr int kOnStack = 32;
  HWND onStack[kOnStack];
  std::vector<HWND> more;
  int count = 0;
  for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if (count < kOnStack) {
      onStack[count] = c;
    } else {
      more.push_back(c);
    }
    ++count;
  }
  for (int i = 0; i < count; ++i) {
    HWND c = i < kOnStack ? onStack[i] : more[static_cast<size_t>(i - kOnStack)];
    if (!IsWindow(c)) continue;
    if (bOnlyPerm) {
      if (CWnd* wnd = FromHandlePermanent(c)) AfxCallWndProc(wnd, c, message, wParam, lParam);
    } else {
      ::SendMessageA(c, message, wParam, lParam);
    }
    // Most controls have no children: asking first spares a temporary
    // object for each of them.
    if (bDeep && ::GetWindow(c, GW_CHILD) != nullptr) {
      FromHandle(c)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
  }
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

void CWnd::OnNcDestroy() {
  CWinThread* thread = AfxGetThread();
  if (thread != nullptr && thread->m_pMainWnd == this) {
    AfxPostQuitMessage(0);
    thread->m_pMainWnd = nullptr;
  }
  Default();
  Detach();
  PostNcDestroy();  // may delete this
}
