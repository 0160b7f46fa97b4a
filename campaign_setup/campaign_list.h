#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TMainForm;

// The campaign list allcampaigns.tavrek: one section per battle that a new campaign can be
// made of. Its lines are found by position, not by key:
//   [<battle>]
//   <key>=<campaign type>            (a type holding "Battle_over_Europe" is not offered)
//   <key>=<map>
//   <key>=<start date dd/mm/yyyy>
//   TimeofDay=Day|Night              (optional)
//   BugOutRadius=<km>                (optional, 10 without it)
//   <key>=Red|Blue                   the side that holds the Locale places
//   <key>=<front centre>
//   <key>=<Axis zone>
//   <key>=<Allied zone>
//   <key>=<a further Axis place>
//   <key>=<a further Allied place>
//   Locale=<place>                   0 to 199 lines
// Each value is whatever follows the first "=", cut to 99 characters, blanks stripped at both ends.

inline constexpr int kMaxLocales = 199;

struct CampaignListEntry {
  std::string battle;  // as the header names it
  std::string campaign_type;
  std::string map_name;
  std::string date;
  std::optional<std::string> time_of_day;  // the value of a TimeofDay line, when there is one
  int bug_out_radius = 10;
  std::string side;  // "Red": the Locale places are Allied, the rest Axis; "Blue" the reverse
  std::string front_center;
  std::string axis_zone;
  std::string allied_zone;
  std::string further_axis;
  std::string further_allied;
  std::vector<std::string> locales;
};

// How the header of the chosen battle is recognised: "[" + battle + "]" within the trimmed
// line, with or without regard to letter case.
enum class BattleHeaderMatch { kCaseSensitive, kIgnoreCase };

// The battles the new-campaign list offers, in file order.
std::vector<std::string> OfferedBattles(const std::vector<std::string>& lines);
// The first section of the battle, read from its header on; nothing when no header matches.
std::optional<CampaignListEntry> FindBattleSection(const std::vector<std::string>& lines,
                                                   std::string_view battle,
                                                   BattleHeaderMatch match);
// What makes a section unusable for a new campaign (no map, a date that is none, no front
// centre), empty when it can be used.
std::string SectionProblem(const CampaignListEntry& entry);

// Where the campaign list is read from: the data-files folder's copy, else the program's data
// folder's; empty when neither exists. `data_folder` receives the folder it lies in.
std::string CampaignListPath(const TMainForm& form, std::string* data_folder = nullptr);
