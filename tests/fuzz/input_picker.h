// The raw material of the fuzzer's scripts: points for the mouse (mostly
// where the program expects them, often at its edges, sometimes far
// outside anything), texts for the edits, key names and counts.
#pragma once

#include <string>

#include "platform/win/windef.h"
#include "tests/fuzz/fuzz_random.h"

class CInputPicker {
 public:
  // With fullRange the extreme coordinates include the last 4096 values on
  // either side of the 32-bit range; without it they stop short of them.
  CInputPicker(CFuzzRandom* random, bool fullRange);

  // ---- Points in the main window's client pixels --------------------------------
  // FieldPoint is on the open field, clear of the panel; AnyPoint is a mix
  // of every kind (field, panel, controls, edges, menu bar, beyond the
  // window, the 16-bit wrap, the far ends of the range); Near is a drag's
  // end around a start.
  POINT FieldPoint();
  POINT AnyPoint();
  POINT Near(POINT start);
  // A point that is not on the menu bar (y >= 0), of any other kind.
  POINT AnyPointBelowBar();

  // ---- Values ---------------------------------------------------------------------
  // Position is a slider position, mostly within lo..hi, sometimes far out;
  // Text is what is typed into an edit (numbers of every size and form,
  // blanks, letters, bytes above 127, long strings; never a line end);
  // KeyName is a key the driver knows; Steps a count of gravity steps.
  int Position(int lo, int hi);
  std::string Text();
  std::string KeyName();
  int Steps();
  int Extreme();

 private:
  std::string Digits(int count);
  std::string HighBytes(int count);

  CFuzzRandom* m_random;
  int m_min;
  int m_max;
};
