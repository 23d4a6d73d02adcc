// Which handles name live objects. Every public call looks its handles up
// here before touching them, so a null, foreign or deleted handle fails
// cleanly instead of being dereferenced.
//
// GDI objects also carry a use count: each device-context state that holds
// an object (the current one and each saved one) keeps it alive, so that
// DeleteObject on an object still in use only marks it, and the object goes
// when the last state lets it go.
#pragma once

#include "platform/win/gdi/gdi_objects.h"
#include "platform/win/pointer_table.h"

namespace gdi {

class CHandleTable {
 public:
  // Never destroyed, so that objects still alive at exit stay reachable.
  static CHandleTable& Instance();

  void Add(const void* handle, ObjectKind kind, bool stock = false);
  // Forgets a handle without freeing anything (DCs and icons free themselves).
  void Remove(const void* handle);

  // True when `handle` names a live object of `kind` (one marked for
  // deletion no longer counts).
  bool IsLive(const void* handle, ObjectKind kind) const;
  bool KindOf(const void* handle, ObjectKind* kind) const;
  bool IsStock(const void* handle) const;

  void Retain(HGDIOBJ object);
  void Release(HGDIOBJ object);
  // TRUE also for stock objects (kept) and objects in use (deleted later).
  bool DeleteObject(HGDIOBJ object);

 private:
  struct SEntry {
    ObjectKind kind;
    bool stock = false;
    bool deletePending = false;
    int uses = 0;
  };

  CHandleTable() = default;
  void Destroy(HGDIOBJ object, ObjectKind kind);

  CPointerTable<SEntry> m_entries;
};

// The typed look-ups every public call starts with; null for a bad handle.
CGdiPen* FindPen(HGDIOBJ object);
CGdiBrush* FindBrush(HGDIOBJ object);
CGdiBitmap* FindBitmap(HGDIOBJ object);
CGdiFont* FindFont(HGDIOBJ object);
CGdiIcon* FindIcon(HICON icon);

}  // namespace gdi
