// The root of everything that takes messages and commands: it owns the
// message map chain and routes commands through it.
#pragma once

#include "platform/afx/message_map.h"

class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  // Looks for a handler of command `nID` with notification `nCode` in this
  // object's map chain. With pHandlerInfo it only says whether one exists;
  // otherwise it calls it (`pExtra` is the CCmdUI* of an update request).
  // TRUE when a handler was found.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // The first entry for a window message, or for a command id and
  // notification code, in the chain; or null.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;
  const AFX_MSGMAP_ENTRY* FindCommandEntry(UINT nID, UINT code) const;
};
