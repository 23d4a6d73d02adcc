#include "tests/fuzz/dump_reader.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace {

bool ToInt(const std::string& word, int* out) {
  if (word.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < -2147483648L || v > 2147483647L) return false;
  *out = static_cast<int>(v);
  return true;
}

bool ToDouble(const std::string& word, double* out) {
  if (word.empty()) return false;
  char* end = nullptr;
  *out = std::strtod(word.c_str(), &end);
  return *end == '\0';
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// `before "TEXT" after`: the text runs from the first quote to the last
// quote that the expected tail follows.
bool Quoted(const std::string& line, const std::string& tail, std::string* before,
            std::string* text, std::string* after) {
  const size_t open = line.find('"');
  if (open == std::string::npos) return false;
  size_t close = std::string::npos;
  if (tail.empty()) {
    if (line.size() < open + 2 || line.back() != '"') return false;
    close = line.size() - 1;
  } else {
    close = line.rfind("\"" + tail);
    if (close == std::string::npos || close <= open) return false;
  }
  *before = line.substr(0, open);
  *text = line.substr(open + 1, close - open - 1);
  *after = line.substr(close + 1);
  return true;
}

// `ID CLASS "TEXT" enabled E [pos P range MIN MAX]` after the tag.
bool ReadControl(const std::string& rest, SDumpControl* c) {
  std::string before, after;
  if (!Quoted(rest, " enabled ", &before, &c->text, &after)) return false;
  const std::vector<std::string> head = Words(before);
  const std::vector<std::string> tail = Words(after);
  if (head.size() != 2 || !ToInt(head[0], &c->id)) return false;
  c->cls = head[1];
  if (tail.size() != 2 && tail.size() != 7) return false;
  if (tail[0] != "enabled" || (tail[1] != "0" && tail[1] != "1")) return false;
  c->enabled = tail[1] == "1";
  if (tail.size() == 7) {
    c->hasRange = true;
    return tail[2] == "pos" && ToInt(tail[3], &c->pos) && tail[4] == "range" &&
           ToInt(tail[5], &c->min) && ToInt(tail[6], &c->max);
  }
  return true;
}

bool ReadBody(const std::vector<std::string>& w, SDumpBody* b) {
  // body I x X y Y vx VX vy VY mass M color C center SX SY rect L T R B
  if (w.size() != 22) return false;
  const char* names[] = {"x", "y", "vx", "vy", "mass"};
  double* values[] = {&b->x, &b->y, &b->vx, &b->vy, &b->mass};
  if (!ToInt(w[1], &b->index)) return false;
  for (int i = 0; i < 5; ++i) {
    if (w[2 + 2 * i] != names[i] || !ToDouble(w[3 + 2 * i], values[i])) return false;
  }
  if (w[12] != "color" || w[14] != "center" || w[17] != "rect") return false;
  b->color = w[13];
  int v[6];
  const size_t at[6] = {15, 16, 18, 19, 20, 21};
  for (int i = 0; i < 6; ++i) {
    if (!ToInt(w[at[i]], &v[i])) return false;
  }
  b->centre = POINT{v[0], v[1]};
  b->rect = RECT{v[2], v[3], v[4], v[5]};
  return true;
}

}  // namespace

bool CDumpReader::ReadLine(const std::string& line, SDump* d, std::string* error) {
  const std::vector<std::string> w = Words(line);
  const std::string tag = w.empty() ? "" : w[0];
  const std::string rest = line.size() > tag.size() + 1 ? line.substr(tag.size() + 1) : "";
  bool ok = false;
  if (tag == "frame") {
    d->frame = line;
    ok = true;
  } else if (tag == "sim") {
    // sim t T dt DT G G count N running R
    ok = w.size() == 11 && w[1] == "t" && ToDouble(w[2], &d->t) && w[3] == "dt" &&
         ToDouble(w[4], &d->dt) && w[5] == "G" && ToDouble(w[6], &d->G) && w[7] == "count" &&
         ToInt(w[8], &d->count) && w[9] == "running" && ToInt(w[10], &d->running);
  } else if (tag == "body") {
    SDumpBody b;
    ok = ReadBody(w, &b);
    d->bodies.push_back(b);
  } else if (tag == "pane") {
    std::string before, text, after;
    int index = 0;
    ok = Quoted(line, "", &before, &text, &after) && Words(before).size() == 2 &&
         ToInt(Words(before)[1], &index) && index == static_cast<int>(d->panes.size());
    d->panes.push_back(text);
  } else if (tag == "control" || tag == "dialog-control") {
    SDumpControl c;
    ok = ReadControl(rest, &c);
    (tag == "control" ? d->controls : d->dialogControls).push_back(c);
  } else if (tag == "menu") {
    int id = 0;
    ok = w.size() == 4 && ToInt(w[1], &id) && w[2] == "enabled" && (w[3] == "0" || w[3] == "1");
    d->menus.emplace_back(id, w.size() == 4 && w[3] == "1");
  } else if (tag == "dialog") {
    std::string before, text, after;
    if (line == "dialog none") {
      ok = true;
    } else if (Quoted(line, "", &before, &text, &after) && before == "dialog ") {
      d->dialog = text;
      ok = true;
    }
  } else if (tag == "focus") {
    int id = 0;
    if (line == "focus none") {
      ok = true;
    } else if (w.size() == 2 && ToInt(w[1], &id)) {
      d->focus = id;
      ok = true;
    }
  } else if (tag == "popup-item") {
    SDumpPopupItem item;
    std::string before, after;
    ok = Quoted(line, " enabled ", &before, &item.text, &after) && Words(before).size() == 2 &&
         ToInt(Words(before)[1], &item.index) && Words(after).size() == 2 &&
         Words(after)[0] == "enabled" && (Words(after)[1] == "0" || Words(after)[1] == "1");
    item.enabled = ok && Words(after)[1] == "1";
    d->popupItems.push_back(item);
  } else if (tag == "dialog-line") {
    SDumpLine l;
    std::string before, after;
    ok = Quoted(line, "", &before, &l.text, &after) && Words(before).size() == 3 &&
         ToInt(Words(before)[1], &l.id) && ToInt(Words(before)[2], &l.index);
    d->dialogLines.push_back(l);
  }
  if (!ok) *error = "unreadable dump line: " + line;
  return ok;
}

bool CDumpReader::Read(const std::string& output, std::vector<SDump>* dumps, std::string* error) {
  std::istringstream in(output);
  std::string line;
  bool open = false;
  SDump current;
  while (std::getline(in, line)) {
    if (!open) {
      if (line.rfind("frame ", 0) != 0 && line.rfind("dialog", 0) != 0) {
        *error = "output outside a dump: " + line;
        return false;
      }
      open = true;
      current = SDump{};
    }
    if (line == "end") {
      dumps->push_back(current);
      open = false;
      continue;
    }
    if (!ReadLine(line, &current, error)) return false;
  }
  if (open) {
    *error = "the last dump has no end";
    return false;
  }
  return true;
}
