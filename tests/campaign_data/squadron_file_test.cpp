#include "campaign_data/squadron_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "campaign_data/random_generator.h"
#include "campaign_data/squadron_block.h"
#include "campaign_data/squadron_completion.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/campaign_tables_fixture.h"
#include "tests/support/campaign_world.h"
#include "tests/support/test_world.h"

namespace {

using campaign_tables::AddAircraftType;
using campaign_tables::AircraftType;

std::vector<SquadronBlock> ParseBlocks(const std::vector<std::string>& lines, bool coop,
                                       int capacity) {
  FileReadReport report;
  return ParseSquadronFile(lines, coop, capacity, report);
}

std::string Fixture(const std::string& name) {
  return ReadFileBytes(FixturesFolder() + "tables1/" + name);
}

// A campaign folder beside a program folder whose reference data match the class table.
struct SquadronWorld : CampaignWorld {
  SquadronWorld() {
    form.GameID = "AEP";
    form.Tracking.Checked = true;
    // Planes per flight: Axis 4, Soviet 3, British and American 2.
    form.DeSchwarm.Text = "Four";
    form.RuSchwarm.Text = "Three";
    form.BASchwarm.Text = "Two";
    campaign_tables::FillMessages(form);
    AddAircraftType(form, AircraftType("LA_5FN", "1", "1", "La-5FN"));
    AddAircraftType(form, AircraftType("BF_109G6", "2", "1", "Bf-109G-6"));
    AddAircraftType(form, AircraftType("HE_111H6", "2", "2", "He-111H-6"));
    AddAircraftType(form, AircraftType("PE_2", "1", "2", "Pe-2series110"));
    campaign_tables::InstallAllTypes(form);
    campaign_tables::WriteProgramData(world);
    world.program_folder.Write("data/squadids.tavrek", "II_JG52 Second Group of JG 52\r\n");
  }
  void WriteSquadrons(const std::string& content) const {
    campaign.Write("squadrons.tavrek", content);
  }
  std::string SquadronFile() const { return campaign.Read("squadrons.tavrek"); }
};

TEST(PlanesLine, CountsComeFromTwoCharacterWindows) {
  struct Case {
    const char* line;
    const char* available;
    const char* maximum;
    const char* minimum;
    int per_flight;
  };
  const Case cases[] = {
      {"Planes 8/16-4+0", "8", "16", "4", 0},
      {"Planes 12/16-10+4", "12", "16", "10", 4},
      {"Planes 8/16", "8", "16", "0", 0},               // no "-", no "+"
      {"Planes 8/4-2", "8", "4", "2", 0},               // no "+"
      {"Planes 123/456-789+12", "12", "45", "78", 12},  // three digits keep two
      {"Planes 8/4+2", "8", "4", "0", 2},               // "+" right after the maximum
      {"Planes 8/-3+1", "8", "8", "3", 1},              // an empty maximum takes the planes on hand
      {"Planes 8/16-+1", "8", "16", "0", 1},
      {"Planes 8", "8", "8", "0", 0},
      {"Planes ", "", "", "0", 0},
  };
  for (const Case& c : cases) {
    const PlanesCounts counts = ParsePlanesLine(c.line);
    EXPECT_EQ(counts.available, c.available) << c.line;
    EXPECT_EQ(counts.maximum, c.maximum) << c.line;
    EXPECT_EQ(counts.minimum, c.minimum) << c.line;
    EXPECT_EQ(counts.per_flight, c.per_flight) << c.line;
  }
  EXPECT_THROW(ParsePlanesLine("Planes 8/16-4+x"), ConversionError);
  EXPECT_THROW(ParsePlanesLine("Planes 8/16-4+"), ConversionError);
}

std::vector<std::string> Block(const std::string& name, const std::string& active_line,
                               const std::string& skin_line, const std::string& radio_line) {
  return {"[" + name + "]", "  Planes 8/16-4+2", "  Skill 2",        "  Class air.LA_5FN",
          active_line,      skin_line,           "  Kursk_Airfield", radio_line};
}

TEST(SquadronBlocks, FlagsSkinAndRadioAreNormalised) {
  struct Case {
    const char* name;
    bool coop;
    const char* active_line;
    const char* skin_line;
    const char* radio_line;
    const char* active;
    const char* ai;
    const char* markings;
    const char* skin;
    const char* radio;
  };
  const Case cases[] = {
      {"flags kept", false, "  Active True  AI True", "  0camo.bmp", "  NoRadio", "Active True ",
       "AI True", "0", "camo.bmp", "NoRadio"},
      {"never outside co-op", false, "  Active Never AI True", "  1a.bmp", "  Radio",
       "Active False", "AI True", "1", "a.bmp", "Radio"},
      {"never in co-op", true, "  Active Never AI True", "  1a.bmp", "  Radio", "Active Never",
       "AI True", "1", "a.bmp", "Radio"},
      {"unknown words", false, "  Active Maybe AI Perhaps", "  1a.bmp", "  Radio", "Active False",
       "AI False", "1", "a.bmp", "Radio"},
      {"upper-case bitmap", false, "  Active False AI False", "  0MY_SKIN.BMP", "  Radio",
       "Active False", "AI False", "0", "MY_SKIN.BMP", "Radio"},
      {"no bitmap", false, "  Active False AI False", "  default", "  Silent", "Active False",
       "AI False", "1", "default.bmp", "Radio"},
      {"AI word at character 16", false, "  Active True AI True", "  1a.bmp", "  Radio",
       "Active True ", "AI False", "1", "a.bmp", "Radio"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines =
        Block("Player0", "  Active True  AI False", "  1a.bmp", "  Radio");
    const std::vector<std::string> second =
        Block("Other0", c.active_line, c.skin_line, c.radio_line);
    lines.insert(lines.end(), second.begin(), second.end());
    const std::vector<SquadronBlock> blocks = ParseBlocks(lines, c.coop, 1029);
    ASSERT_EQ(blocks.size(), 2u) << c.name;
    EXPECT_EQ(blocks[1].active, c.active) << c.name;
    EXPECT_EQ(blocks[1].ai, c.ai) << c.name;
    EXPECT_EQ(blocks[1].markings, c.markings) << c.name;
    EXPECT_EQ(blocks[1].skin, c.skin) << c.name;
    EXPECT_EQ(blocks[1].radio, c.radio) << c.name;
  }
}

TEST(SquadronBlocks, PlayersSquadronFliesUnlessInCoop) {
  const std::vector<std::string> lines =
      Block("Player0", "  Active False AI True", "  1a.bmp", "  Radio");
  EXPECT_EQ(ParseBlocks(lines, false, 1029)[0].active, "Active True ");
  EXPECT_EQ(ParseBlocks(lines, false, 1029)[0].ai, "AI False");
  EXPECT_EQ(ParseBlocks(lines, true, 1029)[0].active, "Active False");
  EXPECT_EQ(ParseBlocks(lines, true, 1029)[0].ai, "AI True");
}

TEST(SquadronBlocks, BrokenHeadersAndTooManyBlocksAreErrorsNamingTheLine) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    const char* message;
  };
  const std::vector<std::string> good =
      Block("Player0", "  Active True  AI False", "  1a.bmp", "  Radio");
  auto with = [&good](std::vector<std::string> more) {
    std::vector<std::string> lines = good;
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
  };
  const Case cases[] = {
      {"empty brackets", with({"[]", "  Planes 8/16-4+2"}),
       "Squadron file is corrupt: line 9 (\"[]\") names no squadron."},
      {"bracket alone", with({"", "]"}),
       "Squadron file is corrupt: line 10 (\"]\") names no squadron."},
      {"no closing bracket", with({"[II_JG520", "  Planes 8/16-4+2"}),
       "Squadron file is corrupt: line 9 (\"[II_JG520\") names no squadron."},
      {"stray text", with({"Some remark"}),
       "Squadron file is corrupt: line 9 (\"Some remark\") names no squadron."},
  };
  for (const Case& c : cases) {
    try {
      ParseBlocks(c.lines, false, 1029);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const ProgramError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.name;
    }
  }

  std::vector<std::string> three = with(good);
  three = with(three);
  try {
    ParseBlocks(three, false, 2);
    ADD_FAILURE() << "no capacity error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(),
                 "Squadron file is corrupt: it holds more than 2 squadrons "
                 "(line 17).");
  }
}

// Everything a parse gives: the blocks field by field, the faults reported, or the error.
std::string ParseOutcome(const std::vector<std::string>& lines, const TextLines* views) {
  FileReadReport report;
  std::string outcome;
  try {
    const std::vector<SquadronBlock> blocks = views != nullptr
                                                  ? ParseSquadronFile(*views, false, 6, report)
                                                  : ParseSquadronFile(lines, false, 6, report);
    for (const SquadronBlock& b : blocks) {
      outcome += b.name + "|" + b.planes.available + "|" + b.planes.maximum + "|" +
                 b.planes.minimum + "|" + std::to_string(b.planes.per_flight) + "|" + b.skill +
                 "|" + b.aircraft + "|" + b.active + "|" + b.ai + "|" + b.markings + "|" + b.skin +
                 "|" + (b.names_skin ? "bmp" : "-") + "|" + b.base + "|" + b.radio + "\n";
    }
  } catch (const std::exception& error) {
    outcome += std::string("error: ") + error.what();
  }
  return outcome + "faults: " + report.Faults();
}

TEST(SquadronBlocks, LineViewsOfAFileParseAsItsLineCopiesOnRandomFiles) {
  const std::vector<std::string> kinds{"[II_JG520]",
                                       "[]",
                                       "[I",
                                       "  Planes 8/16-4+2",
                                       "  Planes 8/16-4+x",
                                       "  Skill 2",
                                       "  Class air.LA_5FN",
                                       "  Active True  AI True",
                                       "  Active Never AI False",
                                       "  1Skin.bmp",
                                       "  4xSC250",
                                       "  Kursk_Airfield",
                                       "  Radio",
                                       "  NoRadio",
                                       "",
                                       " ]",
                                       "x"};
  std::mt19937 random(20261211);
  auto pick = [&random](size_t count) {
    return std::uniform_int_distribution<size_t>(0, count - 1)(random);
  };
  int parsed = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> lines;
    for (size_t n = pick(10); n > 0; --n) {
      // Mostly whole blocks, so that files of several squadrons are common.
      if (pick(3) == 0) {
        lines.push_back(kinds[pick(kinds.size())]);
      } else {
        for (const std::string& line : Block("Unit" + std::to_string(n) + "0",
                                             "  Active True  AI True", "  1Skin.bmp", "  Radio")) {
          lines.push_back(line);
        }
      }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const TextLines views(text);
    ASSERT_EQ(views.size(), lines.size());
    const std::string expected = ParseOutcome(lines, nullptr);
    ASSERT_EQ(ParseOutcome(lines, &views), expected) << text;
    parsed += expected.find("error: ") == std::string::npos ? 1 : 0;
  }
  EXPECT_GT(parsed, 300);
  EXPECT_LT(parsed, 2700);
}

TEST(SquadronList, LoadAndSaveLeaveTheFileAsItWas) {
  SquadronWorld squadrons;
  const std::string original = Fixture("squadrons_round_trip.tavrek");
  squadrons.WriteSquadrons(original);

  SquadronList(squadrons.form, "OFF");
  ASSERT_EQ(squadrons.form.LastSquadron, 3);
  SaveSquadrons(squadrons.form, 0);

  EXPECT_EQ(squadrons.SquadronFile(), original);
}

// The file's last block is cut short by its end: that squadron is left out, and the file as it
// was is kept beside the one saved.
TEST(SquadronList, ReadingNormalisesHandEditedBlocks) {
  SquadronWorld squadrons;
  const std::string original = Fixture("squadrons_normalised.tavrek");
  squadrons.WriteSquadrons(original);

  SquadronList(squadrons.form, "ON");
  squadrons.world.dialogs->ExpectMessage("squadrons.tavrek was not read whole", ModalResult::kOk);
  SaveSquadrons(squadrons.form, 0);

  EXPECT_EQ(squadrons.SquadronFile(), Fixture("squadrons_normalised.expected"));
  EXPECT_EQ(squadrons.campaign.Read("squadrons.tavrek.damaged"), original);
}

TEST(SquadronList, CompletesEachSquadronFromItsTypeCountryAndName) {
  SquadronWorld squadrons;
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));
  SquadronList(squadrons.form, "OFF");

  const SquadronEntry& player = squadrons.form.SquadronTable[0];
  EXPECT_EQ(player.SquadronClass, "Class air.LA_5FN");
  EXPECT_EQ(player.SquadronBaseClass, "Class air.LA_5FN");
  EXPECT_EQ(player.SquadronArmy, "1");
  EXPECT_EQ(player.SquadronRole, "1");
  EXPECT_EQ(player.SquadronNation, "ru");
  EXPECT_EQ(player.SquadronFullName, "4th Guards IAP");
  EXPECT_EQ(player.TypeGameName, "La-5FN");
  EXPECT_EQ(player.TypeDescriptionAtLoad, "LA_5FN");
  EXPECT_EQ(player.TypeServiceStart, 194101);
  EXPECT_EQ(player.PlanesFlight, "12");
  const SquadronEntry& group = squadrons.form.SquadronTable[1];
  EXPECT_EQ(group.SquadronNation, "de");
  EXPECT_EQ(group.SquadronFullName, "Second Group of JG 52");
  EXPECT_EQ(group.SquadronTakeOffLeg, "");
}

TEST(SquadronList, WithoutLossTrackingEverySquadronStartsAtFullStrength) {
  SquadronWorld squadrons;
  squadrons.form.Tracking.Checked = false;
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));
  SquadronList(squadrons.form, "OFF");
  const SquadronEntry& group = squadrons.form.SquadronTable[1];
  EXPECT_EQ(group.PlanesAvailable, "12");
  EXPECT_EQ(group.PlanesFlight, "12");
  EXPECT_EQ(group.PlanesMax, "12");
  EXPECT_EQ(group.PlanesLost, "2");
}

TEST(SquadronList, FuelByRadiusRoleAndBaseUnlessSetEarlierInTheRun) {
  struct Case {
    const char* name;
    int radius_km;
    const char* role_from_earlier_load;
    const char* fuel_before;
    bool base_off_map;
    const char* fuel;
  };
  const Case cases[] = {
      {"full", 250, "2", "", false, "Fuel 100"},
      {"bomber, small radius", 150, "2", "", false, "Fuel 75"},
      {"bomber, tiny radius", 40, "2", "", false, "Fuel 50"},
      {"fighter, tiny radius", 40, "1", "", false, "Fuel 100"},
      {"off the map", 250, "1", "", true, "Fuel 75"},
      {"set by the timetable", 40, "2", "Fuel 30", false, "Fuel 30"},
  };
  for (const Case& c : cases) {
    SquadronWorld squadrons;
    TMainForm& form = squadrons.form;
    form.ActionRadiusKm = c.radius_km;
    form.FuelBox.Text = "75%";
    form.SquadronTable[1].SquadronRole = c.role_from_earlier_load;
    form.SquadronTable[1].SquadronFuel = c.fuel_before;
    campaign_tables::AddLocation(form, "Orel_Airfield", "2", "1000.00 1000.00");
    form.LocationTable[0].LocationOffMap = c.base_off_map ? "Y" : "N";
    squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));
    SquadronList(form, "OFF");
    EXPECT_EQ(form.SquadronTable[1].SquadronFuel, c.fuel) << c.name;
    EXPECT_EQ(form.SquadronTable[0].SquadronFuel, "Fuel 75") << c.name;
  }
}

TEST(SquadronList, MissingFileLoadsNothing) {
  SquadronWorld squadrons;
  squadrons.form.SquadronTable[0].SquadronName = "Kept0";
  SquadronList(squadrons.form, "OFF");
  EXPECT_EQ(squadrons.form.LastSquadron, -1);
  EXPECT_EQ(squadrons.form.SquadronTable[0].SquadronName, "Kept0");
}

TEST(SquadronList, CorruptFileIsReportedAndChangesNeitherTableNorFile) {
  SquadronWorld squadrons;
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));
  SquadronList(squadrons.form, "OFF");
  ASSERT_EQ(squadrons.form.LastSquadron, 3);

  const std::string corrupt[] = {
      "[]\r\n  Planes 8/16-4+2\r\n",
      "[A0]\r\n  Planes 8/16-4+two\r\n",
  };
  for (const std::string& content : corrupt) {
    squadrons.WriteSquadrons(content);
    EXPECT_THROW(SquadronList(squadrons.form, "OFF"), ProgramError);
    EXPECT_EQ(squadrons.form.LastSquadron, 3);
    EXPECT_EQ(squadrons.form.SquadronTable[0].SquadronName, "4GvIAP1");
    EXPECT_EQ(squadrons.SquadronFile(), content);
  }
  EXPECT_TRUE(squadrons.Logged("Squadron file is corrupt: line 1 (\"[]\") names no squadron."));
  EXPECT_TRUE(squadrons.Logged("Squadron file is corrupt: line 2 (\"Planes 8/16-4+two\")"));
}

TEST(SquadronList, FileBeyondTheTableIsRejectedWhole) {
  SquadronWorld squadrons;
  std::string content;
  for (int i = 0; i <= kSquadronCapacity; ++i) {
    content += "[S" + std::to_string(i) +
               "0]\r\n  Planes 8/16-4+2\r\n  Skill 1\r\n"
               "  Class air.LA_5FN\r\n  Active True  AI True\r\n  1default.bmp\r\n"
               "  Kursk_Airfield\r\n  Radio\r\n";
  }
  squadrons.WriteSquadrons(content);
  EXPECT_THROW(SquadronList(squadrons.form, "OFF"), ProgramError);
  EXPECT_EQ(squadrons.form.LastSquadron, -1);
  EXPECT_TRUE(squadrons.Logged("it holds more than 1029 squadrons (line 8233)."));

  SaveSquadrons(squadrons.form, 0);
  EXPECT_EQ(squadrons.SquadronFile(), content);
}

TEST(SaveSquadrons, NeverWipesTheFileWhenNoSquadronIsLoaded) {
  SquadronWorld squadrons;
  const std::string original = Fixture("squadrons_round_trip.tavrek");
  squadrons.WriteSquadrons(original);

  SaveSquadrons(squadrons.form, 0);  // nothing loaded
  EXPECT_EQ(squadrons.SquadronFile(), original);

  squadrons.form.LastSquadron = 1;  // every loaded squadron deleted
  SaveSquadrons(squadrons.form, 0);
  EXPECT_EQ(squadrons.SquadronFile(), original);
  EXPECT_TRUE(squadrons.Logged("Squadrons not saved: no squadron is loaded."));
}

TEST(SaveSquadrons, DropsDeletedSquadronsAndWritesWeaponsInTheOldestEdition) {
  SquadronWorld squadrons;
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));
  SquadronList(squadrons.form, "OFF");
  squadrons.form.SquadronTable[1].SquadronName.clear();
  squadrons.form.SquadronTable[2].SquadronWeapons = "4xSC250";
  squadrons.form.SquadronTable[3].SquadronActive = "Active True";  // short of its blank
  squadrons.form.GameID = "IL2";

  SaveSquadrons(squadrons.form, 0);

  const std::vector<std::string> lines = SplitTextLines(squadrons.SquadronFile());
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "[4GvIAP1]");
  EXPECT_EQ(lines[8], "[III_KG511]");
  EXPECT_EQ(lines[13], "  4xSC250");
  EXPECT_EQ(lines[20], "  Active True  AI True");

  SquadronList(squadrons.form, "OFF");
  EXPECT_EQ(squadrons.form.SquadronTable[1].SquadronMarkings, "1");
  EXPECT_EQ(squadrons.form.SquadronTable[1].SquadronSkin, "default.bmp");
  EXPECT_EQ(squadrons.form.SquadronTable[2].SquadronAI, "AI True");
}

TEST(LoadSquadrons, UpgradeSwapDrawsOncePerBf109G6Upgrade) {
  SquadronWorld squadrons;
  TMainForm& form = squadrons.form;
  AircraftClassEntry older = AircraftType("BF_109F4", "2", "1", "Bf-109F-4");
  older.ClassUpgrade = "BF_109G6";
  AddAircraftType(form, older);
  AircraftClassEntry focke = AircraftType("FW_190A4", "2", "1", "FW-190A-4");
  focke.ClassServiceStart = "194210";
  AddAircraftType(form, focke);
  campaign_tables::InstallAllTypes(form);
  campaign_tables::WriteProgramData(squadrons.world);
  const int kSquadrons = 8;
  for (int i = 0; i < kSquadrons; ++i) {
    form.SquadronTable[i].SquadronName = "Group" + std::to_string(i) + "0";
    form.SquadronTable[i].SquadronClass = i == 3 ? "Class air.LA_5FN" : "Class air.BF_109F4";
  }
  form.LastSquadron = kSquadrons - 1;
  form.Rand.SetSeed(20261210);
  RandomGenerator expected;
  expected.SetSeed(20261210);

  LoadSquadrons(form);

  for (int i = 0; i < kSquadrons; ++i) {
    if (i == 3) {
      EXPECT_EQ(form.SquadronTable[i].TypeUpgrade, "none");
      EXPECT_EQ(form.SquadronTable[i].TypeUpgradeDate, 999999);
      continue;
    }
    const bool swapped = expected.Random(3) == 0;
    EXPECT_EQ(form.SquadronTable[i].TypeUpgrade, swapped ? "FW_190A4" : "BF_109G6") << i;
    EXPECT_EQ(form.SquadronTable[i].TypeUpgradeDate, swapped ? 194210 : 194101) << i;
  }
  EXPECT_EQ(form.Rand.Seed(), expected.Seed());
}

TEST(GetSquadronInfo, LastMatchingClassWinsAndAufklGr10aFliesReconnaissance) {
  SquadronWorld squadrons;
  TMainForm& form = squadrons.form;
  AircraftClassEntry later = AircraftType("BF_109G6", "2", "4", "Bf-109G-6");
  later.ClassDescription = "Jabo Gustav";
  AddAircraftType(form, later);
  AddAircraftType(form, AircraftType("AR_196A3", "2", "6", "Ar-196A-3"));
  form.SquadronTable[0] = {};
  form.SquadronTable[0].SquadronName = "AufklGr10a1";
  form.SquadronTable[0].SquadronClass = "Class air.BF_109G6";
  form.SquadronTable[1].SquadronName = "AufklGr10a2";
  form.SquadronTable[1].SquadronClass = "Class air.AR_196A3";

  GetSquadronInfo(form, 0);
  GetSquadronInfo(form, 1);

  EXPECT_EQ(form.SquadronTable[0].TypeDescription, "Jabo Gustav");
  EXPECT_EQ(form.SquadronTable[0].SquadronRole, "5");
  EXPECT_EQ(form.SquadronTable[1].SquadronRole, "6");
}

TEST(LoadSquadrons, TypeMissingFromTheGameIsReported) {
  SquadronWorld squadrons;
  TMainForm& form = squadrons.form;
  form.LastActivePlane = 0;
  form.ActivePlaneList[0] = "la-5fn";
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));

  SquadronList(form, "OFF");

  const std::string message = "II_JG520 flies a Bf-109G-6 that the game lacks.";
  EXPECT_TRUE(squadrons.Logged(message));
  // Until another type is found for it, the log says the squadron keeps its own.
  EXPECT_TRUE(
      squadrons.Logged("II_JG520 keeps Class air.BF_109G6: no other aircraft type was given."));
  EXPECT_FALSE(squadrons.Logged("4GvIAP1 flies"));
  EXPECT_EQ(form.DescLabel.Caption, "35BAP1 flies a Pe-2series110 that the game lacks.");
}

TEST(LoadSquadrons, NoInstalledTypeListMeansNoTypeIsRejected) {
  SquadronWorld squadrons;
  TMainForm& form = squadrons.form;
  form.LastActivePlane = -1;
  form.ActivePlaneList[0].clear();
  form.GameFolder = squadrons.world.program_folder.Path() + "game/";
  squadrons.world.program_folder.Write("game/PaintSchemes/Skins/readme.txt", "");
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));

  SquadronList(form, "OFF");

  EXPECT_FALSE(squadrons.Logged("that the game lacks"));
  EXPECT_EQ(form.DescLabel.Caption, "");
}

TEST(LoadSquadrons, ServerRunAcceptsEveryType) {
  SquadronWorld squadrons;
  TMainForm& form = squadrons.form;
  form.LastActivePlane = 0;
  form.ActivePlaneList[0] = "la-5fn";
  form.ServerActive = "True";
  squadrons.WriteSquadrons(Fixture("squadrons_round_trip.tavrek"));
  SquadronList(form, "OFF");
  EXPECT_FALSE(squadrons.Logged("that the game lacks"));
}

TEST(FlightSizeCheck, RulesInOrderFillOnlyAnEmptySize) {
  struct Case {
    const char* name;
    const char* role;
    const char* aircraft;
    const char* nation;
    const char* army;
    int stored;
    const char* de_schwarm;
    int year;
    int expected;
  };
  const Case cases[] = {
      {"transport", "3", "Class air.LI_2", "ru", "1", 0, "Default", 1943, 2},
      {"seaplane", "6", "Class air.AR_196A3", "de", "2", 0, "Default", 1943, 2},
      {"reconnaissance", "5", "Class air.BF_110C4", "de", "2", 0, "Default", 1943, 1},
      {"reconnaissance stored", "5", "Class air.BF_110C4", "de", "2", 3, "Default", 1943, 3},
      {"float fighter", "1", "Class air.A6M2N", "ja", "2", 0, "Default", 1942, 1},
      {"zveno carrier of four", "2", "Class air.TB_3_4M_34R_SPB", "ru", "1", 4, "Default", 1941, 2},
      {"zveno carrier unset", "2", "Class air.TB_3_4M_34R_SPB", "ru", "1", 0, "Default", 1941, 2},
      {"zveno carrier of one", "2", "Class air.TB_3_4M_34R_SPB", "ru", "1", 1, "Default", 1941, 1},
      {"stored size", "1", "Class air.LA_5FN", "ru", "1", 3, "Default", 1943, 3},
      {"British", "1", "Class air.SPITFIRE", "gb", "1", 0, "Default", 1943, 2},
      {"American", "1", "Class air.P_40E", "us", "1", 0, "Default", 1943, 2},
      {"French", "1", "Class air.D520", "fr", "1", 0, "Default", 1940, 2},
      {"Soviet", "1", "Class air.LA_5FN", "ru", "1", 0, "Default", 1943, 3},
      {"German", "1", "Class air.BF_109G6", "de", "2", 0, "Default", 1943, 4},
      {"Japanese early", "1", "Class air.A6M2", "ja", "2", 0, "Default", 1942, 3},
      {"Japanese later", "1", "Class air.A6M5", "ja", "2", 0, "Default", 1943, 4},
      {"Japanese, size chosen", "1", "Class air.A6M2", "ja", "2", 0, "Four", 1942, 4},
      {"Italian early", "1", "Class air.MC_200", "it", "2", 0, "Default", 1941, 3},
      {"no side", "1", "Class air.X", "xx", "", 0, "Default", 1943, 0},
  };
  for (const Case& c : cases) {
    TestWorld world;
    TMainForm& form = *world.form;
    form.DeFlightSize = 4;
    form.RuFlightSize = 3;
    form.BAFlightSize = 2;
    form.DeSchwarm.Text = c.de_schwarm;
    form.CampaignYear = c.year;
    SquadronEntry& squadron = form.SquadronTable[5];
    squadron.SquadronRole = c.role;
    squadron.SquadronClass = c.aircraft;
    squadron.SquadronNation = c.nation;
    squadron.SquadronArmy = c.army;
    squadron.PlanesExtra = c.stored;
    FlightSizeCheck(form, 5);
    EXPECT_EQ(squadron.PlanesExtra, c.expected) << c.name;
  }
}

TEST(CalculateLinkedMax, MaximumFollowsFlightsPerSquadronOrTheRole) {
  struct Case {
    const char* name;
    bool link_max;
    bool massed_bombers;
    int flights;
    const char* role;
    const char* aircraft;
    const char* planes_flight;
    const char* maximum;
    const char* flight_after;
    const char* available_after;
  };
  const Case cases[] = {
      {"three flights", true, false, 3, "1", "Class air.LA_5FN", "8", "12", "8", "8"},
      {"one flight", true, false, 1, "1", "Class air.LA_5FN", "8", "4", "4", "4"},
      {"four flights", true, false, 4, "1", "Class air.LA_5FN", "14", "16", "14", "14"},
      {"transport", true, false, 3, "3", "Class air.LI_2", "6", "4", "4", "4"},
      {"massed bombers", true, true, 2, "2", "Class air.HE_111H6", "12", "16", "12", "12"},
      {"bombers not massed", true, false, 2, "2", "Class air.HE_111H6", "12", "8", "8", "8"},
      {"unlinked fighter", false, false, 2, "1", "Class air.LA_5FN", "12", "16", "12", "9"},
      {"unlinked reconnaissance", false, false, 2, "5", "Class air.BF_110C4", "12", "4", "12", "9"},
      {"unlinked G4M2E", false, false, 2, "2", "Class air.G4M2E", "12", "4", "12", "9"},
  };
  for (const Case& c : cases) {
    SquadronWorld squadrons;
    TMainForm& form = squadrons.form;
    form.LinkMax.Checked = c.link_max;
    form.MassedBombers.Checked = c.massed_bombers;
    form.FlightsPerSquadron = c.flights;
    SquadronEntry& squadron = form.SquadronTable[0];
    squadron.SquadronName = "Unit0";
    squadron.SquadronRole = c.role;
    squadron.SquadronClass = c.aircraft;
    squadron.SquadronBaseClass = c.aircraft;
    squadron.PlanesFlight = c.planes_flight;
    squadron.PlanesAvailable = "9";
    form.LastSquadron = 0;

    CalculateLinkedMax(form);

    EXPECT_EQ(squadron.PlanesMax, c.maximum) << c.name;
    EXPECT_EQ(squadron.PlanesFlight, c.flight_after) << c.name;
    EXPECT_EQ(squadron.PlanesAvailable, c.available_after) << c.name;
    EXPECT_NE(squadrons.SquadronFile().find("/" + std::string(c.maximum) + "-"), std::string::npos)
        << c.name;
  }
}

// What a scan of the whole class table gives a squadron: GetSquadronInfo on a copy that has
// only the squadron's name and class, and the service start of the last class named as its
// upgrade.
SquadronEntry ScannedSquadron(TMainForm& form, const SquadronEntry& loaded, int at) {
  const SquadronEntry kept = form.SquadronTable[at];
  form.SquadronTable[at] = {};
  form.SquadronTable[at].SquadronName = loaded.SquadronName;
  form.SquadronTable[at].SquadronClass = loaded.SquadronClass;
  GetSquadronInfo(form, at);
  SquadronEntry scanned = form.SquadronTable[at];
  form.SquadronTable[at] = kept;
  scanned.TypeUpgradeDate = 999999;
  for (int c = 0; c <= form.LastAircraftClass; ++c) {
    const AircraftClassEntry& type = form.AircraftClassTable[c];
    if (type.ClassName == loaded.TypeUpgrade) {
      scanned.TypeUpgradeDate = std::stoi(type.ClassServiceStart);
    }
  }
  return scanned;
}

TEST(LoadSquadrons, EverySquadronGetsWhatAScanOfTheClassTableGivesOnRandomTables) {
  const std::vector<std::string> names{"LA_5FN", "BF_109G6", "HE_111H6", "PE_2",
                                       "YAK_9",  "JU_87D",   "IL_2",     "FW_190A4"};
  std::mt19937 random(20261211);
  auto pick = [&random](size_t count) {
    return std::uniform_int_distribution<size_t>(0, count - 1)(random);
  };
  for (int round = 0; round < 20; ++round) {
    SquadronWorld squadrons;
    TMainForm& form = squadrons.form;
    // Names come back several times: the last class of a name is the one that counts.
    form.LastAircraftClass = -1;
    for (int c = 0; c < 30; ++c) {
      const std::string& name = names[pick(names.size())];
      AircraftClassEntry type =
          AircraftType(name, pick(2) == 0 ? "1" : "2", std::to_string(1 + pick(6)),
                       name + "-" + std::to_string(c));
      type.ClassDescription = name + " variant " + std::to_string(c);
      type.ClassServiceStart = std::to_string(194001 + static_cast<int>(pick(500)));
      type.ClassUpgrade = pick(3) == 0 ? "none" : names[pick(names.size())];
      AddAircraftType(form, type);
    }
    campaign_tables::InstallAllTypes(form);
    campaign_tables::WriteProgramData(squadrons.world);
    const int kSquadrons = 40;
    for (int i = 0; i < kSquadrons; ++i) {
      const std::string& name = names[pick(names.size())];
      const std::string classes[] = {"Class air." + name, "Class air." + name + "X",
                                     "Class " + name, "Class air.UNKNOWN"};
      form.SquadronTable[i].SquadronName = "Unit" + std::to_string(i) + "0";
      form.SquadronTable[i].SquadronClass = classes[pick(4) == 0 ? 1 + pick(3) : 0];
    }
    form.LastSquadron = kSquadrons - 1;

    LoadSquadrons(form);

    for (int i = 0; i < kSquadrons; ++i) {
      const SquadronEntry loaded = form.SquadronTable[i];
      const SquadronEntry scanned = ScannedSquadron(form, loaded, i);
      const std::string where = "round " + std::to_string(round) + " squadron " + std::to_string(i);
      EXPECT_EQ(loaded.TypeDescription, scanned.TypeDescription) << where;
      EXPECT_EQ(loaded.SquadronRole, scanned.SquadronRole) << where;
      EXPECT_EQ(loaded.TypeGameName, scanned.TypeGameName) << where;
      EXPECT_EQ(loaded.TypeServiceStart, scanned.TypeServiceStart) << where;
      EXPECT_EQ(loaded.TypeUpgradeDate, scanned.TypeUpgradeDate) << where;
    }
  }
}

TEST(LoadSquadrons, ABadServiceDateOfAnyClassOfTheTypeStopsTheLoad) {
  SquadronWorld squadrons;
  TMainForm& form = squadrons.form;
  // An earlier class of the same name with a bad date, a later one with a good date.
  AircraftClassEntry broken = AircraftType("BF_109G6", "2", "1", "Bf-109G-6");
  broken.ClassServiceStart = "soon";
  form.AircraftClassTable[0] = broken;
  campaign_tables::WriteProgramData(squadrons.world);
  form.SquadronTable[0].SquadronName = "II_JG520";
  form.SquadronTable[0].SquadronClass = "Class air.BF_109G6";
  form.LastSquadron = 0;
  EXPECT_THROW(LoadSquadrons(form), ConversionError);
  EXPECT_TRUE(squadrons.Logged("Aircraft class BF_109G6: the service date is not a whole number"));
}

}  // namespace
