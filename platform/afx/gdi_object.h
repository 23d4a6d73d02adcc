// CGdiObject and its kinds: the framework's owners of GDI handles. An object
// created through one is deleted with it; FromHandle wraps a handle it did
// not create (stock objects and objects selected out of a DC) without
// taking it over.
#pragma once

#include "platform/win/wingdi.h"

class CGdiObject {
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  virtual ~CGdiObject();

  HGDIOBJ m_hObject = nullptr;

  // The object attached to `h`, or one that stays for the program's life
  // (handles are few: stock objects and the program's own).
  static CGdiObject* FromHandle(HGDIOBJ h);
  BOOL Attach(HGDIOBJ h);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }  // NOLINT(google-explicit-constructor)
  BOOL CreateStockObject(int nIndex);

 protected:
  static CGdiObject* Lookup(HGDIOBJ h);
};

// Wraps handles of one kind; FromHandle(nullptr) is null.
template <class TObject, class THandle>
TObject* GdiFromHandle(THandle h) {
  if (h == nullptr) return nullptr;
  return static_cast<TObject*>(CGdiObject::FromHandle(h));
}
