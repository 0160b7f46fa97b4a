#include "mission_generation/recon_list.h"

#include <array>
#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "mission_generation/squadron_mission.h"
#include "platform/text_file.h"

namespace {

constexpr int kReconCredit = 10;
constexpr int kReconWithoutCapableTypes = 100;
constexpr int kBriefsReconLines[] = {23, 24};

// Bombers, ground-attack and reconnaissance types; dive bombers and seaplanes except the two
// types that never fly reconnaissance.
bool ReconCapable(const SquadronEntry& squadron) {
  const std::string& role = squadron.SquadronRole;
  if (role == "2" || role == "4" || role == "5") return true;
  if (role == "7") return squadron.SquadronClass != "Class air.D3A1";
  if (role == "6") return squadron.SquadronClass != "Class air.A6M2N";
  return false;
}

bool FliesReconnaissance(const TMainForm& form, int squadron) {
  for (const int line : kBriefsReconLines) {
    if (MissionTypeIsBriefs(form, squadron, line)) return true;
  }
  return false;
}

// 1 Allied, 2 Axis; 0 for a side outside the campaign's two.
int SideIndex(const SquadronEntry& squadron) {
  if (squadron.SquadronArmy == "1") return 1;
  if (squadron.SquadronArmy == "2") return 2;
  return 0;
}

}  // namespace

void ReconList(TMainForm& form) {
  ErrorLog(form, "Recon List Initialized.");
  std::string list;
  std::array<int, 3> capable_squadrons{0, 0, 0};
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    const int side = SideIndex(squadron);
    if (ReconCapable(squadron)) ++capable_squadrons[side];
    if (FliesReconnaissance(form, s)) {
      list += squadron.SquadronName + ": " + squadron.SquadronMissionType + "\r\n";
      if (side != 0) form.ReconCount[side] += kReconCredit;
    }
  }
  for (const int side : {1, 2}) {
    if (capable_squadrons[side] == 0) form.ReconCount[side] = kReconWithoutCapableTypes;
  }
  list += "\r\n";
  WriteTextFile(form.CampaignFolder + "recons.dat", list);
  ErrorLog(form, "Recon List Saved.");
}
