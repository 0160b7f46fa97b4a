#pragma once

class TMainForm;

// The battle's end rules of endcampaign.tavrek (campaign data folder, else the program's data
// folder): per rule a block of four lines, "[battle]", "Campaign=<type>", the rule and the side
// it is for:
//   EndDate=dd/mm/yyyy      Victor=Red|Blue   the end date and who wins on it
//   EndLocation=<place>     Victor=Red|Blue   the place whose loss ends the battle
//   Destroy=<object> <n>%   Victor=Red|Blue   the quota of marked static targets
//   Sunk=<ship class> <n>%  Victor=Red|Blue   the quota of marked ships
// "Victor=Red" sets the Axis value (the Allies win by taking it), "Victor=Blue" the Allied one.

// Sets the end-rule defaults and reads the current battle's rules into the campaign record. A
// line the reader cannot use is logged and passed over.
void ReadEndCampaignRules(TMainForm& form);
