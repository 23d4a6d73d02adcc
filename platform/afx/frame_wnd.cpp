#include "platform/afx/frame_wnd.h"

#include <algorithm>
#include <map>
#include <string>

#include "platform/afx/afx_resource.h"
#include "platform/afx/cmd_ui.h"
#include "platform/afx/win_app.h"
#include "platform/win/menu/menu.h"
#include "platform/win/wm/resource_loaders.h"

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

// One window class per icon, as frames with different icons need. The
// window system forgets its classes when it shuts down, so each call makes
// sure the class is there.
LPCSTR FrameClass(UINT nIDIcon) {
  static std::map<UINT, std::string> names;
  const std::string& name =
      names.emplace(nIDIcon, "AfxFrameOrView42:" + std::to_string(nIDIcon)).first->second;
  WNDCLASSA existing{};
  if (GetClassInfoA(nullptr, name.c_str(), &existing)) return name.c_str();
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = &AfxWndProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hIcon = nIDIcon != 0 ? LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDIcon)) : nullptr;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
  wc.lpszClassName = name.c_str();
  return RegisterClassA(&wc) ? name.c_str() : nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_MENUSELECT()
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
ON_MESSAGE(WM_HELP, &CFrameWnd::OnHelpMessage)
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          void* pContext) {
  m_nIDHelp = nIDResource;
  CString full;
  if (full.LoadString(nIDResource)) {
    const int newline = full.Find('\n');
    m_strTitle = newline < 0 ? full : full.Left(newline);
  }
  // Without a class the creation fails too, and ends the frame's life as
  // every failed creation does.
  LPCSTR cls = FrameClass(nIDResource);
  return Create(cls, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                MAKEINTRESOURCEA(nIDResource), 0, pContext);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       void* pContext) {
  HMENU menu = nullptr;
  if (lpszMenuName != nullptr) {
    menu = LoadMenuA(AfxFindResourceHandle(lpszMenuName, MAKEINTRESOURCEA(RT_MENU)), lpszMenuName);
  }
  m_strTitle = lpszWindowName;
  // The default rectangle leaves place and size to the system.
  const bool byDefault = rect.left == CW_USEDEFAULT;
  const int x = byDefault ? CW_USEDEFAULT : rect.left;
  const int y = byDefault ? CW_USEDEFAULT : rect.top;
  const int cx = byDefault ? CW_USEDEFAULT : rect.right - rect.left;
  const int cy = byDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, menu, pContext)) {
    // The window never took the menu over.
    if (menu != nullptr && IsMenu(menu)) DestroyMenu(menu);
    return FALSE;
  }
  return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) cs.lpszClass = FrameClass(0);
  return TRUE;
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ? TRUE : FALSE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  m_nIDTracking = m_nIDLastMessage = AFX_IDS_IDLEMESSAGE;
  // The idle message shows once the frame is built and its bars exist.
  const WPARAM idle = AFX_IDS_IDLEMESSAGE;
  PostMessage(WM_SETMESSAGESTRING, idle);
  return 0;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::RecalcLayout(BOOL /*bNotify*/) {
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault);
}

CWnd* CFrameWnd::GetMessageBar() { return GetDlgItem(static_cast<int>(AFX_IDW_STATUS_BAR)); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
  CString full;
  if (nID != 0 && full.LoadString(nID)) {
    const int newline = full.Find('\n');
    rMessage = newline < 0 ? full : full.Left(newline);
  } else {
    rMessage.Empty();
  }
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
  SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  const UINT last = m_nIDLastMessage;
  m_nIDLastMessage = static_cast<UINT>(wParam);
  CWnd* bar = GetMessageBar();
  if (bar != nullptr) {
    CString message;
    LPCSTR text = reinterpret_cast<LPCSTR>(lParam);
    if (text == nullptr && wParam != 0) {
      GetMessageString(static_cast<UINT>(wParam), message);
      text = message;
    }
    bar->SetWindowText(text != nullptr ? text : "");
  }
  return last;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
  if (nFlags == 0xFFFF && hSysMenu == nullptr) {
    // The menu closed: back to the idle message.
    m_nIDTracking = AFX_IDS_IDLEMESSAGE;
  } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)) != 0) {
    m_nIDTracking = 0;  // a drop-down or a separator: nothing to say
  } else {
    m_nIDTracking = nItemID;
  }
  SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

void CFrameWnd::OnInitMenuPopup(HMENU hPopup, UINT /*nIndex*/, BOOL bSysMenu) {
  if (bSysMenu || hPopup == nullptr) return;
  CCmdUI state;
  state.m_pMenu = hPopup;
  state.m_nIndexMax = static_cast<UINT>(std::max(0, GetMenuItemCount(hPopup)));
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = GetMenuItemID(hPopup, static_cast<int>(state.m_nIndex));
    if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
    state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000 ? TRUE : FALSE);
  }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) { return 0; }

LRESULT CFrameWnd::OnHelpMessage(WPARAM, LPARAM) {
  SendMessage(WM_COMMAND, ID_HELP);
  return TRUE;
}
