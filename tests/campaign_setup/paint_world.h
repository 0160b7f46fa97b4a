#pragma once

#include <cstdint>
#include <string>

#include "app/main_form.h"
#include "mission_results/pilot_roster_table.h"
#include "tests/support/campaign_world.h"

// A campaign of a few squadrons held in memory, with the game's skin and nose-art folders in a
// game folder of its own and the standard paints (allpaints.tavrek) in the campaign's data
// folder. Squadron 0 and 1 fly the Corsair "F4U1C", squadron 2 the Avenger "TBF1C".
struct PaintWorld : CampaignWorld {
  PaintWorld() {
    form.GameFolder = game.Path();
    form.CampaignDataFolder = campaign.Path();
    form.MapSeason = "Summer";
    form.GameID = "1946";  // an edition whose squadron file keeps the skins
    form.LastSquadron = -1;
    AddSquadron("VMF_311", "F4U1C", "F4U-1C", "um", "1");
    AddSquadron("VMF_312", "F4U1C", "F4U-1C", "um", "1");
    AddSquadron("VMTB_232", "TBF1C", "TBF-1C", "um", "2");
  }

  void AddSquadron(const std::string& name, const std::string& type, const std::string& game_name,
                   const std::string& nation, const std::string& role) {
    SquadronEntry& squadron = form.SquadronTable[++form.LastSquadron];
    squadron.SquadronName = name;
    squadron.SquadronNation = nation;
    squadron.SquadronRole = role;
    squadron.SquadronArmy = "1";
    squadron.SquadronClass = "Class air." + type;
    squadron.TypeGameName = game_name;
    squadron.SquadronPlaneText = game_name;
    squadron.SquadronHomeBase = "Yontan_Airfield";
    squadron.PlanesMax = "16";
    squadron.SquadronSkin = "default.bmp";
    squadron.SquadronMarkings = "1";
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = Pilot(form.LastSquadron, slot);
      pilot.RosterName = name + " pilot " + std::to_string(slot);
      pilot.RosterRank = "1";
      pilot.RosterSkin = "1default.bmp";
      pilot.RosterNoseArt = "None";
    }
  }

  PilotEntry& Pilot(int squadron, int slot) {
    return form.PilotRoster[RosterIndex(squadron, slot)];
  }
  SquadronEntry& Squadron(int squadron) { return form.SquadronTable[squadron]; }

  // A skin bitmap of the aircraft's folder ("F4U-1C", "VMF-311.bmp").
  std::string WriteSkin(const std::string& aircraft, const std::string& file) const {
    return game.Write("PaintSchemes/Skins/" + aircraft + "/" + file, TinyBitmap(2, 3));
  }
  std::string WriteNoseArt(const std::string& file) const {
    return game.Write("PaintSchemes/NoseArt/" + file, TinyBitmap(3, 2));
  }
  void WriteAllPaints(const std::string& text) const { campaign.Write("allpaints.tavrek", text); }
  std::string AllPaints() const { return campaign.Read("allpaints.tavrek"); }

  // An uncompressed 24-bit Windows bitmap of one grey.
  static std::string TinyBitmap(int width, int height) {
    const auto le = [](std::uint32_t value, int bytes) {
      std::string out;
      for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
      return out;
    };
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::string pixels(stride * static_cast<std::uint32_t>(height), '\x80');
    const std::uint32_t offset = 14 + 40;
    return "BM" + le(offset + pixels.size(), 4) + le(0, 4) + le(offset, 4) + le(40, 4) +
           le(width, 4) + le(height, 4) + le(1, 2) + le(24, 2) + le(0, 4) + le(pixels.size(), 4) +
           le(2835, 4) + le(2835, 4) + le(0, 4) + le(0, 4) + pixels;
  }

  TempFolder game;
};
