// The framework on a headless window system, with a small resource module of
// its own, for the framework's tests.
#pragma once

#include <gtest/gtest.h>

#include "platform/afx/afxwin.h"
#include "platform/host/headless/headless_host.h"

inline constexpr UINT kTestMenu = 300;
inline constexpr UINT kIndicatorA = 301;       // "A pane"
inline constexpr UINT kIndicatorB = 302;       // "Longer pane text"
inline constexpr UINT kPromptedCommand = 303;  // prompt "Does a thing\nThing"
inline constexpr UINT kSilentCommand = 304;    // no string

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Dispatches everything waiting, paints included.
  void Pump();
  host::CHeadlessHost m_host;
};

// A window class whose windows go to the framework, for plain CWnd tests.
LPCSTR FrameworkWindowClass();
