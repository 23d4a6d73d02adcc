#include "dialogs/instructions_dlg.h"

#include "res/resource.h"

namespace {

const char* const kLines[] = {
    "TO PLACE A BODY:",
    "Click and drag with the left mouse button",
    "to place a body in space and assign",
    "an initial velocity vector.  The longer",
    "the vector, the faster the initial velocity.",
    "",
    "Once the body is placed, the Properties",
    "dialog will pop up allowing changes to its",
    "mass, velocity and color.",
    "",
    "TO MODIFY A BODY:",
    "Right click on a body to pop up the Properties",
    "dialog.",
    "",
    "TO CONTROL THE SIMULATION:",
    "Slide the delta-t control to vary the time step",
    "from 1 to 100,000 seconds.  1 second intervals",
    "are most accurate but slowest.  Bigger steps",
    "are faster but only approximate reality.",
    "The current value of delta-t is shown on the",
    "status bar below the slider.",
    "",
    "Slide the G control to vary the gravitational",
    "constant of the universe.",
    "The current value of G is shown on the status",
    "bar below the slider.",
    "",
    "Use the Go and Stop buttons, or the Go",
    "and Stop menu commands to start and pause",
    "the simulation.  These commands are",
    "enabled after the first body is created.",
};

}  // namespace

BEGIN_MESSAGE_MAP(CInstructionsDlg, CDialog)
END_MESSAGE_MAP()

CInstructionsDlg::CInstructionsDlg(CWnd* pParent) : CDialog(IDD_INSTRUCTIONS, pParent) {}

CInstructionsDlg::~CInstructionsDlg() = default;

void CInstructionsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_INSTRUCTIONS_LIST, m_list);
}

BOOL CInstructionsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (const char* line : kLines) {
    ::SendMessageA(m_list.m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  return TRUE;
}
