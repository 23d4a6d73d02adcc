#include "platform/afx/dc.h"

#include <memory>
#include <unordered_map>

#include "platform/afx/wnd.h"

namespace {

std::unordered_map<HDC, std::unique_ptr<CDC>>& Temporary() {
  static std::unordered_map<HDC, std::unique_ptr<CDC>> map;
  return map;
}

}  // namespace

CDC* afx::DCFromHandle(HDC hdc) { return CDC::FromHandle(hdc); }

CDC::~CDC() {
  // A context this object made (CreateCompatibleDC) goes with it; one it
  // only wraps belongs to whoever made it.
  if (m_hDC != nullptr) Detach();
}

CDC* CDC::FromHandle(HDC hdc) {
  if (hdc == nullptr) return nullptr;
  auto& slot = Temporary()[hdc];
  if (!slot) {
    slot = std::make_unique<CDC>();
    slot->m_hDC = hdc;
  }
  return slot.get();
}

void CDC::ForgetHandle(HDC hdc) {
  const auto it = Temporary().find(hdc);
  if (it == Temporary().end()) return;
  it->second->m_hDC = nullptr;
  Temporary().erase(it);
}

void CDC::DeleteTempMap() {
  for (auto& entry : Temporary()) entry.second->m_hDC = nullptr;
  Temporary().clear();
}

BOOL CDC::Attach(HDC hdc) {
  if (hdc == nullptr || m_hDC != nullptr) return FALSE;
  m_hDC = hdc;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hdc = m_hDC;
  m_hDC = nullptr;
  return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

CGdiObject* CDC::SelectStockObject(int nIndex) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, GetStockObject(nIndex)));
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (pObject == nullptr) return nullptr;
  return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}
CPen* CDC::SelectObject(CPen* pPen) {
  if (pPen == nullptr) return nullptr;
  return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->m_hObject)));
}
CBrush* CDC::SelectObject(CBrush* pBrush) {
  if (pBrush == nullptr) return nullptr;
  return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->m_hObject)));
}
CFont* CDC::SelectObject(CFont* pFont) {
  if (pFont == nullptr) return nullptr;
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->m_hObject)));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  if (pBitmap == nullptr) return nullptr;
  return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->m_hObject)));
}

CPen* CDC::GetCurrentPen() const {
  return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}
CBrush* CDC::GetCurrentBrush() const {
  return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }

CPoint CDC::MoveTo(int x, int y) {
  POINT previous{0, 0};
  ::MoveToEx(m_hDC, x, y, &previous);
  return CPoint(previous);
}
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(const RECT* lpRect) {
  const RECT* r = lpRect;
  return r != nullptr ? ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom) : FALSE;
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(const RECT* lpRect) {
  const RECT* r = lpRect;
  return r != nullptr ? ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom) : FALSE;
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
void CDC::FillRect(const RECT* lpRect, CBrush* pBrush) {
  ::FillRect(m_hDC, lpRect, pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}
void CDC::FrameRect(const RECT* lpRect, CBrush* pBrush) {
  ::FrameRect(m_hDC, lpRect, pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}
void CDC::FillSolidRect(const RECT* lpRect, COLORREF clr) {
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  const RECT r{x, y, x + cx, y + cy};
  FillSolidRect(&r, clr);
}
void CDC::Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  const RECT* r = lpRect;
  if (r == nullptr) return;
  const int w = r->right - r->left;
  const int h = r->bottom - r->top;
  FillSolidRect(r->left, r->top, w - 1, 1, clrTopLeft);
  FillSolidRect(r->left, r->top, 1, h - 1, clrTopLeft);
  FillSolidRect(r->left + w, r->top, -1, h, clrBottomRight);
  FillSolidRect(r->left, r->top + h, w, -1, clrBottomRight);
}
BOOL CDC::DrawEdge(RECT* lpRect, UINT nEdge, UINT nFlags) {
  return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
void CDC::DrawFocusRect(const RECT* lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc,
                  ySrc, dwRop);
}
BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
  return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str) {
  return ::TextOutA(m_hDC, x, y, str, str.GetLength());
}
int CDC::DrawText(LPCSTR lpszString, int nCount, RECT* lpRect, UINT nFormat) {
  return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, RECT* lpRect, UINT nFormat) {
  return ::DrawTextA(m_hDC, str, str.GetLength(), lpRect, nFormat);
}
CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
  SIZE s{0, 0};
  ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &s);
  return CSize(s);
}
CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
BOOL CDC::GetTextMetrics(TEXTMETRICA* lpMetrics) const {
  return ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::GetClipBox(RECT* lpRect) const { return ::GetClipBox(m_hDC, lpRect); }

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWnd, &m_ps);
  Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }
