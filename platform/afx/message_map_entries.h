// The entries of message maps: one adapter per handler signature, and the
// macros that put them in a map. Included by wnd.h, after CWnd.
#pragma once

#include "platform/afx/afx_types.h"

class CCmdUI;
class CDC;
class CWnd;

namespace afx {

template <class M>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};

template <auto F>
auto* Target(CCmdTarget* t) {
  return static_cast<typename MemberOf<decltype(F)>::Class*>(t);
}

CWnd* WndFromHandle(HWND hwnd);
CDC* DCFromHandle(HDC hdc);
inline CPoint PointOf(LPARAM lp) { return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); }

// void f()
template <auto F>
LRESULT Void(CCmdTarget* t, WPARAM, LPARAM) {
  (Target<F>(t)->*F)();
  return 0;
}
// void f(CCmdUI*)
template <auto F>
LRESULT UpdateUI(CCmdTarget* t, WPARAM, LPARAM lp) {
  (Target<F>(t)->*F)(reinterpret_cast<CCmdUI*>(lp));
  return 0;
}
// LRESULT f(WPARAM, LPARAM)
template <auto F>
LRESULT Raw(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  return (Target<F>(t)->*F)(wp, lp);
}
// int f(LPCREATESTRUCT)
template <auto F>
LRESULT Create(CCmdTarget* t, WPARAM, LPARAM lp) {
  return (Target<F>(t)->*F)(reinterpret_cast<CREATESTRUCTA*>(lp));
}
// BOOL f(CDC*)
template <auto F>
LRESULT EraseBkgnd(CCmdTarget* t, WPARAM wp, LPARAM) {
  return (Target<F>(t)->*F)(DCFromHandle(reinterpret_cast<HDC>(wp)));
}
// void f(UINT nType, int cx, int cy)
template <auto F>
LRESULT Size(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(static_cast<UINT>(wp), LOWORD(static_cast<UINT_PTR>(lp)),
                     HIWORD(static_cast<UINT_PTR>(lp)));
  return 0;
}
// void f(UINT nFlags, CPoint point)
template <auto F>
LRESULT Mouse(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(static_cast<UINT>(wp), PointOf(lp));
  return 0;
}
// void f(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
template <auto F>
LRESULT Scroll(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(LOWORD(wp), HIWORD(wp), WndFromHandle(reinterpret_cast<HWND>(lp)));
  return 0;
}
// void f(UINT_PTR nIDEvent)
template <auto F>
LRESULT Timer(CCmdTarget* t, WPARAM wp, LPARAM) {
  (Target<F>(t)->*F)(static_cast<UINT_PTR>(wp));
  return 0;
}
// void f(CWnd* pOther)
template <auto F>
LRESULT Focus(CCmdTarget* t, WPARAM wp, LPARAM) {
  (Target<F>(t)->*F)(WndFromHandle(reinterpret_cast<HWND>(wp)));
  return 0;
}
// void f(UINT nChar, UINT nRepCnt, UINT nFlags)
template <auto F>
LRESULT Key(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(static_cast<UINT>(wp), LOWORD(static_cast<UINT_PTR>(lp)),
                     HIWORD(static_cast<UINT_PTR>(lp)));
  return 0;
}
// void f(BOOL bShow, UINT nStatus)
template <auto F>
LRESULT ShowWnd(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(static_cast<BOOL>(wp), static_cast<UINT>(lp));
  return 0;
}
// void f(UINT nItemID, UINT nFlags, HMENU hSysMenu)
template <auto F>
LRESULT MenuSelect(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
  return 0;
}
// void f(HMENU hPopup, UINT nIndex, BOOL bSysMenu)
template <auto F>
LRESULT InitMenuPopup(CCmdTarget* t, WPARAM wp, LPARAM lp) {
  (Target<F>(t)->*F)(reinterpret_cast<HMENU>(wp), LOWORD(static_cast<UINT_PTR>(lp)),
                     HIWORD(static_cast<UINT_PTR>(lp)));
  return 0;
}

}  // namespace afx

#define AFX_MSG_ENTRY(message, thunk, fn) {message, 0, 0, 0, &afx::thunk<fn>},

#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, Create, &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, Void, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, Void, &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, Void, &ThisClass::OnClose)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, Void, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, EraseBkgnd, &ThisClass::OnEraseBkgnd)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, Size, &ThisClass::OnSize)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, Mouse, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, Mouse, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, Mouse, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, Mouse, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, Mouse, &ThisClass::OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, Mouse, &ThisClass::OnMouseMove)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, Scroll, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, Scroll, &ThisClass::OnVScroll)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, Timer, &ThisClass::OnTimer)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, Focus, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, Focus, &ThisClass::OnKillFocus)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, Key, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, Key, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, Key, &ThisClass::OnChar)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, ShowWnd, &ThisClass::OnShowWindow)
#define ON_WM_MENUSELECT() AFX_MSG_ENTRY(WM_MENUSELECT, MenuSelect, &ThisClass::OnMenuSelect)
#define ON_WM_INITMENUPOPUP() \
  AFX_MSG_ENTRY(WM_INITMENUPOPUP, InitMenuPopup, &ThisClass::OnInitMenuPopup)
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, Raw, memberFxn)

// Commands (menu items) and control notifications, routed by id.
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, CN_COMMAND, (id), (id), &afx::Void<memberFxn>},
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (idFirst), (idLast), &afx::Void<memberFxn>},
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), (id), (id), &afx::UpdateUI<memberFxn>},
#define ON_CONTROL(code, id, memberFxn) {WM_COMMAND, (code), (id), (id), &afx::Void<memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
