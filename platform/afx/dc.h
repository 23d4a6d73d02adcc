// CDC: the framework's device context, and the two that windows paint with:
// CPaintDC (between BeginPaint and EndPaint, clipped to what needs painting)
// and CClientDC (the whole visible client area).
#pragma once

#include "platform/afx/afx_types.h"
#include "platform/afx/bitmap.h"
#include "platform/afx/brush.h"
#include "platform/afx/cstring.h"
#include "platform/afx/font.h"
#include "platform/afx/pen.h"
#include "platform/win/wingdi.h"

class CWnd;

class CDC {
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC();

  HDC m_hDC = nullptr;

  // ---- Handles -------------------------------------------------------------------
  // FromHandle wraps a context the framework did not make; the wrapper lives
  // until ForgetHandle (ReleaseDC calls it) or the next idle time.
  static CDC* FromHandle(HDC hdc);
  static void ForgetHandle(HDC hdc);
  static void DeleteTempMap();
  BOOL Attach(HDC hdc);
  HDC Detach();
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT(google-explicit-constructor)
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  int SaveDC();
  BOOL RestoreDC(int nSavedDC);

  // ---- Objects ---------------------------------------------------------------------
  // Each returns the object of its kind that was selected before, wrapped.
  CGdiObject* SelectStockObject(int nIndex);
  CGdiObject* SelectObject(CGdiObject* pObject);
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;

  // ---- Attributes ------------------------------------------------------------------
  COLORREF SetTextColor(COLORREF crColor);
  COLORREF SetBkColor(COLORREF crColor);
  int SetBkMode(int nBkMode);
  COLORREF GetTextColor() const;
  COLORREF GetBkColor() const;

  // ---- Drawing -------------------------------------------------------------------------
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  BOOL Rectangle(int x1, int y1, int x2, int y2);
  BOOL Rectangle(const RECT* lpRect);
  BOOL Ellipse(int x1, int y1, int x2, int y2);
  BOOL Ellipse(const RECT* lpRect);
  COLORREF SetPixel(int x, int y, COLORREF crColor);
  COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
  COLORREF GetPixel(int x, int y) const;
  void FillRect(const RECT* lpRect, CBrush* pBrush);
  void FrameRect(const RECT* lpRect, CBrush* pBrush);
  // Fills with a colour by way of the background colour, which stays set.
  void FillSolidRect(const RECT* lpRect, COLORREF clr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  void Draw3dRect(const RECT* lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(RECT* lpRect, UINT nEdge, UINT nFlags);
  void DrawFocusRect(const RECT* lpRect);
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

  // ---- Text ----------------------------------------------------------------------------
  BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount);
  BOOL TextOut(int x, int y, const CString& str);
  int DrawText(LPCSTR lpszString, int nCount, RECT* lpRect, UINT nFormat);
  int DrawText(const CString& str, RECT* lpRect, UINT nFormat);
  CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const;
  BOOL GetTextMetrics(TEXTMETRICA* lpMetrics) const;

  // ---- Clipping ------------------------------------------------------------------------
  int IntersectClipRect(int x1, int y1, int x2, int y2);
  int ExcludeClipRect(int x1, int y1, int x2, int y2);
  int GetClipBox(RECT* lpRect) const;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

 protected:
  HWND m_hWnd = nullptr;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd = nullptr;
};
