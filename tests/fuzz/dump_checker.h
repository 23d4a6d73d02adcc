// The rules every dump of the program keeps, whatever the script did, and
// the comparison of a dump with what the generator knew when it wrote the
// `dump` line. Each problem found is one line of text for the report.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/fuzz/dump_reader.h"
#include "tests/fuzz/generated_script.h"

class CDumpChecker {
 public:
  // ---- Checks ---------------------------------------------------------------------
  // Both append what they find wrong to `problems` and leave it as it was
  // when the dump is right.
  static void CheckRules(const SDump& dump, std::vector<std::string>* problems);
  static void CheckPrediction(const SDump& dump, const SPrediction& expected,
                              std::vector<std::string>* problems);

  // The frame line the layout gives.
  static std::string ExpectedFrame();

  // One control a window must have, in its place in the list.
  struct SExpectedControl {
    int id;
    const char* cls;
    const char* text;  // null: any
    int min = 0;
    int max = -1;  // no range when below min
  };

 private:
  static const SDumpControl* Find(const std::vector<SDumpControl>& controls, int id);
  // The controls against their ids, classes, texts and ranges, in order.
  static void CheckList(const std::vector<SDumpControl>& got, const SExpectedControl* want,
                        std::size_t count, const std::string& where,
                        std::vector<std::string>* problems);
  template <std::size_t N>
  static void CheckList(const std::vector<SDumpControl>& got, const SExpectedControl (&want)[N],
                        const std::string& where, std::vector<std::string>* problems) {
    CheckList(got, want, N, where, problems);
  }
  static void CheckBodies(const SDump& d, std::vector<std::string>* problems);
  static void CheckPanes(const SDump& d, std::vector<std::string>* problems);
  static void CheckControls(const SDump& d, std::vector<std::string>* problems);
  static void CheckMenus(const SDump& d, std::vector<std::string>* problems);
  static void CheckDialog(const SDump& d, std::vector<std::string>* problems);
  static void CheckProperties(const SDump& d, int number, std::vector<std::string>* problems);
  static void CheckColor(const SDump& d, std::vector<std::string>* problems);
};
