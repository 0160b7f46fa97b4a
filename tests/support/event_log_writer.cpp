#include "tests/support/event_log_writer.h"

#include <sstream>
#include <stdexcept>

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  std::string word;
  while (stream >> word) words.push_back(word);
  return words;
}

// The mission's sections: header -> lines.
std::map<std::string, std::vector<std::string>> Sections(const std::string& text) {
  std::map<std::string, std::vector<std::string>> sections;
  std::vector<std::string>* current = nullptr;
  std::istringstream stream(text);
  std::string line;
  while (std::getline(stream, line)) {
    const std::string trimmed = Trimmed(line);
    if (trimmed.empty()) continue;
    if (trimmed.front() == '[' && trimmed.back() == ']') {
      std::string name = trimmed.substr(1, trimmed.size() - 2);
      // The game takes the flight list under either spelling.
      if (name == "WING") name = "Wing";
      current = &sections[name];
      continue;
    }
    if (current != nullptr) current->push_back(trimmed);
  }
  return sections;
}

std::string Position(const std::vector<std::string>& words, size_t x_at) {
  if (words.size() <= x_at + 1) return "0.00 0.00";
  return words[x_at] + " " + words[x_at + 1];
}

std::string Two(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

EventLogWriter::EventLogWriter(const std::string& mission_text, std::string mission_path,
                               Clock clock, int start_seconds, std::string date)
    : mission_path_(std::move(mission_path)),
      clock_(clock),
      start_seconds_(start_seconds),
      now_(start_seconds),
      date_(std::move(date)) {
  auto sections = Sections(mission_text);
  for (const std::string& line : sections["MAIN"]) {
    const std::vector<std::string> words = Words(line);
    if (words.size() >= 2 && words[0] == "player") player_flight_ = words[1];
  }
  for (const std::string& flight : sections["Wing"]) {
    flight_order_.push_back(flight);
    int planes = 0;
    for (const std::string& line : sections[flight]) {
      const std::vector<std::string> words = Words(line);
      if (words.size() >= 2 && words[0] == "Planes") planes = std::stoi(words[1]);
    }
    flights_[flight] = planes;
    const auto way = sections.find(flight + "_Way");
    if (way != sections.end() && !way->second.empty()) {
      positions_[flight] = Position(Words(way->second.front()), 1);
    }
  }
  for (const std::string& line : sections["NStationary"]) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    positions_[words[0]] = Position(words, 3);
    // Columns held in place stand here too, as vehicles named after their column
    // ("12_Chief1"); only the numbered static objects are listed.
    const size_t digits = words[0].find_first_not_of("0123456789");
    if (digits > 0 && digits != std::string::npos && words[0].substr(digits) == "_Static") {
      statics_.push_back(std::stoi(words[0]));
    }
  }
  for (const std::string& line : sections["Chiefs"]) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    columns_.push_back(std::stoi(words[0]));
    const auto road = sections.find(words[0] + "_Road");
    positions_[words[0]] = road != sections.end() && !road->second.empty()
                               ? Position(Words(road->second.front()), 0)
                               : "0.00 0.00";
  }
}

std::string EventLogWriter::Aircraft(const std::string& flight, int number) const {
  const auto found = flights_.find(flight);
  if (found == flights_.end()) throw std::invalid_argument("No flight " + flight);
  if (number < 0 || number >= found->second) {
    throw std::invalid_argument("Flight " + flight + " has no aircraft " + std::to_string(number));
  }
  return flight + std::to_string(number);
}

std::string EventLogWriter::Static(int index) const {
  const std::string name = std::to_string(index) + "_Static";
  if (positions_.count(name) == 0) throw std::invalid_argument("No static object " + name);
  return name;
}

std::string EventLogWriter::Vehicle(int chief, int vehicle) const {
  const std::string name = std::to_string(chief) + "_Chief";
  if (positions_.count(name) == 0) throw std::invalid_argument("No column " + name);
  return name + std::to_string(vehicle);
}

std::string EventLogWriter::DogfightPilot(const std::string& name,
                                          const std::string& aircraft_type) {
  return name + ":" + aircraft_type;
}

std::string EventLogWriter::PositionOf(const std::string& name) const {
  std::string key = name;
  const size_t seat = key.find('(');
  if (seat != std::string::npos) key = key.substr(0, seat);
  const auto object = positions_.find(key);
  if (object != positions_.end()) return object->second;
  if (key.size() > 1) {
    const auto flight = positions_.find(key.substr(0, key.size() - 1));
    if (flight != positions_.end()) return flight->second;
  }
  return "0.00 0.00";
}

std::string EventLogWriter::Stamp(int seconds) const {
  seconds %= 24 * 3600;
  const int hour = seconds / 3600;
  const int minute = seconds / 60 % 60;
  const int second = seconds % 60;
  if (clock_ == Clock::k24Hour) return Two(hour) + ":" + Two(minute) + ":" + Two(second);
  const int twelve = hour % 12 == 0 ? 12 : hour % 12;
  return std::to_string(twelve) + ":" + Two(minute) + ":" + Two(second) +
         (hour < 12 ? " AM" : " PM");
}

EventLogWriter& EventLogWriter::Event(const std::string& text) {
  now_ += step;
  events_.push_back("[" + Stamp(now_) + "] " + text);
  return *this;
}

EventLogWriter& EventLogWriter::Seat(const std::string& aircraft, const std::string& person,
                                     int seat) {
  return Event(aircraft + "(" + std::to_string(seat) + ") seat occupied by " + person + " at " +
               PositionOf(aircraft));
}

EventLogWriter& EventLogWriter::ShotDown(const std::string& victim, const std::string& killer,
                                         const std::string& at) {
  return Event(victim + " shot down by " + killer + " at " +
               (at.empty() ? PositionOf(victim) : at));
}

EventLogWriter& EventLogWriter::Crashed(const std::string& aircraft, const std::string& at) {
  return Event(aircraft + " crashed at " + (at.empty() ? PositionOf(aircraft) : at));
}

EventLogWriter& EventLogWriter::BailedOut(const std::string& aircraft, int seat,
                                          const std::string& at) {
  const std::string where = at.empty() ? PositionOf(aircraft) : at;
  const std::string who = aircraft + "(" + std::to_string(seat) + ")";
  Event(who + " bailed out at " + where);
  return Event(who + " successfully bailed out at " + where);
}

EventLogWriter& EventLogWriter::Killed(const std::string& aircraft, int seat,
                                       const std::string& at) {
  return Event(aircraft + "(" + std::to_string(seat) + ") was killed at " +
               (at.empty() ? PositionOf(aircraft) : at));
}

EventLogWriter& EventLogWriter::Captured(const std::string& aircraft, int seat,
                                         const std::string& at) {
  return Event(aircraft + "(" + std::to_string(seat) + ") was captured at " +
               (at.empty() ? PositionOf(aircraft) : at));
}

EventLogWriter& EventLogWriter::Landed(const std::string& aircraft, const std::string& at) {
  return Event(aircraft + " landed at " + (at.empty() ? PositionOf(aircraft) : at));
}

EventLogWriter& EventLogWriter::Damaged(const std::string& aircraft, const std::string& by,
                                        const std::string& at) {
  return Event(aircraft + " damaged by " + by + " at " + (at.empty() ? PositionOf(aircraft) : at));
}

EventLogWriter& EventLogWriter::StaticDestroyed(int index, const std::string& by) {
  const std::string name = Static(index);
  return Event(name + " destroyed by " + by + " at " + PositionOf(name));
}

EventLogWriter& EventLogWriter::VehicleDestroyed(int chief, int vehicle, const std::string& by,
                                                 const std::string& at) {
  const std::string name = Vehicle(chief, vehicle);
  return Event(name + " destroyed by " + by + " at " +
               (at.empty() ? PositionOf(std::to_string(chief) + "_Chief") : at));
}

EventLogWriter& EventLogWriter::BridgeDestroyed(int number, const std::string& at,
                                                const std::string& by) {
  return Event("Bridge" + std::to_string(number) + " destroyed by " + by + " at " + at);
}

EventLogWriter& EventLogWriter::ParatroopersLanded(const std::string& aircraft,
                                                   const std::string& at) {
  return Event(aircraft + "(255) was captured at " + at);
}

EventLogWriter& EventLogWriter::Line(const std::string& text) {
  return Event(text);
}

EventLogWriter& EventLogWriter::Wait(int seconds) {
  now_ += seconds;
  return *this;
}

std::string EventLogWriter::Text(bool with_end) const {
  std::string text =
      "[" + date_ + " " + Stamp(start_seconds_) + "] Mission: " + mission_path_ + " is Playing\r\n";
  text += "[" + Stamp(start_seconds_) + "] Mission BEGIN\r\n";
  for (const std::string& event : events_) text += event + "\r\n";
  if (with_end) text += "[" + Stamp(now_ + step) + "] Mission END\r\n";
  return text;
}
