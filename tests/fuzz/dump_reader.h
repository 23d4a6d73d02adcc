// Reads what astrolathe-replay prints for `dump` back into numbers and
// texts, one SDump a block, so that the checker can hold each against the
// rules. Texts stand in double quotes as they are, unescaped; none can hold
// a line end, so a block is read line by line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win/windef.h"

struct SDumpControl {
  int id = 0;
  std::string cls;
  std::string text;
  bool enabled = false;
  bool hasRange = false;
  int pos = 0;
  int min = 0;
  int max = 0;
};

struct SDumpBody {
  int index = 0;
  double x = 0, y = 0, vx = 0, vy = 0, mass = 0;
  std::string color;  // six hex digits
  POINT centre{0, 0};
  RECT rect{0, 0, 0, 0};
};

struct SDumpLine {
  int id = 0;
  int index = 0;
  std::string text;
};

struct SDumpPopupItem {
  int index = 0;  // the item's position in its menu
  std::string text;
  bool enabled = false;
};

struct SDump {
  std::string frame;  // the frame line as printed
  double t = 0, dt = 0, G = 0;
  int count = 0;
  int running = 0;
  std::vector<SDumpBody> bodies;
  std::vector<std::string> panes;  // in order, pane 0 first
  std::vector<SDumpControl> controls;
  std::vector<std::pair<int, bool>> menus;  // id, enabled
  std::optional<std::string> dialog;        // none when no dialog is open
  std::vector<SDumpControl> dialogControls;
  std::vector<SDumpLine> dialogLines;
  std::optional<int> focus;                // the focused control's id in the active window
  std::vector<SDumpPopupItem> popupItems;  // of the menu open now, if any
};

class CDumpReader {
 public:
  // Every dump in the driver's output, in order. False, with the line and
  // what is wrong with it, when the output is not a sequence of whole,
  // well-formed dumps.
  static bool Read(const std::string& output, std::vector<SDump>* dumps, std::string* error);

 private:
  static bool ReadLine(const std::string& line, SDump* dump, std::string* error);
};
