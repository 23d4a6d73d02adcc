// The program's numbers worked out again, independently of its own code,
// for the fuzzer to hold its dumps against: the masses of the mass slider,
// the drawn square of a body, the pixel of a position, the time step and G
// of the panel's sliders, and numbers printed as the classic runtime
// prints them (exponents of at least three digits).
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace reference {

// ---- The simulation's scales ------------------------------------------------------
// SliderMass: the mass at a Properties slider position, 0 to 90 (the
// decade's power of ten as a double, times the step in the decade).
// Radius: the half side of a body's square for its mass. Pixel: metres to
// a client pixel, truncated, saturating at the 32-bit limits, NaN at 0.
// Square: centre plus and minus the radius, each side saturating.
// TimeStep and Gravity: what the delta-t (0 to 5) and G (50 to 150)
// slider positions set.
double SliderMass(int pos);
bool IsSliderMass(double mass);
LONG Radius(double mass);
LONG Pixel(double metres);
RECT Square(POINT centre, double mass);
double TimeStep(int pos);
double Gravity(int pos);
inline constexpr double kStandardG = 6.67259e-11;

// ---- Classic printing ---------------------------------------------------------------
// A format of one conversion and no field width, printed by printf with
// the exponent of %e widened to three digits: Classic("%.4e", 6.67259e-11)
// is "6.6726e-011".
std::string Classic(const char* format, double value);
std::string Classic(const char* format, int value);
// The same widening on a text already printed by printf.
std::string WidenExponent(std::string text);

}  // namespace reference
