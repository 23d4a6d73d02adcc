// The SDL host: each surface is a real window of the desktop, input comes
// from SDL. The rest of the program sees only IHost; SDL's own headers stay
// in this folder's sources.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/host/host.h"

struct SDL_Window;
struct SDL_Rect;
union SDL_Event;

namespace host {

class CSdlHost final : public IHost {
 public:
  // Starts SDL's video. Returns null, with one line for the user in *error,
  // when there is no display to show windows on, when SDL cannot start, or
  // while another CSdlHost is alive (SDL is one per process). A driver named
  // in SDL_VIDEODRIVER is taken as asked, even one that shows nothing.
  static std::unique_ptr<CSdlHost> Create(std::string* error);
  CSdlHost(const CSdlHost&) = delete;
  CSdlHost& operator=(const CSdlHost&) = delete;
  // Destroys the remaining windows and stops SDL.
  ~CSdlHost() override;

  // IHost. Each surface is a hidden, fixed-size window until Show; unknown
  // ids do nothing (GetPosition yields 0, 0). SetState asks the window
  // manager and leaves sizes to the layer, which follows with Resize and
  // SetPosition. State events that repeat the state a surface is already in
  // (such as the echo of SetState) are not delivered. Events for windows
  // that are not ours, and that the layer has no use for, are dropped.
  SurfaceId CreateSurface(int width, int height, const std::string& caption) override;
  void DestroySurface(SurfaceId id) override;
  void SetCaption(SurfaceId id, const std::string& utf8) override;
  void Show(SurfaceId id, bool visible) override;
  void Resize(SurfaceId id, int width, int height) override;
  void SetPosition(SurfaceId id, int x, int y) override;
  void GetPosition(SurfaceId id, int* x, int* y) override;
  void SetState(SurfaceId id, SurfaceState state) override;
  void Raise(SurfaceId id) override;
  void SetRole(SurfaceId id, const SurfaceRole& role) override;
  void SetIcon(SurfaceId id, const IconImage* images, int count) override;
  void Present(SurfaceId id, const std::uint32_t* pixels, int width, int height, int stride,
               const Rect* rects, int count) override;
  bool PollEvent(Event* event) override;
  bool WaitEvent(Event* event, int timeout_ms) override;
  std::uint64_t NowMs() override;
  int FrameIntervalMs() override { return m_frameIntervalMs; }
  std::string GetClipboardText() override;
  void SetClipboardText(const std::string& utf8) override;
  Rect GetWorkArea() override;

  // The SDL window id behind a surface, 0 for unknown ids: for tests that
  // feed SDL events in and look at a window's pixels.
  std::uint32_t WindowIdOf(SurfaceId id) const;

  // How many screen pixels a side each surface pixel takes. The first
  // surface, the program's main window, settles it for the session (see
  // ChooseScale): the desktop's scale, lowered until that window fits the
  // work area of the first display. Before that it is 1. Above the host
  // nothing knows of it: sizes, positions, the work area and the pointer
  // are all in surface pixels, which the host multiplies on the way to the
  // screen and divides, rounding down, on the way back.
  int Scale() const { return m_scale; }

 private:
  struct SWindow {
    SDL_Window* window = nullptr;
    SurfaceState state = SurfaceState::kNormal;
    SurfaceRole role;
    int x = 0;  // where the client area was last asked to be or reported,
    int y = 0;  // in surface pixels
    // How many screen pixels further it lies, 0 to the scale less 1: the
    // window manager may put a window anywhere.
    int phaseX = 0;
    int phaseY = 0;
  };

  CSdlHost();
  SWindow* Find(SurfaceId id);
  void SettleScale(SDL_Window* window, int width, int height);
  int ScreenSide(int side) const;  // a window's side for a surface's, clamped
  int ToScreen(int coordinate, int phase) const;
  void TakeScreenPosition(SWindow* window, int x, int y) const;
  void ToSurfacePixels(Event* event) const;
  void MakePopup(SurfaceId id, SWindow* window);
  // Routes a translated event to its surface; false when it is dropped.
  bool Deliver(const SDL_Event& sdl, Event* event);
  bool WaitEventThroughSdl(Event* event, int timeout_ms);
  int DisplayConnection();

  std::map<SurfaceId, SWindow> m_windows;
  std::unordered_map<std::uint32_t, SurfaceId> m_byWindowId;
  SurfaceId m_nextId = 1;
  int m_scale = 1;
  bool m_scaleSettled = false;
  int m_frameIntervalMs = 16;
  int m_displayFd = -1;                          // the X11 connection, once known
  std::uint64_t m_lastPump = ~std::uint64_t{0};  // when the display server was last asked
  std::vector<SDL_Rect> m_updateRects;           // kept to spare an allocation per Present
};

}  // namespace host
