#include "bench/counting_host.h"

void CCountingHost::Present(host::SurfaceId id, const std::uint32_t* pixels, int width, int height,
                            int stride, const host::Rect* rects, int count) {
  if (m_presents++ == 0) m_firstPresent = Clock::now();
  m_inner->Present(id, pixels, width, height, stride, rects, count);
}

void CCountingHost::InjectQuit() {
  host::Event quit;
  quit.type = host::EventType::kQuit;
  Inject(quit);
}

bool CCountingHost::TakeInjected(host::Event* event) {
  if (m_injected.empty() || event == nullptr) return false;
  *event = m_injected.front();
  m_injected.pop_front();
  return true;
}

void CCountingHost::Look() {
  if (m_hook) m_hook();
}

bool CCountingHost::PollEvent(host::Event* event) {
  if (TakeInjected(event)) return true;
  if (m_inner->PollEvent(event)) return true;
  Look();
  return false;
}

bool CCountingHost::WaitEvent(host::Event* event, int timeout_ms) {
  if (TakeInjected(event)) return true;
  Look();
  if (TakeInjected(event)) return true;
  return m_inner->WaitEvent(event, timeout_ms);
}
