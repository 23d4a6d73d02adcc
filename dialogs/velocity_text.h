// Velocities as the dialog's edits show and read them: whole metres per
// second. A velocity beyond what the texts can hold is held to that range
// rather than wrapped, so that a very fast body keeps its direction and as
// much of its speed as the text can say.
#pragma once

// The velocity truncated toward zero to a 32-bit integer, saturating at the
// limits; 0 for NaN.
int VelocityTextValue(double velocity);

// What the runtime's atoi reads from a text: leading white space, an
// optional sign, then the decimal digits up to the first other character;
// 0 without digits. A number beyond the 32-bit range is held to the nearer
// limit. A null text reads as 0.
int ReadVelocityText(const char* text);
