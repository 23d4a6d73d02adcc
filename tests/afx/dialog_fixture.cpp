#include "tests/afx/dialog_fixture.h"

#include <algorithm>

#include "platform/win/dlg/dialog_classes.h"
#include "platform/win/res/resources.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kField = kChild | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kSpin = kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;

constexpr DialogItemTemplate kVelocityItems[] = {
    {"BUTTON", IDOK, "OK", 4, 100, 42, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"EDIT", kVxEdit, "", 19, 6, 64, 13, kField},
    {"msctls_updown32", kVxSpin, "Spin1", 73, 6, 11, 15, kSpin},
    {"EDIT", kVyEdit, "", 19, 22, 64, 13, kField},
    {"msctls_updown32", kVySpin, "Spin2", 73, 22, 11, 15, kSpin},
    {"BUTTON", kColorButton, "Color...", 16, 40, 30, 14, kChild | WS_TABSTOP},
    {"LISTBOX", kLinesList, "", 4, 58, 90, 36,
     kChild | LBS_NOSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {"BUTTON", IDCANCEL, "Cancel", 51, 100, 42, 14, kChild | WS_TABSTOP},
};
constexpr DialogTemplate kVelocity{.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
                                   .cx = 98,
                                   .cy = 120,
                                   .caption = "Velocity",
                                   .pointSize = 8,
                                   .faceName = "MS Sans Serif",
                                   .items = kVelocityItems};

constexpr DialogItemTemplate kBrokenItems[] = {
    {"BUTTON", IDOK, "OK", 4, 4, 42, 14, kChild | WS_TABSTOP},
    {"NoSuchControl", 1, "", 4, 20, 42, 14, kChild},
};
constexpr DialogTemplate kBroken{
    .style = WS_POPUP | WS_CAPTION, .cx = 60, .cy = 40, .items = kBrokenItems};

constexpr DialogItemTemplate kModelessItems[] = {
    {"EDIT", kVxEdit, "one", 4, 4, 60, 13, kField},
    {"EDIT", kVyEdit, "two", 4, 20, 60, 13, kField},
    {"BUTTON", IDOK, "OK", 4, 36, 42, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
};
constexpr DialogTemplate kModeless{.style = WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                   .cx = 70,
                                   .cy = 56,
                                   .caption = "Modeless",
                                   .items = kModelessItems};

constexpr ResourceEntry<DialogTemplate> kDialogs[] = {
    {kVelocityDialog, &kVelocity},
    {kBrokenDialog, &kBroken},
    {kModelessDialog, &kModeless},
};
const ResourceModule kModule{"framework-dialog-tests", LANG_EN_US, {}, {}, kDialogs};

}  // namespace

void DialogFrameworkTest::SetUp() {
  FrameworkTest::SetUp();
  RegisterDialogClasses();
  AfxSetResourceHandle(RegisterResourceModule(&kModule));
  m_host.SetEventSource([this](host::Event* e, bool blocking) {
    if (!blocking || m_steps.empty()) return false;
    const std::function<void()> step = std::move(m_steps.front());
    m_steps.pop_front();
    step();
    if (m_host.QueuedEventCount() > 0) return false;
    // A step that only looked still wakes the loop.
    *e = host::Event{};
    e->type = host::EventType::kFocusLost;
    return true;
  });
}

void DialogFrameworkTest::TearDown() {
  m_host.SetEventSource(nullptr);
  FrameworkTest::TearDown();
}

void DialogFrameworkTest::Script(std::vector<std::function<void()>> steps) {
  m_steps.assign(steps.begin(), steps.end());
}

void DialogFrameworkTest::ClickChild(HWND child, int x, int y) {
  const POINT o = ClientOriginInSurface(child);
  for (const auto type : {host::EventType::kMouseDown, host::EventType::kMouseUp}) {
    host::Event e;
    e.type = type;
    e.surface = TopLevelOf(child)->hostId;
    e.x = o.x + x;
    e.y = o.y + y;
    m_host.PushEvent(e);
  }
}

void DialogFrameworkTest::Tap(HWND top, int vkey, unsigned modifiers) {
  for (const auto type : {host::EventType::kKeyDown, host::EventType::kKeyUp}) {
    host::Event e;
    e.type = type;
    e.surface = top->hostId;
    e.vkey = vkey;
    e.modifiers = modifiers;
    m_host.PushEvent(e);
  }
}

void DialogFrameworkTest::Type(HWND top, const std::string& text) {
  host::Event e;
  e.type = host::EventType::kText;
  e.surface = top->hostId;
  text.copy(e.text, std::min(text.size(), sizeof e.text - 1));
  m_host.PushEvent(e);
}

CFrameWnd* DialogFrameworkTest::MakeFrame() {
  auto* frame = new CFrameWnd;
  if (!frame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(100, 80, 600, 480))) {
    return nullptr;
  }
  frame->ShowWindow(SW_SHOW);
  Pump();
  return frame;
}
