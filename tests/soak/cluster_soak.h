// Ten bodies in a tight cluster at the largest G and the longest time step,
// run through the program's own Go on the headless host: the harshest load
// a user can give the run loop. The cluster flings itself apart in a few
// steps and the bodies end far beyond the field, where every pixel
// saturates; that is the part worth soaking.
#pragma once

#include <functional>
#include <string>

#include "platform/host/headless/headless_host.h"
#include "platform/win/windef.h"

class CSimFrame;
class CWnd;

class CClusterSoak {
 public:
  CClusterSoak() = default;
  CClusterSoak(const CClusterSoak&) = delete;
  CClusterSoak& operator=(const CClusterSoak&) = delete;
  // Closes the program and shuts the window system down, so that the leak
  // checker sees only what the program itself kept.
  ~CClusterSoak();

  // Makes the main window as the program does, takes both sliders to their
  // tops with the keyboard and places the cluster. False, with the reason
  // in *error, when the program did not come up or the sliders did not give
  // the extremes.
  bool Start(std::string* error);

  // Clicks Go and lets the run make `steps` steps, then clicks Stop. Each
  // step moves the host's clock on a millisecond, so the layer presents as
  // it would at a thousand steps a second. `progress` is called with the
  // count after every `every` steps (never when `every` is 0 or less). The
  // result is the number of steps the run made (`steps` when Stop ended it
  // at the first look for input after the click, as it must), or -1 when
  // the run did not end with Stop.
  long long Run(long long steps, long long every, const std::function<void(long long)>& progress);

  // One line about where the cluster is: how many bodies have left the
  // 32-bit pixel range, how many have a coordinate that is no longer finite
  // (infinite or NaN), and the farthest finite coordinate.
  std::string Summary() const;

  std::uint64_t PresentCount() const { return m_host.PresentCount(); }

 private:
  // Move, press and release at the centre of a button of the frame.
  void PushClick(const CWnd& button);
  void PushMouse(host::EventType type, POINT at);  // surface pixels
  void PushKey(HWND target, int vkey);
  void Settle();

  host::CHeadlessHost m_host;
  CSimFrame* m_frame = nullptr;
  bool m_started = false;
};
