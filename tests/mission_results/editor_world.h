#pragma once

#include <filesystem>
#include <string>

#include "mission_results/pilot_editor.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "tests/mission_results/roster_world.h"
#include "tests/support/sample_campaign.h"

// The squadron editor open on the player's squadron, as the editor leaves it, with the sample
// game's portraits and the US career folder's rank names.
struct EditorWorld : RosterWorld {
  EditorWorld() {
    namespace fs = std::filesystem;
    fs::copy(SourceSampleGameFolder() + "DGen", game.Path() + "DGen", fs::copy_options::recursive);
    fs::copy(SourceSampleGameFolder() + "Missions", game.Path() + "Missions",
             fs::copy_options::recursive);
    AddSquadron({.name = "USA_FS_0190", .nation = "us", .planes_max = "12"});
    AddSquadron({.name = "USA_FS_0200", .nation = "us"});
    std::string section;
    for (int slot = 0; slot < 16; ++slot) {
      section += "  00" + std::to_string(slot % 10) + " 000 010 Pilot " + std::to_string(slot) +
                 " @DGen\\US\\0" + std::to_string(1 + slot % 5) + " *" +
                 std::to_string(slot < 4 ? 3 : 1) + "0 &1920Town\r\n";
    }
    WriteCampaignFile("pilot.tavrek",
                      "[USA_FS_0190]\r\n" + section + "[USA_FS_0200]\r\n" + section);
    LoadPilots(form);
    form.QEPanel.Visible = true;
    form.SquadBox.Items = {"USA_FS_0190", "USA_FS_0200"};
    form.SquadBox.Text = "USA_FS_0190";
    RankAwardSetup(form, 0);
    PilotBox(form, 0);
  }

  // The pilot of the slot selected in the list of the squadron shown.
  void Select(int squadron, int slot) {
    form.SquadBox.Text = form.SquadBox.Items[squadron];
    form.PilotListBox.ItemIndex = slot;
  }
};
