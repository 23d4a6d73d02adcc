#include "platform/host/headless/headless_host.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/host/headless/png_file.h"

namespace host {
namespace {

constexpr int kCascadeX = 40;
constexpr int kCascadeY = 30;
constexpr int kCascadeStep = 20;
// Start again at the top left after this many, so that no window walks off
// the screen however many dialogs a session opens.
constexpr unsigned kCascadeLength = 16;

int ClampSide(int side) { return std::clamp(side, 1, CHeadlessHost::kMaxSurfaceSide); }

}  // namespace

CHeadlessHost::SSurface* CHeadlessHost::Find(SurfaceId id) {
  auto it = m_surfaces.find(id);
  return it == m_surfaces.end() ? nullptr : &it->second;
}

const CHeadlessHost::SSurface* CHeadlessHost::Find(SurfaceId id) const {
  auto it = m_surfaces.find(id);
  return it == m_surfaces.end() ? nullptr : &it->second;
}

SurfaceId CHeadlessHost::CreateSurface(int width, int height, const std::string& caption) {
  if (m_nextId == kNoSurface) return kNoSurface;  // every id has been used
  const SurfaceId id = m_nextId++;
  SSurface& surface = m_surfaces[id];
  surface.width = ClampSide(width);
  surface.height = ClampSide(height);
  const int step = static_cast<int>(m_created++ % kCascadeLength);
  surface.x = kCascadeX + kCascadeStep * step;
  surface.y = kCascadeY + kCascadeStep * step;
  surface.caption = caption;
  surface.pixels.assign(static_cast<size_t>(surface.width) * surface.height, 0);
  return id;
}

void CHeadlessHost::DestroySurface(SurfaceId id) {
  m_surfaces.erase(id);
  if (m_focused == id) m_focused = kNoSurface;
}

void CHeadlessHost::SetCaption(SurfaceId id, const std::string& utf8) {
  if (SSurface* surface = Find(id)) surface->caption = utf8;
}

void CHeadlessHost::Show(SurfaceId id, bool visible) {
  if (SSurface* surface = Find(id)) surface->visible = visible;
}

void CHeadlessHost::Resize(SurfaceId id, int width, int height) {
  SSurface* surface = Find(id);
  if (surface == nullptr) return;
  width = ClampSide(width);
  height = ClampSide(height);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height, 0);
  const int keep_width = std::min(width, surface->width);
  const int keep_height = std::min(height, surface->height);
  for (int y = 0; y < keep_height; ++y) {
    const auto src = surface->pixels.begin() + static_cast<std::ptrdiff_t>(y) * surface->width;
    std::copy(src, src + keep_width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  surface->pixels = std::move(pixels);
  surface->width = width;
  surface->height = height;
}

void CHeadlessHost::SetPosition(SurfaceId id, int x, int y) {
  if (SSurface* surface = Find(id)) {
    surface->x = x;
    surface->y = y;
  }
}

void CHeadlessHost::GetPosition(SurfaceId id, int* x, int* y) {
  const SSurface* surface = Find(id);
  if (x != nullptr) *x = surface != nullptr ? surface->x : 0;
  if (y != nullptr) *y = surface != nullptr ? surface->y : 0;
}

void CHeadlessHost::SetState(SurfaceId id, SurfaceState state) {
  if (SSurface* surface = Find(id)) surface->state = state;
}

void CHeadlessHost::SetRole(SurfaceId id, const SurfaceRole& role) {
  if (SSurface* surface = Find(id)) surface->role = role;
}

void CHeadlessHost::SetIcon(SurfaceId id, const IconImage* images, int count) {
  SSurface* surface = Find(id);
  if (surface == nullptr) return;
  surface->iconSizes.clear();
  for (int i = 0; images != nullptr && i < count; ++i) {
    if (images[i].argb != nullptr && images[i].width > 0 && images[i].height > 0) {
      surface->iconSizes.emplace_back(images[i].width, images[i].height);
    }
  }
}

SurfaceRole CHeadlessHost::Role(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->role : SurfaceRole{};
}

std::vector<std::pair<int, int>> CHeadlessHost::IconSizes(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->iconSizes : std::vector<std::pair<int, int>>{};
}

void CHeadlessHost::Raise(SurfaceId id) {
  if (HasSurface(id)) m_focused = id;
}

void CHeadlessHost::Present(SurfaceId id, const std::uint32_t* pixels, int width, int height,
                            int stride, const Rect* rects, int count) {
  SSurface* surface = Find(id);
  if (surface == nullptr) return;
  ++m_presentCount;
  ++surface->presentCount;
  surface->lastRects.clear();
  // A stride that is not whole pixels, or shorter than a row, describes no
  // image we could read without going astray.
  if (pixels == nullptr || rects == nullptr || count <= 0 || width <= 0 || height <= 0 ||
      stride % 4 != 0 || stride / 4 < width) {
    return;
  }
  const auto* source = reinterpret_cast<const unsigned char*>(pixels);
  for (int i = 0; i < count; ++i) {
    Rect clipped{};
    if (!ClipRect(rects[i], std::min(width, surface->width), std::min(height, surface->height),
                  &clipped)) {
      continue;
    }
    for (int y = clipped.y; y < clipped.y + clipped.height; ++y) {
      const auto* row =
          reinterpret_cast<const std::uint32_t*>(source + static_cast<std::ptrdiff_t>(y) * stride);
      std::copy(
          row + clipped.x, row + clipped.x + clipped.width,
          surface->pixels.begin() + static_cast<std::ptrdiff_t>(y) * surface->width + clipped.x);
    }
    surface->lastRects.push_back(clipped);
  }
}

void CHeadlessHost::SetEventSource(EventSource source) {
  m_source = std::move(source);
  ++m_sourceGeneration;
}

// The source is moved out while it runs, so that it may replace or clear
// itself, and so that it cannot be asked again from inside itself.
bool CHeadlessHost::NextFromSource(Event* event, bool blocking) {
  if (!m_source) return false;
  EventSource source = std::move(m_source);
  m_source = nullptr;
  const unsigned generation = m_sourceGeneration;
  const bool got = source(event, blocking);
  if (m_sourceGeneration == generation) m_source = std::move(source);
  return got;
}

bool CHeadlessHost::PollEvent(Event* event) {
  if (event == nullptr) return false;
  if (m_queue.empty() && NextFromSource(event, false)) return true;
  if (m_queue.empty()) return false;
  *event = m_queue.front();
  m_queue.pop_front();
  return true;
}

bool CHeadlessHost::WaitEvent(Event* event, int timeout_ms) {
  if (event == nullptr) return false;
  if (timeout_ms == 0) return PollEvent(event);
  if (m_queue.empty() && NextFromSource(event, true)) return true;
  if (m_queue.empty()) {
    *event = Event{};
    event->type = EventType::kQuit;
    return true;
  }
  *event = m_queue.front();
  m_queue.pop_front();
  return true;
}

void CHeadlessHost::AdvanceClock(std::uint64_t ms) {
  const std::uint64_t room = std::numeric_limits<std::uint64_t>::max() - m_clockMs;
  m_clockMs += std::min(ms, room);
}

std::vector<SurfaceId> CHeadlessHost::Surfaces() const {
  std::vector<SurfaceId> ids;
  ids.reserve(m_surfaces.size());
  for (const auto& entry : m_surfaces) ids.push_back(entry.first);
  return ids;
}

std::string CHeadlessHost::Caption(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->caption : std::string();
}

bool CHeadlessHost::IsVisible(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr && surface->visible;
}

SurfaceState CHeadlessHost::State(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->state : SurfaceState::kNormal;
}

void CHeadlessHost::GetSize(SurfaceId id, int* width, int* height) const {
  const SSurface* surface = Find(id);
  if (width != nullptr) *width = surface != nullptr ? surface->width : 0;
  if (height != nullptr) *height = surface != nullptr ? surface->height : 0;
}

const std::vector<std::uint32_t>& CHeadlessHost::Pixels(SurfaceId id) const {
  static const std::vector<std::uint32_t> kNone;
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->pixels : kNone;
}

std::uint32_t CHeadlessHost::PixelAt(SurfaceId id, int x, int y) const {
  const SSurface* surface = Find(id);
  if (surface == nullptr || x < 0 || y < 0 || x >= surface->width || y >= surface->height) {
    return 0;
  }
  return surface->pixels[static_cast<size_t>(y) * surface->width + x];
}

std::uint64_t CHeadlessHost::PresentCount(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->presentCount : 0;
}

std::vector<Rect> CHeadlessHost::LastPresentedRects(SurfaceId id) const {
  const SSurface* surface = Find(id);
  return surface != nullptr ? surface->lastRects : std::vector<Rect>();
}

bool CHeadlessHost::WriteSnapshot(SurfaceId id, const std::string& path) const {
  const SSurface* surface = Find(id);
  if (surface == nullptr) return false;
  return WritePngFile(path, surface->pixels.data(), surface->width, surface->height,
                      surface->width * 4);
}

}  // namespace host
