#include "platform/win/dlg/color_chooser.h"
#include "platform/win/dlg/color_layout.h"

BOOL ChooseColorA(CHOOSECOLORA* cc) {
  if (cc == nullptr || cc->lStructSize != sizeof(CHOOSECOLORA)) return FALSE;
  if (cc->hwndOwner != nullptr && !IsWindow(cc->hwndOwner)) return FALSE;
  HWND owner = cc->hwndOwner != nullptr ? cc->hwndOwner : GetActiveWindow();
  dlg::CColorChooser chooser(cc);
  const INT_PTR result =
      DialogBoxIndirectParamA(nullptr, &dlg::ColorDialogTemplate(), owner,
                              &dlg::CColorChooser::DialogProc, reinterpret_cast<LPARAM>(&chooser));
  if (result != IDOK) return FALSE;
  cc->rgbResult = chooser.Color();
  return TRUE;
}
