#pragma once

#include <string>
#include <vector>

class TMainForm;

// The custom mission panel (MissionPanel): the kind of mission the player asks for
// (MissionRadio), the destination (SelectTarget) and the enemy squadron to meet (LinkBox). The
// planner tries to honour them.

// Binds the Edit menu item, the tool-bar button and MissionRadio. The panel starts hidden.
void WireCustomMissionPanel(TMainForm& form);

// Opens the panel with freshly filled lists; without an active campaign it stays closed.
void MSelectButtonClick(TMainForm& form);
// A click on MissionRadio: a preference the campaign cannot offer sets the group back to
// "Random" and raises why; an accepted one refills the lists. A run with command-line
// parameters changes nothing. A campaign without columns.tavrek raises "No columns.tavrek file
// found." and leaves the lists as they were.
void MissionRadioClick(TMainForm& form);
// Reloads the campaign objects and refills LinkBox and SelectTarget.
void ManualTarget(TMainForm& form);
// LinkBox: "Unknown", then the flyable enemy fighter squadrons.
void CreateLinkBox(TMainForm& form);

// What the player's squadron and the enemy columns allow.
struct EnemyColumnKinds {
  bool ships = false;
  bool armor = false;
  bool trains = false;
  bool vehicles = false;
};
// The message that refuses the preference (an item index of MissionRadio), empty when the
// campaign can offer it.
std::string RefusedPreferenceMessage(const TMainForm& form, int preference,
                                     const EnemyColumnKinds& enemy_columns);
// The destinations the preference offers: "Random", then the names of the matching locations
// in table order.
std::vector<std::string> CustomMissionDestinations(const TMainForm& form, int preference);
