#pragma once

#include <map>
#include <string>
#include <vector>

// Writes the event log the game writes for a flown mission, from the mission file's text and a
// script of what happened. Every name is the mission's own: aircraft are a flight of the
// [Wing] section followed by their number in the flight ("USMC_VMF_31101" + "2"), static
// objects "<n>_Static" of [NStationary], vehicles "<n>_Chief<k>" of a column of [Chiefs],
// bridges "Bridge<n>". An aircraft, object or column the mission does not have is refused
// (std::invalid_argument), so a script cannot drift from its mission. Events happen at the
// position of their aircraft or object (the first point of its route, or the object's place)
// unless the script gives one, one `step` after the other.
class EventLogWriter {
 public:
  enum class Clock { k24Hour, k12Hour };

  // `mission_path`: path of the mission file below the game's Missions folder, in the game's own
  // form ("Campaign/US/Tavrek/tavrekmission.mis"). `start_seconds`: start time as seconds of day.
  EventLogWriter(const std::string& mission_text, std::string mission_path, Clock clock,
                 int start_seconds = 14 * 3600, std::string date = "Dec 8, 2026");

  // Names as the game writes them.
  std::string Aircraft(const std::string& flight, int number) const;
  std::string Static(int index) const;
  std::string Vehicle(int chief, int vehicle) const;
  static std::string DogfightPilot(const std::string& name, const std::string& aircraft_type);

  // What the mission holds, for scripts that fly any mission: its flights in [Wing] order, the
  // player's flight of [MAIN], and the numbers of its static objects and columns.
  const std::vector<std::string>& Flights() const { return flight_order_; }
  const std::string& PlayerFlight() const { return player_flight_; }
  const std::vector<int>& StaticObjects() const { return statics_; }
  const std::vector<int>& Columns() const { return columns_; }

  // What happened, in order. `at` overrides the position ("x y" with decimals).
  EventLogWriter& Seat(const std::string& aircraft, const std::string& person, int seat = 0);
  EventLogWriter& ShotDown(const std::string& victim, const std::string& killer,
                           const std::string& at = "");
  EventLogWriter& Crashed(const std::string& aircraft, const std::string& at = "");
  EventLogWriter& BailedOut(const std::string& aircraft, int seat = 0, const std::string& at = "");
  EventLogWriter& Killed(const std::string& aircraft, int seat = 0, const std::string& at = "");
  EventLogWriter& Captured(const std::string& aircraft, int seat = 0, const std::string& at = "");
  EventLogWriter& Landed(const std::string& aircraft, const std::string& at = "");
  EventLogWriter& Damaged(const std::string& aircraft, const std::string& by,
                          const std::string& at = "");
  EventLogWriter& StaticDestroyed(int index, const std::string& by);
  EventLogWriter& VehicleDestroyed(int chief, int vehicle, const std::string& by,
                                   const std::string& at = "");
  EventLogWriter& BridgeDestroyed(int number, const std::string& at, const std::string& by);
  // Paratroopers of the aircraft ("(255)") coming down at the position.
  EventLogWriter& ParatroopersLanded(const std::string& aircraft, const std::string& at);
  // Any other line the game writes, after its time stamp.
  EventLogWriter& Line(const std::string& text);
  EventLogWriter& Wait(int seconds);

  // The log: the mission-start line, "Mission BEGIN", the events and, unless left out,
  // "Mission END"; each line ends in CR LF.
  std::string Text(bool with_end = true) const;

  int step = 20;  // seconds between two events

 private:
  std::string Stamp(int seconds) const;
  std::string PositionOf(const std::string& name) const;
  EventLogWriter& Event(const std::string& text);

  std::string mission_path_;
  Clock clock_;
  int start_seconds_;
  int now_;
  std::string date_;
  std::map<std::string, int> flights_;  // flight -> planes
  std::vector<std::string> flight_order_;
  std::string player_flight_;
  std::vector<int> statics_;
  std::vector<int> columns_;
  std::map<std::string, std::string> positions_;  // flight, "n_Static" or "n_Chief" -> "x y"
  std::vector<std::string> events_;
};
