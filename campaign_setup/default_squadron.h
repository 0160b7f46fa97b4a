#pragma once

#include <string>
#include <string_view>

// The player's squadron each service starts a new campaign with.

// What a service's default squadron is in a campaign year, before any random choice.
struct DefaultSquadron {
  std::string name;  // the game's wing name: squadron identifier and flight digit "0"
  std::string nation;
  std::string army;
  std::string skin;
  std::string skill;
  std::string aircraft;  // the class line, "Class air." and the game's type
};

// The default squadron of the service with that display name in `year`; `finnish_draw` is the
// draw in 0..2 that picks the Finnish first aircraft (0: the Hurricane). False when no service
// has that name.
bool DefaultSquadronOf(std::string_view service, int year, const std::string& game_id,
                       int finnish_draw, DefaultSquadron& squadron);
