// The application object: one static instance, whose InitInstance makes and
// shows the main frame.
#pragma once

#include "platform/afx/afxwin.h"

class CSimApp : public CWinApp {
 public:
  CSimApp();
  ~CSimApp() override;

  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
