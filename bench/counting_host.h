// A host that hands every call on to another and watches two of them, for
// the benchmarks that measure the program from outside: it counts presents
// and notes when the first came, and it lets the benchmark look in whenever
// the program asks for input and finds none, which in a run is the pump
// between two steps. Events the benchmark injects are handed out before the
// inner host's own, as if they had just arrived.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "platform/host/host.h"

class CCountingHost final : public host::IHost {
 public:
  using Clock = std::chrono::steady_clock;
  // Called when a poll found nothing waiting, and before the program
  // waits; whatever it injects comes with the next poll or wait. It is
  // called in place, with no copy (a copy could allocate at every look), so
  // it must not set another hook while it runs.
  using LookHook = std::function<void()>;

  explicit CCountingHost(host::IHost* inner) : m_inner(inner) {}
  CCountingHost(const CCountingHost&) = delete;
  CCountingHost& operator=(const CCountingHost&) = delete;
  ~CCountingHost() override = default;

  // IHost: all as the inner host does them, the inputs first from the
  // injected ones.
  host::SurfaceId CreateSurface(int width, int height, const std::string& caption) override {
    return m_inner->CreateSurface(width, height, caption);
  }
  void DestroySurface(host::SurfaceId id) override { m_inner->DestroySurface(id); }
  void SetCaption(host::SurfaceId id, const std::string& utf8) override {
    m_inner->SetCaption(id, utf8);
  }
  void Show(host::SurfaceId id, bool visible) override { m_inner->Show(id, visible); }
  void Resize(host::SurfaceId id, int width, int height) override {
    m_inner->Resize(id, width, height);
  }
  void SetPosition(host::SurfaceId id, int x, int y) override { m_inner->SetPosition(id, x, y); }
  void GetPosition(host::SurfaceId id, int* x, int* y) override { m_inner->GetPosition(id, x, y); }
  void SetState(host::SurfaceId id, host::SurfaceState state) override {
    m_inner->SetState(id, state);
  }
  void Raise(host::SurfaceId id) override { m_inner->Raise(id); }
  void SetRole(host::SurfaceId id, const host::SurfaceRole& role) override {
    m_inner->SetRole(id, role);
  }
  void SetIcon(host::SurfaceId id, const host::IconImage* images, int count) override {
    m_inner->SetIcon(id, images, count);
  }
  void Present(host::SurfaceId id, const std::uint32_t* pixels, int width, int height, int stride,
               const host::Rect* rects, int count) override;
  bool PollEvent(host::Event* event) override;
  bool WaitEvent(host::Event* event, int timeout_ms) override;
  std::uint64_t NowMs() override { return m_inner->NowMs(); }
  int FrameIntervalMs() override { return m_inner->FrameIntervalMs(); }
  std::string GetClipboardText() override { return m_inner->GetClipboardText(); }
  void SetClipboardText(const std::string& utf8) override { m_inner->SetClipboardText(utf8); }
  host::Rect GetWorkArea() override { return m_inner->GetWorkArea(); }

  // What the benchmark drives and reads. PresentCount counts every Present
  // call since the host was made; FirstPresent is when the first one began
  // (the epoch of Clock before it).
  void SetLookHook(LookHook hook) { m_hook = std::move(hook); }
  void Inject(const host::Event& event) { m_injected.push_back(event); }
  void InjectQuit();
  std::uint64_t PresentCount() const { return m_presents; }
  Clock::time_point FirstPresent() const { return m_firstPresent; }

 private:
  bool TakeInjected(host::Event* event);
  void Look();

  host::IHost* m_inner;
  LookHook m_hook;
  std::deque<host::Event> m_injected;
  std::uint64_t m_presents = 0;
  Clock::time_point m_firstPresent{};
};
