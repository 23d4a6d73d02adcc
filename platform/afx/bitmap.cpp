#include "platform/afx/bitmap.h"

#include "platform/afx/afx_resource.h"
#include "platform/afx/dc.h"
#include "platform/win/wm/resource_loaders.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  return Attach(
      LoadBitmapA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(RT_BITMAP)),
                  MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  return Attach(::CreateCompatibleBitmap(pDC != nullptr ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
  return ::GetObjectA(m_hObject, sizeof(BITMAP), pBitMap);
}
