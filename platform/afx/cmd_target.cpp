#include "platform/afx/cmd_target.h"

#include <cstddef>
#include <cstdint>

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY kEntries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP kMap = {nullptr, kEntries};
  return &kMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  const auto code = static_cast<UINT>(nCode);
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
      if (e->nMessage != WM_COMMAND || e->nCode != code || nID < e->nID || nID > e->nLastID) {
        continue;
      }
      if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pfn = e->pfn;
        return TRUE;
      }
      // The handler may end this object's life (Exit deletes the frame), so
      // nothing here touches it afterwards.
      e->pfn(this, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(pExtra));
      return TRUE;
    }
  }
  return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message) const {
  // Message maps are static tables, so what a class's chain answers for a
  // message never changes: the answer is remembered, since the idle work
  // alone asks every window for the same message after each step.
  struct SSlot {
    const AFX_MSGMAP* map;
    UINT message;
    const AFX_MSGMAP_ENTRY* entry;
  };
  static SSlot cache[512];
  const AFX_MSGMAP* first = GetMessageMap();
  const std::size_t slot =
      ((reinterpret_cast<std::uintptr_t>(first) >> 4U) ^ (std::uintptr_t{message} * 2654435761U)) &
      511U;
  SSlot& remembered = cache[slot];
  if (remembered.map == first && remembered.message == message) return remembered.entry;
  const AFX_MSGMAP_ENTRY* found = nullptr;
  for (const AFX_MSGMAP* map = first; map != nullptr && found == nullptr;
       map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
      if (e->nMessage == message && message != WM_COMMAND) {
        found = e;
        break;
      }
    }
  }
  remembered = SSlot{first, message, found};
  return found;
}
