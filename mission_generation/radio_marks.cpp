#include "mission_generation/radio_marks.h"

#include "app/main_form.h"

namespace {

bool IsPlayerOrEscortLink(const TMainForm& form, int squadron) {
  if (squadron == 0) return true;
  const SquadronEntry& player = form.SquadronTable[0];
  return squadron == player.SquadronEscortOf || squadron == player.SquadronEscortedBy;
}

char RadioFlag(const TMainForm& form, int squadron) {
  const std::string& setting = form.RadioBox.Text;
  bool radio_on = false;
  if (setting == "All Squadrons") {
    radio_on = true;
  } else if (setting == "No Squadrons") {
    radio_on = false;
  } else if (setting == "Player Squadron Only") {
    radio_on = squadron == 0;
  } else if (setting == "Player Squadron & Escorts") {
    radio_on = IsPlayerOrEscortLink(form, squadron);
  } else {
    radio_on = form.SquadronTable[squadron].SquadronRadio != "NoRadio";
  }
  return radio_on ? '0' : '1';
}

}  // namespace

std::string SetRadio(TMainForm& form, int squadron, const std::string& waypoints) {
  const std::string line_end = std::string(" &") + RadioFlag(form, squadron) + "\r\n";
  std::string marked;
  marked.reserve(waypoints.size() + waypoints.size() / 16);
  size_t start = 0;
  for (size_t end = waypoints.find("\r\n"); end != std::string::npos;
       end = waypoints.find("\r\n", start)) {
    size_t line_stop = end;
    if (line_stop > start && waypoints[line_stop - 1] == ' ') --line_stop;
    marked.append(waypoints, start, line_stop - start);
    marked += line_end;
    start = end + 2;
  }
  marked.append(waypoints, start, std::string::npos);
  return marked;
}
