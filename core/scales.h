// The only conversions between control positions or drags and physical
// values. The slider handlers and the Properties dialog all go through
// these, so the same position always gives the same double, bit for bit.
#pragma once

#include <optional>

#include "platform/win/windef.h"

inline constexpr double kVelocityPerPixel = 1000.0;  // m/s per pixel of drag

// The double nearest to 10^n, for n from 0 to 36; n is held to that range.
double PowerOfTen(int n);

// Nine steps a decade from 1e25 kg (position 0) to 1e35 kg (position 90).
// Positions outside 0 to 100, which no control produces, are held to it.
double MassFromSliderPos(int pos);

// The first position whose mass lies less than 100 kg below the given one,
// searching 0 to 100; none when the mass lies beyond them all (or is NaN).
std::optional<int> SliderPosFromMass(double mass);

// 10^(max - pos) seconds; the slider's top (position 0) is the longest step.
double TimeStepFromSlider(int pos, int max);

// ((200 - pos) * 6.67259e-11) * 0.01, rounded after each multiplication:
// 150 % of the standard G at the slider's top (50), 50 % at its bottom.
double GravityFromSlider(int pos);

struct DragVelocity {
  double vx;
  double vy;
};

// The drag vector at kVelocityPerPixel; screen y grows downwards, so does vy.
DragVelocity VelocityFromDrag(POINT start, POINT end);
