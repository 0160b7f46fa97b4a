// Paints and markings: the pilots' own paints loaded with their fall-backs, the standard paint
// of a type given to a squadron, "Apply to All" and the aces' own paints.

#include "campaign_setup/paints.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/campaign_setup/paint_world.h"

namespace {

TEST(LoadPaints, APilotsPaintFallsBackToHisSquadronsSkinThenToTheDefault) {
  PaintWorld w;
  w.WriteSkin("F4U-1C", "VMF-311.bmp");
  w.WriteSkin("F4U-1C", "Personal.bmp");
  w.Squadron(0).SquadronSkin = "VMF-311.bmp";
  w.Squadron(0).SquadronMarkings = "0";
  w.Squadron(2).SquadronSkin = "Lost.bmp";  // the squadron's own skin is gone too
  w.campaign.Write(
      "paints.tavrek",
      "[VMF_311]\r\n  1Personal.bmp\r\n  1Gone.bmp\r\n  0default.bmp\r\n  1default.bmp\r\n"
      "[VMF_312]\r\n  0Personal.bmp\r\n  1Gone.bmp\r\n"
      "[VMTB_232]\r\n  1Personal.bmp\r\n"
      "[NoSuchSquadron]\r\n  1Personal.bmp\r\n");
  LoadPaints(w.form);
  struct Case {
    int squadron;
    int slot;
    const char* paint;
  };
  const Case cases[] = {
      {0, 0, "1Personal.bmp"},  // his own skin is there
      {0, 1, "0VMF-311.bmp"},   // gone: the squadron's skin with its markings
      {0, 2, "0VMF-311.bmp"},   // the default falls back to the squadron's skin as well
      {0, 3, "0VMF-311.bmp"},   // and so does the default paint itself
      {0, 5, "0VMF-311.bmp"},   // a slot the file does not reach flies the squadron's paint
      {1, 0, "0Personal.bmp"},  // markings of his own
      {1, 1, "1default.bmp"},   // a squadron on the default gives the default
      {2, 0, "1default.bmp"},   // the bitmap is of another aircraft, the squadron's is gone
  };
  for (const Case& c : cases) {
    EXPECT_EQ(w.Pilot(c.squadron, c.slot).RosterSkin, c.paint)
        << "squadron " << c.squadron << " slot " << c.slot;
  }
}

// Every pilot's paint is checked as if it were the only one of the file, whatever the pilots
// before him fly: files of paints drawn at random against files of one pilot each.
TEST(LoadPaints, EachPilotGetsThePaintHisValueGivesAlone) {
  const char* const kValues[] = {"1Personal.bmp",
                                 "0Personal.bmp",
                                 "1PERSONAL.BMP",
                                 "1Gone.bmp",
                                 "1default.bmp",
                                 "0default.bmp",
                                 "1Avenger.bmp",
                                 "",
                                 "1",
                                 "0VMF-311.bmp"};
  const char* const kSquadrons[] = {"[VMF_311]", "[VMF_312]", "[VMTB_232]"};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> pick(0, std::size(kValues) - 1);
    std::vector<std::vector<std::string>> values(3);
    std::string file;
    for (int squadron = 0; squadron < 3; ++squadron) {
      file += std::string(kSquadrons[squadron]) + "\r\n";
      for (int slot = 0; slot < 16; ++slot) {
        // Runs of one value, as a squadron's pilots mostly fly one paint.
        values[squadron].push_back(slot > 0 && random() % 3 != 0 ? values[squadron].back()
                                                                 : kValues[pick(random)]);
        file += "  " + values[squadron].back() + "\r\n";
      }
    }
    const auto world = [seed] {
      auto w = std::make_unique<PaintWorld>();
      w->WriteSkin("F4U-1C", "VMF-311.bmp");
      w->WriteSkin("F4U-1C", "Personal.bmp");
      w->WriteSkin("TBF-1C", "Avenger.bmp");
      w->Squadron(0).SquadronSkin = "VMF-311.bmp";
      w->Squadron(0).SquadronMarkings = "0";
      w->Squadron(2).SquadronSkin = seed % 2 == 0 ? "Avenger.bmp" : "Lost.bmp";
      return w;
    };
    const auto all = world();
    all->campaign.Write("paints.tavrek", file);
    LoadPaints(all->form);
    for (int squadron = 0; squadron < 3; ++squadron) {
      for (int slot = 0; slot < 16; ++slot) {
        const auto alone = world();
        std::string one;
        for (int before = 0; before <= squadron; ++before)
          one += kSquadrons[before] + std::string("\r\n");
        for (int gap = 0; gap < slot; ++gap) one += "  1default.bmp\r\n";
        alone->campaign.Write("paints.tavrek", one + "  " + values[squadron][slot] + "\r\n");
        LoadPaints(alone->form);
        EXPECT_EQ(all->Pilot(squadron, slot).RosterSkin, alone->Pilot(squadron, slot).RosterSkin)
            << "seed " << seed << ", squadron " << squadron << " slot " << slot << ": "
            << values[squadron][slot];
      }
    }
  }
}

// The standard paint of the season, whatever skin the squadron flew, for it and all 16 pilots;
// the type is matched by its whole key, so "F4U1" does not give its paint to "F4U1C".
TEST(ApplySingleUniversalPaint, TheSquadronTakesTheSeasonsStandardPaintAndIsSaved) {
  struct Case {
    const char* season;
    const char* skin;
    const char* markings;
  };
  const Case cases[] = {{"Summer", "Sea_Blue.bmp", "1"}, {"Winter", "Snow.bmp", "0"}};
  for (const Case& c : cases) {
    PaintWorld w;
    w.form.MapSeason = c.season;
    w.Squadron(1).SquadronSkin = "Own.bmp";
    w.WriteAllPaints(
        "F4U1=1Wrong.bmp/0Wrong.bmp\r\nF4U1C = 1Sea_Blue.bmp / 0Snow.bmp\r\n"
        "TBF1C=1Avenger.bmp/1Avenger.bmp\r\n");
    ApplySingleUniversalPaint(w.form, 1);
    EXPECT_EQ(w.Squadron(1).SquadronSkin, c.skin) << c.season;
    EXPECT_EQ(w.Squadron(1).SquadronMarkings, c.markings) << c.season;
    const std::string paint = std::string(c.markings) + c.skin;
    for (int slot = 0; slot < 16; ++slot) EXPECT_EQ(w.Pilot(1, slot).RosterSkin, paint);
    EXPECT_EQ(w.Squadron(0).SquadronSkin, "default.bmp") << "only the squadron named changes";
    EXPECT_NE(w.campaign.Read("squadrons.tavrek").find(c.skin), std::string::npos);
    EXPECT_NE(w.campaign.Read("paints.tavrek").find("  " + paint + "\r\n"), std::string::npos);
  }
}

TEST(ApplySingleUniversalPaint, WithoutStandardPaintsNothingChangesAndNothingIsWritten) {
  PaintWorld w;
  w.Squadron(1).SquadronSkin = "Own.bmp";
  ApplySingleUniversalPaint(w.form, 1);
  EXPECT_EQ(w.Squadron(1).SquadronSkin, "Own.bmp");
  EXPECT_FALSE(FileExists(w.campaign.Path() + "squadrons.tavrek"));
  EXPECT_FALSE(FileExists(w.campaign.Path() + "paints.tavrek"));
}

TEST(ApplyUniversalPaints, OnlySquadronsWithoutASkinOfTheirOwnTakeTheStandardPaint) {
  PaintWorld w;
  w.WriteSkin("F4U-1C", "VMF-311.bmp");
  w.Squadron(0).SquadronSkin = "VMF-311.bmp";
  w.Pilot(0, 4).RosterSkin = "1VMF-311.bmp";
  w.Squadron(1).SquadronSkin = "Missing.bmp";
  w.WriteAllPaints("F4U1C=0Sea_Blue.bmp/0Snow.bmp\r\nTBF1C=1Avenger.bmp/1Avenger.bmp\r\n");
  ApplyUniversalPaints(w.form);
  EXPECT_EQ(w.Squadron(0).SquadronSkin, "VMF-311.bmp");
  EXPECT_EQ(w.Pilot(0, 4).RosterSkin, "1VMF-311.bmp");
  EXPECT_EQ(w.Squadron(1).SquadronSkin, "Sea_Blue.bmp") << "its own skin is not in the game";
  EXPECT_EQ(w.Pilot(1, 15).RosterSkin, "0Sea_Blue.bmp");
  EXPECT_EQ(w.Squadron(2).SquadronSkin, "Avenger.bmp");
  EXPECT_NE(w.campaign.Read("paints.tavrek").find("  0Sea_Blue.bmp\r\n"), std::string::npos);
}

// The squadron editor showing the squadron with the skin and markings chosen.
void ChooseInEditor(PaintWorld& w, int squadron, const std::string& skin,
                    const std::string& markings) {
  w.form.SquadBox.Items = {"VMF_311", "VMF_312", "VMTB_232"};
  w.form.SquadBox.Text = w.form.SquadBox.Items[squadron];
  w.Squadron(squadron).SquadronSkin = skin;
  w.Squadron(squadron).SquadronMarkings = markings;
  w.form.SkinBox.Text = skin;
}

TEST(UniformButtonClick, WithoutStandardPaintsItIsRefusedBeforeAnythingChanges) {
  PaintWorld w;
  ChooseInEditor(w, 0, "VMF-311.bmp", "0");
  EXPECT_THROW(UniformButtonClick(w.form), ProgramError);
  EXPECT_TRUE(w.Logged("No allpaints.tavrek found."));
  EXPECT_EQ(w.Squadron(1).SquadronSkin, "default.bmp");
  EXPECT_EQ(w.Pilot(0, 0).RosterSkin, "1default.bmp");
  EXPECT_FALSE(FileExists(w.campaign.Path() + "squadrons.tavrek"));
  EXPECT_FALSE(FileExists(w.campaign.Path() + "paints.tavrek"));
}

TEST(UniformButtonClick, EverySquadronOfTheAircraftTakesThePaintAndItBecomesTheTypesStandard) {
  struct Case {
    const char* season;
    int squadron;
    const char* skin;
    const char* allpaints;  // after the click
  };
  const Case cases[] = {
      {"Summer", 0, "VMF-311.bmp", "F4U1=1A.bmp/1B.bmp\r\nF4U1C=0VMF-311.bmp/1Snow.bmp\r\n"},
      // A type the file does not list gains its line.
      {"Winter", 2, "Arctic.bmp",
       "F4U1=1A.bmp/1B.bmp\r\nF4U1C=1Sea.bmp/1Snow.bmp\r\nTBF1C=1default.bmp/0Arctic.bmp\r\n"},
  };
  for (const Case& c : cases) {
    PaintWorld w;
    w.form.MapSeason = c.season;
    w.WriteAllPaints("F4U1 = 1A.bmp / 1B.bmp\r\nF4U1C=1Sea.bmp/1Snow.bmp\r\n");
    ChooseInEditor(w, c.squadron, c.skin, "0");
    UniformButtonClick(w.form);
    EXPECT_EQ(w.AllPaints(), c.allpaints) << c.season;
    const std::string paint = std::string("0") + c.skin;
    for (int s = 0; s <= w.form.LastSquadron; ++s) {
      const bool same_aircraft =
          w.Squadron(s).SquadronPlaneText == w.Squadron(c.squadron).SquadronPlaneText;
      EXPECT_EQ(w.Squadron(s).SquadronSkin == c.skin, same_aircraft) << c.season << " " << s;
      EXPECT_EQ(w.Pilot(s, 9).RosterSkin == paint, same_aircraft) << c.season << " " << s;
    }
    // Squadrons and pilots are saved together.
    EXPECT_NE(w.campaign.Read("squadrons.tavrek").find(c.skin), std::string::npos);
    EXPECT_NE(w.campaign.Read("paints.tavrek").find("  " + paint + "\r\n"), std::string::npos);
  }
}

TEST(AcesPaints, AnAceFliesHisPaintOnlyOnTheTypeHisLineNamesExactly) {
  PaintWorld w;
  w.AddSquadron("VMF_400", "F4U1", "F4U-1A", "um", "1");
  w.Pilot(0, 3).RosterName = "Greg Boyington";
  w.Pilot(3, 7).RosterName = "Greg Boyington";  // flies the "F4U1", a part of "F4U1C"
  w.Pilot(2, 1).RosterName = "Greg Boyington";  // flies an aircraft his lines do not name
  w.campaign.Write("acepaints.tavrek",
                   "[Greg Boyington]\r\nF4U1C=1Black_Sheep.bmp/0Black_Sheep_W.bmp\r\n"
                   "[Someone Else]\r\nTBF1C=1Other.bmp/1Other.bmp\r\n");
  AcesPaints(w.form);
  EXPECT_EQ(w.Pilot(0, 3).RosterSkin, "1Black_Sheep.bmp");
  EXPECT_EQ(w.Pilot(3, 7).RosterSkin, "1default.bmp");
  EXPECT_EQ(w.Pilot(2, 1).RosterSkin, "1default.bmp");
  EXPECT_EQ(w.Pilot(0, 4).RosterSkin, "1default.bmp");
  EXPECT_NE(w.campaign.Read("paints.tavrek").find("  1Black_Sheep.bmp\r\n"), std::string::npos);
}

TEST(DisplayPSBitmap, TheCopyIsTwoBytesShorterWithItsFourthByteTwoLower) {
  PaintWorld w;
  std::string skin(1000, '\x11');
  skin[3] = '\x01';  // lowered by two it wraps round, without a carry into the next byte
  const std::string path = w.game.Write("PaintSchemes/Skins/F4U-1C/Stored.bmp", skin);
  DisplayPSBitmap(w.form, path);
  const std::string copy = ReadFileBytes(w.form.ProgramFolder + "bmp.bmp");
  ASSERT_EQ(copy.size(), 998u);
  EXPECT_EQ(static_cast<unsigned char>(copy[3]), 0xFF);
  EXPECT_EQ(copy[4], '\x11');
  EXPECT_EQ(copy.substr(5), skin.substr(5, 993));
  EXPECT_EQ(ReadFileBytes(path), skin) << "the skin itself is left as it was";
}

}  // namespace
