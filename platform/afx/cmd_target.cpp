#include "platform/afx/cmd_target.h"

#include <cstddef>
#include <cstdint>

namespace {

// Where the answer for (map, key) is remembered in a cache of 2^bits slots.
// Every bit of both goes into the product, so that two maps asked about the
// same key (a frame and the application, for one command) do not keep
// evicting each other.
std::size_t Slot(const AFX_MSGMAP* map, std::uint64_t key, unsigned bits) {
  const std::uint64_t mixed = (static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(map)) ^
                               (key * 0xC2B2AE3D27D4EB4FULL)) *
                              0x9E3779B97F4A7C15ULL;
  return static_cast<std::size_t>(mixed >> (64U - bits));
}

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY kEntries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP kMap = {nullptr, kEntries};
  return &kMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  const AFX_MSGMAP_ENTRY* e = FindCommandEntry(nID, static_cast<UINT>(nCode));
  if (e == nullptr) return FALSE;
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

const AFX_MSGMAP_ENTRY* CCmdTarget::FindCommandEntry(UINT nID, UINT code) const {
  // Remembered as FindMessageEntry's answers are: the status bar asks the
  // frame about each of its panes after every step.
  struct SSlot {
    const AFX_MSGMAP* map;
    UINT id;
    UINT code;
    const AFX_MSGMAP_ENTRY* entry;
  };
  static SSlot cache[256];
  const AFX_MSGMAP* first = GetMessageMap();
  const std::size_t slot = Slot(first, (std::uint64_t{nID} << 32U) ^ code, 8);
  SSlot& remembered = cache[slot];
  if (remembered.map == first && remembered.id == nID && remembered.code == code) {
    return remembered.entry;
  }
  const AFX_MSGMAP_ENTRY* found = nullptr;
  for (const AFX_MSGMAP* map = first; map != nullptr && found == nullptr;
       map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
      if (e->nMessage == WM_COMMAND && e->nCode == code && nID >= e->nID && nID <= e->nLastID) {
        found = e;
        break;
      }
    }
  }
  remembered = SSlot{first, nID, code, found};
  return found;
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
  const std::size_t slot = Slot(first, message, 9);
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
