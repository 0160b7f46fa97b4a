#pragma once

#include <optional>
#include <string>
#include <vector>

// The transfer table of a grand campaign (grandcampaign.tavrek, ostcampaign.tavrek): which
// battle follows which, for which victor, and how the next battle starts. One record:
//   [Battle Red to NextBattle]     the battle, the victor word, the next battle
//   Campaign=<campaign type>
//   Map=<map>
//   Date=dd/mm/yyyy                optional
//   TimeofDay=Day|Night            optional
//   BugOutRadius=<km>              optional
//   Front=<place>                  then by position: the front centre,
//   AxisZone=<place>               the Axis zone,
//   AlliedZone=<place>             the Allied zone,
//   AxisPlace=<place>              a place that starts Axis-held,
//   AlliedPlace=<place>            a place that starts Allied-held,
//   Locale=<place>                 and any number of places the victor starts with.
// Lines are taken as they stand; values are the trimmed text after the first "=".

struct TransferRecord {
  std::string next_battle;
  std::string map;
  std::string date;  // empty when the record gives none
  std::string time_of_day = "Day";
  int bug_out_radius = 10;
  std::string front;
  std::string axis_zone;
  std::string allied_zone;
  std::string axis_place;
  std::string allied_place;
  std::vector<std::string> victor_places;
};

// The header names this battle (as the text after "[") and holds the victor word.
bool HeaderFor(const std::string& line, const std::string& battle, const std::string& victor);
// The next battle a header names: the trimmed text between " to " and the "]" after it.
std::string NextBattleOf(const std::string& header);
// The campaign-type line after a header names this campaign type.
bool CampaignTypeMatches(const std::string& line, const std::string& campaign_type);
// The record whose header names the battle, the next battle and the victor and whose campaign
// type matches; nothing when there is none.
std::optional<TransferRecord> FindTransferRecord(const std::vector<std::string>& lines,
                                                 const std::string& battle,
                                                 const std::string& next_battle,
                                                 const std::string& victor,
                                                 const std::string& campaign_type);
