// The headless host: surfaces, input and the clock kept in memory, so that
// the layer's tests, the sanitizer build and the scripted driver run the same
// way on every machine, with no display and no real time.
//
// Index
//   IHost                 what the layer sees (see platform/host/host.h)
//   Input and the clock   what the tests and the driver feed in
//   Inspection            what they read back: surface state, pixels, counts
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/host.h"

namespace host {

class CHeadlessHost final : public IHost {
 public:
  static constexpr int kScreenWidth = 1024;
  static constexpr int kScreenHeight = 768;
  static constexpr int kFrameIntervalMs = 16;
  // Sizes are raised to 1 and cut to this, as a real host's windows would be.
  static constexpr int kMaxSurfaceSide = 8192;

  CHeadlessHost() = default;
  CHeadlessHost(const CHeadlessHost&) = delete;
  CHeadlessHost& operator=(const CHeadlessHost&) = delete;
  ~CHeadlessHost() override = default;

  // IHost. Ids are never reused, so a stale id stays unknown; every call
  // with an unknown id does nothing (GetPosition yields 0, 0). New surfaces
  // start hidden, black and normal, cascaded from (40, 30) in steps of 20.
  // SetState and Raise record what was asked and send no events: those
  // events mean the user acted through host decorations, which do not exist
  // here. Present copies only what lies inside both the caller's pixels and
  // the surface; anything else in the call is ignored.
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
  std::uint64_t NowMs() override { return m_clockMs; }
  int FrameIntervalMs() override { return kFrameIntervalMs; }
  std::string GetClipboardText() override { return m_clipboard; }
  void SetClipboardText(const std::string& utf8) override { m_clipboard = utf8; }
  Rect GetWorkArea() override { return {0, 0, kScreenWidth, kScreenHeight}; }

  // Input and the clock. PushEvent queues an event behind those already
  // waiting. The event source, when set, is asked for one event whenever the
  // queue is empty; `blocking` is true when the layer is about to wait (a
  // script may then advance the clock to its next step). A source may push
  // events or replace itself while it is being asked. WaitEvent, with
  // nothing queued and nothing from the source, returns kQuit: no input can
  // ever come, so the session ends instead of hanging. A zero timeout is a
  // poll. The clock starts at 0 and moves only through AdvanceClock, which
  // stops at the largest value rather than wrapping.
  using EventSource = std::function<bool(Event* event, bool blocking)>;
  void PushEvent(const Event& event) { m_queue.push_back(event); }
  void SetEventSource(EventSource source);
  void AdvanceClock(std::uint64_t ms);
  std::size_t QueuedEventCount() const { return m_queue.size(); }

  // Inspection, for the tests and the driver. Unknown ids read as an empty
  // caption, hidden, kNormal, position and size 0, no pixels, no presents.
  // Pixels are what has been presented, width pixels a row; resizing keeps
  // the part that still fits and makes the new part black. Surfaces lists
  // the live ids in the order they were made; Focused is the surface last
  // raised (kNoSurface once it is destroyed). WriteSnapshot saves a
  // surface's presented pixels as a PNG, false when it cannot.
  bool HasSurface(SurfaceId id) const { return m_surfaces.contains(id); }
  std::vector<SurfaceId> Surfaces() const;
  std::string Caption(SurfaceId id) const;
  bool IsVisible(SurfaceId id) const;
  SurfaceState State(SurfaceId id) const;
  void GetSize(SurfaceId id, int* width, int* height) const;
  const std::vector<std::uint32_t>& Pixels(SurfaceId id) const;
  std::uint32_t PixelAt(SurfaceId id, int x, int y) const;  // 0 outside
  SurfaceId Focused() const { return m_focused; }
  // What the layer said the surface is, and the sizes (width by height) of
  // the icon images it gave, in the order given.
  SurfaceRole Role(SurfaceId id) const;
  std::vector<std::pair<int, int>> IconSizes(SurfaceId id) const;
  // Calls naming a live surface, whatever their rectangles; the total keeps
  // counting the calls for surfaces since destroyed.
  std::uint64_t PresentCount() const { return m_presentCount; }
  std::uint64_t PresentCount(SurfaceId id) const;
  // The rectangles of the last Present to a surface, clipped as applied.
  std::vector<Rect> LastPresentedRects(SurfaceId id) const;
  bool WriteSnapshot(SurfaceId id, const std::string& path) const;

 private:
  struct SSurface {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    std::string caption;
    bool visible = false;
    SurfaceState state = SurfaceState::kNormal;
    SurfaceRole role;
    std::vector<std::pair<int, int>> iconSizes;
    std::vector<std::uint32_t> pixels;
    std::uint64_t presentCount = 0;
    std::vector<Rect> lastRects;
  };

  SSurface* Find(SurfaceId id);
  const SSurface* Find(SurfaceId id) const;
  bool NextFromSource(Event* event, bool blocking);

  std::map<SurfaceId, SSurface> m_surfaces;  // ordered by id, so by creation
  SurfaceId m_nextId = 1;
  unsigned m_created = 0;
  SurfaceId m_focused = kNoSurface;
  std::uint64_t m_presentCount = 0;
  std::deque<Event> m_queue;
  EventSource m_source;
  unsigned m_sourceGeneration = 0;
  std::uint64_t m_clockMs = 0;
  std::string m_clipboard;
};

}  // namespace host
