// One simulated body: a point mass in world metres, with the square of client
// pixels in which it is drawn and hit-tested. World and client coordinates
// share origin and orientation; the scale between them is fixed.
#pragma once

#include "platform/win/windef.h"

inline constexpr double kMetresPerPixel = 1e9;

// World metres to a client pixel: multiplied by 1e-9 (not divided by 1e9,
// which rounds differently) and truncated toward zero. Defined for every
// double: beyond the 32-bit range, infinities included, the pixel saturates
// at the nearer limit, and a NaN lands on pixel 0.
LONG PixelFromMetres(double metres);

// Half-side of the drawn square for a mass: 6 pixels below 1e27 kg (and for
// NaN), one more per decade up to 14 from 1e34 kg.
LONG DisplayRadius(double mass);

class CBody {
 public:
  CBody() = default;
  CBody(const CBody&) = default;
  CBody(CBody&&) = default;
  // Copies the square as stored; the table relies on it when it shifts
  // bodies down over a removed one.
  CBody& operator=(const CBody&) = default;
  CBody& operator=(CBody&&) = default;
  virtual ~CBody() = default;

  void SetMass(double mass) {
    m_mass = mass;
    UpdateRect();
  }
  double GetMass() const { return m_mass; }

  void SetColor(COLORREF color) { m_color = color; }
  COLORREF GetColor() const { return m_color; }

  // Places the body on a pixel; its world position follows exactly.
  void SetScreenPos(int px, int py);
  POINT GetScreenPos() const { return POINT{m_screenX, m_screenY}; }
  RECT GetRect() const { return m_rect; }

  // One position update over dt seconds; the pixel and square follow.
  void Move(double dt);

  void SetVx(double vx) { m_vx = vx; }
  void SetVy(double vy) { m_vy = vy; }
  void AddVx(double dv) { m_vx = dv + m_vx; }
  void AddVy(double dv) { m_vy = dv + m_vy; }

  double GetX() const { return m_x; }
  double GetY() const { return m_y; }
  double GetVx() const { return m_vx; }
  double GetVy() const { return m_vy; }

  // Recomputes the square from the screen position and the mass.
  void UpdateRect();

 private:
  RECT m_rect{0, 0, 0, 0};
  COLORREF m_color = RGB(255, 255, 255);
  LONG m_screenX = 0;
  LONG m_screenY = 0;
  double m_mass = 0.0;
  double m_vx = 0.0;
  double m_vy = 0.0;
  double m_x = 0.0;
  double m_y = 0.0;
};
