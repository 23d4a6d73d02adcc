#include "platform/afx/gdi_object.h"

#include <memory>
#include <unordered_map>

#include "platform/afx/bitmap.h"
#include "platform/afx/brush.h"
#include "platform/afx/font.h"
#include "platform/afx/pen.h"

namespace {

std::unordered_map<HGDIOBJ, CGdiObject*>& Attached() {
  static std::unordered_map<HGDIOBJ, CGdiObject*> map;
  return map;
}

// Wrappers for handles nobody attached, kept so that a pointer handed out
// stays valid; there is one per handle, so they cannot pile up.
std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>>& Wrappers() {
  static std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>> map;
  return map;
}

std::unique_ptr<CGdiObject> MakeWrapper(HGDIOBJ h) {
  switch (GetObjectType(h)) {
    case OBJ_PEN:
      return std::make_unique<CPen>();
    case OBJ_BRUSH:
      return std::make_unique<CBrush>();
    case OBJ_FONT:
      return std::make_unique<CFont>();
    case OBJ_BITMAP:
      return std::make_unique<CBitmap>();
    default:
      return std::make_unique<CGdiObject>();
  }
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::Lookup(HGDIOBJ h) {
  const auto it = Attached().find(h);
  return it != Attached().end() ? it->second : nullptr;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) {
  if (h == nullptr) return nullptr;
  if (CGdiObject* p = Lookup(h)) return p;
  auto& slot = Wrappers()[h];
  if (!slot) {
    slot = MakeWrapper(h);
    slot->m_hObject = h;  // not attached: never deletes the handle
  }
  return slot.get();
}

BOOL CGdiObject::Attach(HGDIOBJ h) {
  if (h == nullptr || m_hObject != nullptr) return FALSE;
  m_hObject = h;
  Attached()[h] = this;
  const auto it = Wrappers().find(h);
  if (it != Wrappers().end()) {
    it->second->m_hObject = nullptr;
    Wrappers().erase(it);
  }
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h != nullptr) {
    const auto it = Attached().find(h);
    if (it != Attached().end() && it->second == this) Attached().erase(it);
  }
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  if (Lookup(m_hObject) != this) {
    // A wrapper only borrowed its handle.
    m_hObject = nullptr;
    return FALSE;
  }
  return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
  HGDIOBJ h = GetStockObject(nIndex);
  if (h == nullptr || m_hObject != nullptr) return FALSE;
  m_hObject = h;  // stock objects are shared: not attached, never deleted
  return TRUE;
}
