#pragma once

#include <string>
#include <vector>

class TMainForm;

// The starting state of a freshly imported campaign: sides of the transport nodes, territory,
// columns and static objects checked, the battle's end rules, the front, the armour, the bases,
// computer-flown squadrons of types nobody flies, and the flight-size, maximum, downgrade and
// nose-art options.
void CampaignTweaks(TMainForm& form);

// The end rules of a battle as endcampaign.tavrek gives them.
struct CampaignEndRules {
  std::string end_date = "31/12/1945";
  std::string end_date_victor;  // empty when no rule names one
  std::string de_trigger = "None";
  std::string ru_trigger = "None";
  std::string de_destroy_trigger = "None";
  std::string ru_destroy_trigger = "None";
  std::string de_sunk_trigger = "None";
  std::string ru_sunk_trigger = "None";
  int de_destroy_count = 100;
  int ru_destroy_count = 100;
  int de_sunk_count = 100;
  int ru_sunk_count = 100;
};

// Reads the rule blocks "[<battle>]", "Campaign=<type>", a rule line and a "Victor=" line of
// the battle and campaign type; blocks of other battles or types are passed over.
CampaignEndRules ReadEndRules(const std::vector<std::string>& lines, const std::string& battle,
                              const std::string& campaign_type);
