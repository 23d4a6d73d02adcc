#include "tests/afx/afx_fixture.h"

#include "platform/win/res/resources.h"
#include "platform/win/system/system.h"

namespace {

constexpr MenuItemTemplate kDropDown[] = {
    {0, kPromptedCommand, "&Prompted"},
    {MF_SEPARATOR, 0, ""},
    {MF_END, kSilentCommand, "&Silent"},
};
constexpr MenuItemTemplate kBar[] = {
    {MF_POPUP | MF_END, 0, "&Things", kDropDown},
};
constexpr MenuTemplate kMenu{kBar};
constexpr ResourceEntry<MenuTemplate> kMenus[] = {{kTestMenu, &kMenu}};

constexpr StringEntry kStrings[] = {
    {kTestMenu, "Test frame\nignored"},
    {kIndicatorA, "A pane"},
    {kIndicatorB, "Longer pane text"},
    {kPromptedCommand, "Does a thing\nThing"},
    {static_cast<WORD>(AFX_IDS_IDLEMESSAGE), "Ready"},
};

const ResourceModule kModule{"framework-tests", LANG_EN_US, kMenus, kStrings};

}  // namespace

void FrameworkTest::SetUp() {
  InitWindowSystem(&m_host);
  AfxSetResourceHandle(RegisterResourceModule(&kModule));
}

void FrameworkTest::TearDown() {
  AfxSetResourceHandle(nullptr);
  AfxDeleteTempMaps();
  CDC::DeleteTempMap();
  ShutdownWindowSystem();
}

void FrameworkTest::Pump() {
  MSG msg;
  for (int guard = 0; guard < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

LPCSTR FrameworkWindowClass() {
  static const char* kName = "FrameworkTestWindow";
  WNDCLASSA wc{};
  if (!GetClassInfoA(nullptr, kName, &wc)) {
    wc.lpfnWndProc = &AfxWndProc;
    wc.lpszClassName = kName;
    RegisterClassA(&wc);
  }
  return kName;
}
