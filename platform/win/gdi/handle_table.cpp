#include "platform/win/gdi/handle_table.h"

namespace gdi {

CHandleTable& CHandleTable::Instance() {
  static auto* table = new CHandleTable;
  return *table;
}

void CHandleTable::Add(const void* handle, ObjectKind kind, bool stock) {
  if (handle == nullptr) return;
  m_entries[handle] = SEntry{kind, stock, false, 0};
}

void CHandleTable::Remove(const void* handle) { m_entries.Erase(handle); }

bool CHandleTable::IsLive(const void* handle, ObjectKind kind) const {
  if (handle == nullptr) return false;
  const SEntry* entry = m_entries.Find(handle);
  return entry != nullptr && entry->kind == kind && !entry->deletePending;
}

bool CHandleTable::KindOf(const void* handle, ObjectKind* kind) const {
  const SEntry* entry = m_entries.Find(handle);
  if (entry == nullptr || entry->deletePending) return false;
  *kind = entry->kind;
  return true;
}

bool CHandleTable::IsStock(const void* handle) const {
  const SEntry* entry = m_entries.Find(handle);
  return entry != nullptr && entry->stock;
}

void CHandleTable::Retain(HGDIOBJ object) {
  SEntry* entry = m_entries.Find(object);
  if (entry != nullptr && !entry->stock) ++entry->uses;
}

void CHandleTable::Release(HGDIOBJ object) {
  SEntry* entry = m_entries.Find(object);
  if (entry == nullptr || entry->stock) return;
  if (--entry->uses > 0 || !entry->deletePending) return;
  const ObjectKind kind = entry->kind;
  m_entries.Erase(object);
  Destroy(object, kind);
}

bool CHandleTable::DeleteObject(HGDIOBJ object) {
  SEntry* found = m_entries.Find(object);
  if (found == nullptr || found->deletePending) return false;
  SEntry& entry = *found;
  if (entry.kind == ObjectKind::kDC || entry.kind == ObjectKind::kIcon) return false;
  if (entry.stock) return true;
  if (entry.uses > 0) {
    entry.deletePending = true;
    return true;
  }
  const ObjectKind kind = entry.kind;
  m_entries.Erase(object);
  Destroy(object, kind);
  return true;
}

void CHandleTable::Destroy(HGDIOBJ object, ObjectKind kind) {
  switch (kind) {
    case ObjectKind::kPen:
      delete static_cast<CGdiPen*>(static_cast<HPEN__*>(object));
      break;
    case ObjectKind::kBrush:
      delete static_cast<CGdiBrush*>(static_cast<HBRUSH__*>(object));
      break;
    case ObjectKind::kBitmap: {
      auto* bitmap = static_cast<CGdiBitmap*>(static_cast<HBITMAP__*>(object));
      DestroySurface(bitmap->m_surface);
      delete bitmap;
      break;
    }
    case ObjectKind::kFont:
      delete static_cast<CGdiFont*>(static_cast<HFONT__*>(object));
      break;
    case ObjectKind::kDC:
    case ObjectKind::kIcon:
      break;
  }
}

namespace {

template <class TRecord, class TTag>
TRecord* FindAs(HGDIOBJ object, ObjectKind kind) {
  if (!CHandleTable::Instance().IsLive(object, kind)) return nullptr;
  return static_cast<TRecord*>(static_cast<TTag*>(object));
}

}  // namespace

CGdiPen* FindPen(HGDIOBJ object) { return FindAs<CGdiPen, HPEN__>(object, ObjectKind::kPen); }
CGdiBrush* FindBrush(HGDIOBJ object) {
  return FindAs<CGdiBrush, HBRUSH__>(object, ObjectKind::kBrush);
}
CGdiBitmap* FindBitmap(HGDIOBJ object) {
  return FindAs<CGdiBitmap, HBITMAP__>(object, ObjectKind::kBitmap);
}
CGdiFont* FindFont(HGDIOBJ object) { return FindAs<CGdiFont, HFONT__>(object, ObjectKind::kFont); }
CGdiIcon* FindIcon(HICON icon) {
  if (!CHandleTable::Instance().IsLive(icon, ObjectKind::kIcon)) return nullptr;
  return static_cast<CGdiIcon*>(icon);
}

}  // namespace gdi
