// Writes one random script for astrolathe-replay from a seed: the same seed
// gives the same script everywhere. Every line is one the program can
// carry out in the state the model says it is in; where the model cannot
// know, the generator brings the program back to a known state, or writes
// a probe marked as such. Some scripts end on purpose with a line the
// driver must refuse, or after `close` with lines that come too late.
#pragma once

#include <cstdint>
#include <string>

#include "tests/fuzz/app_model.h"
#include "tests/fuzz/fuzz_random.h"
#include "tests/fuzz/generated_script.h"
#include "tests/fuzz/input_picker.h"

class CScriptGenerator {
 public:
  struct SOptions {
    int events = 200;        // command lines before the ending, dumps aside
    bool fullRange = false;  // coordinates up to the very ends of 32 bits
  };

  CScriptGenerator(std::uint64_t seed, const SOptions& options);

  SScript Generate();

 private:
  // ---- Lines: each is written and applied to the model ---------------------------
  void Line(const std::string& text);
  void Dump();
  void Probe(const std::string& text);
  void LPress(POINT p);
  void LRelease(POINT p);
  void RPress(POINT p);
  void Move(POINT p);
  void Click(int id);
  void Focus(int id);
  void Key(const std::string& name);
  void Type(const std::string& text);
  void Edit(int id, const std::string& text);
  void Slider(int id, int pos);
  void Spin(int id, bool up);
  void Menu(int id);
  void Color();
  void Close();

  // ---- One step in each state ----------------------------------------------------
  void StepMain();
  void StepProperties();
  void StepColor();
  void StepHelp();
  void StepUncertain();
  void PlaceBody();
  void RightPressBody();
  void FocusAndKey(int id);
  void AnyKey();
  void MouseWhileDialog();
  int AnyControl();

  // ---- Endings -------------------------------------------------------------------
  void AfterEnd();
  void RefusedEnding();
  void Unreadable();

  std::uint64_t m_seed;
  SOptions m_options;
  CFuzzRandom m_random;
  CInputPicker m_pick;
  CAppModel m_model;
  SScript m_script;
  int m_events = 0;
};
