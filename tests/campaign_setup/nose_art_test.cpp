// Nose art: only pilots of American bomber and ground-attack squadrons carry it; the random hand
// out can give every bitmap of the folder, the last one too.

#include "campaign_setup/nose_art.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "tests/campaign_setup/paint_world.h"

namespace {

TEST(LoadNoseArt, OnlyAmericanBomberAndGroundAttackPilotsKeepTheirBitmap) {
  PaintWorld w;
  w.AddSquadron("KG_200", "Ju88A4", "Ju-88A-4", "de", "2");
  w.AddSquadron("VMSB_231", "SBD5", "SBD-5", "us", "4");
  w.campaign.Write("noseart.tavrek",
                   "[VMF_311]\r\n  Lucky.bmp\r\n"  // a fighter squadron
                   "[VMF_312]\r\n"
                   "[VMTB_232]\r\n  Lucky.bmp\r\n\r\n  Lucky\r\n"  // a bomber squadron
                   "[KG_200]\r\n  Lucky.bmp\r\n"                   // a German bomber
                   "[VMSB_231]\r\n  Dolly.bmp\r\n");               // ground attack
  w.Pilot(2, 5).RosterNoseArt = "Kept.bmp";
  LoadNoseArt(w.form);
  struct Case {
    int squadron;
    int slot;
    const char* nose_art;
  };
  const Case cases[] = {
      {0, 0, "None"},     {2, 0, "Lucky.bmp"}, {2, 1, "None"},  // an empty line
      {2, 2, "None"},                                           // no ".bmp"
      {2, 5, "Kept.bmp"},                                       // the file does not reach it
      {3, 0, "None"},     {4, 0, "Dolly.bmp"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(w.Pilot(c.squadron, c.slot).RosterNoseArt, c.nose_art)
        << "squadron " << c.squadron << " slot " << c.slot;
  }
}

TEST(NoseArtRandomizer, PilotsWithoutNoseArtDrawFromNoneAndEveryBitmap) {
  PaintWorld w;
  for (const char* name : {"Art_A.bmp", "Art_B.bmp", "Art_C.bmp"}) w.WriteNoseArt(name);
  for (int extra = 0; extra < 4; ++extra) {
    w.AddSquadron("VMTB_24" + std::to_string(extra), "TBF1C", "TBF-1C", "um", "2");
  }
  w.Pilot(2, 0).RosterNoseArt = "Mine.bmp";
  w.form.Rand.SetSeed(7);
  NoseArtRandomizer(w.form);
  EXPECT_EQ(w.form.NoseArtCount, 3);
  EXPECT_EQ(w.Pilot(2, 0).RosterNoseArt, "Mine.bmp") << "nose art a pilot has is kept";
  std::set<std::string> drawn;
  for (int s = 2; s <= w.form.LastSquadron; ++s) {
    for (int slot = 1; slot < 16; ++slot) drawn.insert(w.Pilot(s, slot).RosterNoseArt);
  }
  EXPECT_EQ(drawn, (std::set<std::string>{"None", "Art_A.bmp", "Art_B.bmp", "Art_C.bmp"}));
  for (int slot = 0; slot < 16; ++slot) {
    EXPECT_EQ(w.Pilot(0, slot).RosterNoseArt, "None") << "a fighter squadron carries none";
  }
  const std::string saved = w.campaign.Read("noseart.tavrek");
  EXPECT_NE(saved.find("[VMTB_232]\r\n  Mine.bmp\r\n"), std::string::npos) << saved;
}

TEST(NoseArtRandomizer, WithoutBitmapsEveryoneStaysWithout) {
  PaintWorld w;
  NoseArtRandomizer(w.form);
  EXPECT_EQ(w.form.NoseArtCount, 0);
  EXPECT_EQ(w.form.NoseArtBox.Items, (std::vector<std::string>{"None"}));
  EXPECT_EQ(w.Pilot(2, 3).RosterNoseArt, "None");
}

TEST(CheckNoseArt, ABitmapStaysOnlyWhereTheSquadronCarriesNoseArt) {
  struct Case {
    bool carried;
    const char* held;
    const char* checked;
  };
  const Case cases[] = {
      {true, "Lucky.bmp", "Lucky.bmp"}, {true, " Lucky.bmp ", " Lucky.bmp "},
      {true, "Lucky", "None"},          {true, "", "None"},
      {false, "Lucky.bmp", "None"},     {false, "None", "None"},
  };
  for (const Case& c : cases) {
    std::string nose_art = c.held;
    CheckNoseArt(c.carried, nose_art);
    EXPECT_EQ(nose_art, c.checked) << c.carried << " \"" << c.held << "\"";
  }
}

TEST(SquadronCarriesNoseArt, AmericanBombersAndGroundAttackOnly) {
  PaintWorld w;
  w.AddSquadron("KG_200", "Ju88A4", "Ju-88A-4", "de", "2");
  w.AddSquadron("VMSB_231", "SBD5", "SBD-5", "un", "4");
  w.AddSquadron("VB_109", "PB4Y", "PB4Y-1", "us", "2");
  const bool expected[] = {false, false, true, false, true, true};
  ASSERT_EQ(w.form.LastSquadron + 1, static_cast<int>(std::size(expected)));
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    EXPECT_EQ(SquadronCarriesNoseArt(w.form, squadron), expected[squadron])
        << w.Squadron(squadron).SquadronName;
  }
}

// The saved file and the roster agree with NoseArtCheck made slot by slot, squadron by squadron.
TEST(SavePilot, SavesEveryPilotsNoseArtAsNoseArtCheckLeavesIt) {
  PaintWorld w;
  w.AddSquadron("KG_200", "Ju88A4", "Ju-88A-4", "de", "2");
  w.AddSquadron("VMSB_231", "SBD5", "SBD-5", "us", "4");
  w.Squadron(1).SquadronName.clear();  // a squadron without a name has no section
  const char* held[] = {"Lucky.bmp", " Dolly.bmp ", "Lucky", "", "None"};
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) {
      w.Pilot(squadron, slot).RosterNoseArt = held[(squadron + slot) % std::size(held)];
    }
  }
  PaintWorld expected_world;
  expected_world.AddSquadron("KG_200", "Ju88A4", "Ju-88A-4", "de", "2");
  expected_world.AddSquadron("VMSB_231", "SBD5", "SBD-5", "us", "4");
  expected_world.Squadron(1).SquadronName.clear();
  std::string expected_file;
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    if (w.Squadron(squadron).SquadronName.empty()) continue;
    expected_file += "[" + w.Squadron(squadron).SquadronName + "]\r\n";
    for (int slot = 0; slot < 16; ++slot) {
      expected_world.Pilot(squadron, slot).RosterNoseArt = w.Pilot(squadron, slot).RosterNoseArt;
      NoseArtCheck(expected_world.form, squadron, slot);
      expected_file += "  " + Trim(expected_world.Pilot(squadron, slot).RosterNoseArt) + "\r\n";
    }
  }
  SavePilot(w.form, 0);
  EXPECT_EQ(w.campaign.Read("noseart.tavrek"), expected_file);
  EXPECT_NE(expected_file.find("  Dolly.bmp\r\n"), std::string::npos) << "a bitmap is kept";
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    if (w.Squadron(squadron).SquadronName.empty()) continue;
    for (int slot = 0; slot < 16; ++slot) {
      EXPECT_EQ(w.Pilot(squadron, slot).RosterNoseArt,
                expected_world.Pilot(squadron, slot).RosterNoseArt)
          << squadron << " " << slot;
    }
  }
}

}  // namespace
