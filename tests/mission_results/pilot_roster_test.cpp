#include "mission_results/pilot_roster.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "mission_results/bomber_crew.h"
#include "mission_results/human_gunners.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/mission_results/roster_world.h"

namespace {

using ::testing::HasSubstr;

std::string Fixture(const std::string& name) {
  return ReadFileBytes(FixturesFolder() + "roster/" + name);
}

// The three squadrons of the roster fixture: the player's Marine fighters, a Navy fighter
// squadron with a human pilot whose rank is not tracked, and a Japanese Navy squadron.
void AddFixtureSquadrons(RosterWorld& w) {
  w.AddSquadron({.name = "USMC_VMF_3110", .nation = "um", .class_line = "Class air.B_25J1"});
  w.AddSquadron({.name = "USN_VF_830", .nation = "un", .type_game_name = "F6F-5"});
  w.AddSquadron({.name = "IJN_KOKU_3430", .nation = "in", .type_game_name = "A6M5"});
}

std::vector<std::string> Lines(const std::string& text) {
  return SplitTextLines(text);
}

TEST(PilotRoster, LoadAndSaveWriteTheRosterGunnersAndCrewBackByteForByte) {
  RosterWorld w;
  AddFixtureSquadrons(w);
  for (const char* file : {"pilot.tavrek", "gunner.tavrek", "crew.tavrek"}) {
    w.WriteCampaignFile(file, Fixture(file));
  }
  w.form.AutoGeneration.Checked = true;
  w.form.DGENBoot.Checked = true;

  LoadPilots(w.form);
  LoadGunner(w.form);
  SavePilot(w.form, 0);
  SaveGunner(w.form);
  SaveCrew(w.form);

  for (const char* file : {"pilot.tavrek", "gunner.tavrek", "crew.tavrek"}) {
    EXPECT_EQ(w.CampaignFile(file), Fixture(file)) << file;
  }
  EXPECT_EQ(w.form.PlayerName, "Jack Ransom");
  EXPECT_EQ(w.form.PlayerStatusLine, "Ransom,Jack,Springfield,1921\r\n");
  EXPECT_EQ(w.form.LastGunner, 3);
  EXPECT_EQ(w.form.CrewPositionTable.CrewSeatLabel[1], "Co-Pilot");
  EXPECT_EQ(w.form.CrewPositionTable.CrewMemberName[7], "Ray Dill");
  EXPECT_EQ(w.form.CrewPositionTable.CrewMemberMissions[8], "999");
}

TEST(SavePilot, CountersArePaddedAndHeldFieldsRepairedSoTheLineReadsBack) {
  struct Case {
    std::string PilotEntry::*field;
    std::string held;
    std::string saved;
  };
  const Case cases[] = {
      {&PilotEntry::RosterKills, "7", "007"},
      {&PilotEntry::RosterKills, "1234", "999"},
      {&PilotEntry::RosterGroundKills, "abc", "000"},
      {&PilotEntry::RosterSorties, "-2", "000"},
      {&PilotEntry::RosterSorties, "42", "042"},
      {&PilotEntry::RosterMarker, "", " "},
      {&PilotEntry::RosterRank, "x", "0"},
      {&PilotEntry::RosterRank, "12", "0"},
      {&PilotEntry::RosterMedalCount, "", "0"},
      {&PilotEntry::RosterBirthDate, "-16", "1920"},
  };
  for (const Case& c : cases) {
    RosterWorld w;
    w.AddSquadron({.name = "USMC_VMF_3110", .nation = "um"});
    w.WriteCampaignFile("pilot.tavrek", "[USMC_VMF_3110]\r\n" + PilotLines("Pilot"));
    LoadPilots(w.form);
    w.Pilot(0, 3).*c.field = c.held;
    SavePilot(w.form, 0);
    EXPECT_EQ(w.Pilot(0, 3).*c.field, c.saved) << c.held;
    LoadPilots(w.form);
    EXPECT_EQ(w.Pilot(0, 3).*c.field, c.saved) << c.held << " read back";
    EXPECT_EQ(w.Pilot(0, 3).RosterName, "Pilot 3") << c.held;
  }
}

TEST(SavePilot, ASquadronWithoutANameGetsNoSectionAndNoSquadronsMeansNoWrite) {
  RosterWorld w;
  AddFixtureSquadrons(w);
  w.WriteCampaignFile("pilot.tavrek", Fixture("pilot.tavrek"));
  LoadPilots(w.form);
  w.form.SquadronTable[1].SquadronName.clear();
  SavePilot(w.form, 0);
  const std::vector<std::string> lines = Lines(w.CampaignFile("pilot.tavrek"));
  ASSERT_EQ(lines.size(), 34u);
  EXPECT_EQ(lines[17], "[IJN_KOKU_3430]");

  w.form.LastSquadron = -1;
  SavePilot(w.form, 0);
  EXPECT_EQ(Lines(w.CampaignFile("pilot.tavrek")).size(), 34u);
  EXPECT_TRUE(w.Logged("Pilots not saved: no squadron is loaded."));
}

// What a save leaves behind: the roster files, the run log, every pilot and the random state.
struct SavedState {
  std::vector<std::string> files;
  std::vector<std::string> log;
  std::vector<std::string> pilots;
  std::uint32_t seed = 0;
  bool operator==(const SavedState&) const = default;
};

SavedState StateAfterSave(RosterWorld& w) {
  SavedState state;
  for (const char* file : {"pilot.tavrek", "paints.tavrek", "noseart.tavrek"}) {
    state.files.push_back(FileExists(w.campaign.Path() + file) ? w.CampaignFile(file) : "-");
  }
  state.log = w.Log();
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 17; ++slot) {
      const PilotEntry& pilot = w.Pilot(squadron, slot);
      state.pilots.push_back(PilotLine(pilot) + "|" + pilot.RosterSkin + "|" + pilot.RosterNoseArt +
                             "|" + pilot.RosterSeat);
    }
  }
  state.seed = w.form.Rand.Seed();
  return state;
}

// A pilot line with fields a save repairs or keeps, drawn at random: counters of any width,
// odd markers, ranks and birth years, missing field marks, empty and blank lines.
std::string RandomPilotLine(std::mt19937& random, int number) {
  const auto pick = [&random](std::initializer_list<const char*> choices) {
    std::uniform_int_distribution<size_t> at(0, choices.size() - 1);
    return std::string(choices.begin()[at(random)]);
  };
  const std::string line =
      pick({" ", "^", "d", "x", "  "}) + " " + pick({"000", "7", "1234", "abc", "012"}) + " " +
      pick({"003", "", "-1"}) + " " + pick({"140", "42", "9999"}) + " " +
      pick({"Pilot ", "J@ck *", "Ivan [Ace] "}) + std::to_string(number) +
      pick({" @DGen\\Photo", "", " @"}) + pick({" *", " *x", ""}) + pick({"00", "5", "12", "3x"}) +
      pick({" &", ""}) + pick({"1920", "16", ""}) + pick({"Town", "", "T&wn"});
  return pick({"", "", "", "", "", "", "", "", "", "blank"}) == "blank" ? "   " : line;
}

// A roster file with a block of 12 to most_lines random pilot lines for every squadron.
std::string RandomRoster(std::mt19937& random, const std::vector<SquadronSetup>& squadrons,
                         int most_lines) {
  std::string text;
  for (const SquadronSetup& squadron : squadrons) {
    text += "[" + squadron.name + "]\r\n";
    const int lines = std::uniform_int_distribution<int>(12, most_lines)(random);
    for (int n = 0; n < lines; ++n) text += RandomPilotLine(random, n) + "\r\n";
  }
  return text;
}

// A save that leaves the files to a later one repairs the pilots, draws and logs as a written
// save does but leaves every file as it was; the later save then writes what two written saves
// would have left.
TEST(SavePilot, ASaveLeavingTheFilesToALaterOneDiffersFromAWrittenOneOnlyOnDisk) {
  struct Case {
    const char* what;
    std::vector<SquadronSetup> squadrons;
    bool roster_file;
    int most_lines;  // of a section of the roster file
  };
  const Case cases[] = {
      {"a roster of named squadrons",
       {{.name = "A_NN0", .nation = "fr"}, {.name = "B_NN0", .nation = "us", .role = "2"}},
       true,
       17},
      {"one squadron without a name",
       {{.name = "A_NN0", .nation = "fr"}, {.name = "", .nation = "fr"}},
       true,
       17},
      {"no squadron loaded", {}, true, 17},
      {"only squadrons without a name", {{.name = "", .nation = "fr"}}, true, 17},
      // No name is drawn for a nation without name lists: the empty slots stay empty.
      {"empty slots of an unknown nation", {{.name = "X_NN0", .nation = "zz"}}, true, 15},
      {"a new roster", {{.name = "A_NN0", .nation = "ru"}}, false, 17},
  };
  for (const Case& c : cases) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
      RosterWorld written;
      RosterWorld left;
      std::mt19937 random(seed);
      const std::string text = RandomRoster(random, c.squadrons, c.most_lines);
      for (RosterWorld* w : {&written, &left}) {
        for (const SquadronSetup& squadron : c.squadrons) w->AddSquadron(squadron);
        if (c.roster_file) w->WriteCampaignFile("pilot.tavrek", text);
        w->form.Coop.Checked = seed % 3 == 0;
        LoadPilots(w->form);
      }
      const SavedState before = StateAfterSave(left);
      SavePilot(written.form, 0);
      SavePilot(left.form, 0, RosterFiles::kLeftToLaterSave);
      SavedState after_written = StateAfterSave(written);
      SavedState after_left = StateAfterSave(left);
      EXPECT_EQ(after_left.files, before.files) << c.what << ", seed " << seed;
      after_written.files = after_left.files;
      EXPECT_TRUE(after_left == after_written) << c.what << ", seed " << seed;

      SavePilot(written.form, 0);
      SavePilot(left.form, 0);
      EXPECT_TRUE(StateAfterSave(left) == StateAfterSave(written)) << c.what << ", seed " << seed;
    }
  }
}

// Counts the files moved into a folder under each name, as a save that replaces a file does.
class ReplacedFiles {
 public:
  explicit ReplacedFiles(const std::string& folder)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) ::inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO);
  }
  ~ReplacedFiles() {
    if (fd_ >= 0) ::close(fd_);
  }
  ReplacedFiles(const ReplacedFiles&) = delete;
  ReplacedFiles& operator=(const ReplacedFiles&) = delete;

  bool Watching() const { return fd_ >= 0; }
  // The moves seen since the last call, by name.
  std::map<std::string, int> Take() {
    std::map<std::string, int> moved;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0) ++moved[event->name];
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return moved;
  }

 private:
  int fd_;
};

// Sorting and saving in one step leaves all that the sort and a save after it leave, and puts
// each file of the roster in place once at most, also where the second save has work to do.
TEST(PilotSortThenSave, LeavesWhatTheSortAndASaveAfterItLeaveWritingEachFileOnce) {
  struct Case {
    const char* what;
    std::vector<SquadronSetup> squadrons;
    int most_lines;  // of a section of the roster file
  };
  const Case cases[] = {
      {"named squadrons",
       {{.name = "A_NN0", .nation = "fr"}, {.name = "B_NN0", .nation = "us", .role = "2"}},
       17},
      {"a squadron without a name",
       {{.name = "A_NN0", .nation = "fr"}, {.name = "", .nation = "fr"}},
       17},
      {"no squadron loaded", {}, 17},
      {"only squadrons without a name", {{.name = "", .nation = "fr"}}, 17},
      {"empty slots of an unknown nation",
       {{.name = "X_NN0", .nation = "zz"}, {.name = "B_NN0", .nation = "us"}},
       15},
  };
  for (const Case& c : cases) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
      RosterWorld plain;
      RosterWorld combined;
      std::mt19937 random(seed);
      const std::string text = RandomRoster(random, c.squadrons, c.most_lines);
      for (RosterWorld* w : {&plain, &combined}) {
        for (const SquadronSetup& squadron : c.squadrons) w->AddSquadron(squadron);
        w->WriteCampaignFile("pilot.tavrek", text);
        w->form.Coop.Checked = seed % 3 == 0;
        LoadPilots(w->form);
      }
      ReplacedFiles replaced(combined.campaign.Path());
      ASSERT_TRUE(replaced.Watching());
      replaced.Take();
      PilotSort(plain.form);
      SavePilot(plain.form, 0);
      PilotSortThenSave(combined.form);
      EXPECT_TRUE(StateAfterSave(combined) == StateAfterSave(plain)) << c.what << ", seed " << seed;
      for (const auto& [name, moves] : replaced.Take()) {
        EXPECT_LE(moves, 1) << name << ": " << c.what << ", seed " << seed;
      }
    }
  }
}

// The roster file holds the pilots as the repairs of all squadrons, one after the other, leave
// them: rosters of broken and empty slots drawn at random, against a file written from the
// slots after every squadron was repaired.
TEST(SavePilot, WritesThePilotsAsTheRepairsOfEverySquadronLeaveThem) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    RosterWorld saved;
    RosterWorld reference;
    std::mt19937 random(seed);
    std::string file;
    for (int squadron = 0; squadron < 4; ++squadron) {
      const std::string name = squadron == 2 ? "" : "Sq_" + std::to_string(squadron);
      file += "[" + name + "]\r\n";
      const int lines = std::uniform_int_distribution<int>(10, 16)(random);
      for (int n = 0; n < lines; ++n) {
        // Few names, so that repairs also find theirs taken.
        file += RandomPilotLine(random, n % 3) + "\r\n";
      }
    }
    for (RosterWorld* w : {&saved, &reference}) {
      for (int squadron = 0; squadron < 4; ++squadron) {
        w->AddSquadron({.name = squadron == 2 ? "" : "Sq_" + std::to_string(squadron),
                        .nation = squadron % 2 == 0 ? "fr" : "us"});
      }
      w->WriteCampaignFile("pilot.tavrek", file);
      LoadPilots(w->form);
    }
    SavePilot(saved.form, 0);
    std::string expected;
    for (int squadron = 0; squadron < 4; ++squadron) {
      RepairSquadronPilots(reference.form, squadron);
    }
    for (int squadron = 0; squadron < 4; ++squadron) {
      const std::string& name = reference.form.SquadronTable[squadron].SquadronName;
      if (name.empty()) continue;
      expected += "[" + name + "]\r\n";
      for (int slot = 0; slot < 16; ++slot) {
        expected += PilotLine(reference.Pilot(squadron, slot)) + "\r\n";
      }
    }
    EXPECT_EQ(saved.CampaignFile("pilot.tavrek"), expected) << "seed " << seed;
    EXPECT_EQ(saved.Log(), reference.Log()) << "seed " << seed;
    EXPECT_EQ(saved.form.Rand.Seed(), reference.form.Rand.Seed()) << "seed " << seed;
  }
}

TEST(SavePilot, AnEmptySlotGetsANewPilotOfItsStartRank) {
  RosterWorld w;
  w.AddSquadron({.name = "USMC_VMF_3110", .nation = "um"});
  w.WriteCampaignFile("pilot.tavrek", "[USMC_VMF_3110]\r\n" + PilotLines("Pilot", 4) + "\r\n" +
                                          PilotLines("Wingman", 11));
  LoadPilots(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterName, "");
  SavePilot(w.form, 0);
  const PilotEntry& pilot = w.Pilot(0, 4);
  EXPECT_NE(pilot.RosterName, "");
  EXPECT_EQ(pilot.RosterRank, StartRank(w.form, 0, 4));
  EXPECT_EQ(pilot.RosterMedalCount, "0");
  EXPECT_EQ(pilot.RosterMarker, " ");
  EXPECT_EQ(pilot.RosterKills, "000");
  EXPECT_TRUE(w.Logged("line 6 is no complete pilot line"));
}

TEST(LoadPilots, ANewCampaignGetsSixteenRankedPilotsPerSquadron) {
  std::string first_roster;
  for (int run = 0; run < 2; ++run) {
    RosterWorld w;
    w.AddSquadron({.name = "USMC_VMF_3110", .nation = "um"});
    w.AddSquadron({.name = "II_JG52_2", .nation = "de", .role = "1"});
    w.AddSquadron({.name = "IJA_64_Sentai1", .nation = "ja", .role = "2"});
    LoadPilots(w.form);
    const std::string roster = w.CampaignFile("pilot.tavrek");
    const std::vector<std::string> lines = Lines(roster);
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[0], "[USMC_VMF_3110]");
    EXPECT_EQ(lines[17], "[II_JG52_2]");
    std::set<std::string> names;
    for (int squadron = 0; squadron < 3; ++squadron) {
      for (int slot = 0; slot < 16; ++slot) {
        const std::string& line = lines[squadron * 17 + slot + 1];
        EXPECT_EQ(line.substr(0, 2), "  ") << line;
        const PilotEntry& pilot = w.Pilot(squadron, slot);
        names.insert(pilot.RosterName);
        EXPECT_EQ(pilot.RosterRank, StartRank(w.form, squadron, slot)) << line;
        EXPECT_EQ(pilot.RosterNoseArt, "None");
        EXPECT_EQ(pilot.RosterPhoto, "DGen\\Photo");  // the game folder holds no portraits
        EXPECT_EQ(pilot.RosterBirthDate.size(), 4u);
      }
    }
    EXPECT_EQ(names.size(), 48u) << "every name of the roster is unique";
    // The player has no name of his own yet: he is the pilot of slot 15, seated as human.
    EXPECT_EQ(w.Pilot(0, 15).RosterMarker, "^");
    EXPECT_EQ(w.form.PlayerName, w.Pilot(0, 15).RosterName);
    if (run == 0) {
      first_roster = roster;
    } else {
      EXPECT_EQ(roster, first_roster) << "one seed gives one roster";
    }
  }
}

// The portraits of a new roster are looked up in the game folder as it is, without regard to
// case: only the odd numbers of the nation's folder are installed, some in capitals.
TEST(LoadPilots, ANewRosterKeepsExactlyThePortraitsTheGameFolderHolds) {
  RosterWorld w;
  w.AddSquadron({.name = "USN_VF_830", .nation = "un"});
  w.AddSquadron({.name = "USN_VF_831", .nation = "un"});
  for (int number = 1; number <= 30; number += 2) {
    w.WriteGameFile("DGen/UN/" + ZeroPad(number, 2) + (number % 3 == 0 ? ".BMP" : ".bmp"),
                    "portrait");
  }
  LoadPilots(w.form);
  std::set<std::string> photos;
  for (int squadron = 0; squadron < 2; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) {
      const std::string& photo = w.Pilot(squadron, slot).RosterPhoto;
      photos.insert(photo);
      if (photo == "DGen\\Photo") continue;
      ASSERT_EQ(photo.substr(0, 8), "DGen\\UN\\") << photo;
      EXPECT_EQ(std::stoi(photo.substr(8)) % 2, 1) << photo;
    }
  }
  EXPECT_EQ(photos.count("DGen\\Photo"), 1u) << "the even numbers are missing";
  EXPECT_GT(photos.size(), 6u) << "the odd numbers are found, in either case";
}

TEST(LoadPilots, ANewRosterHasNoNameTwiceEvenFromAShortList) {
  RosterWorld w;
  w.AddSquadron({.name = "r010", .nation = "ru"});
  std::string names;
  for (int line = 0; line < 10; ++line)
    names += line % 2 == 0 ? "Ivan Petrov\r\n" : "Oleg Orlov\r\n";
  w.WriteCampaignFile("data/RU_names.dat", names);
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CustomPilotNames(w.form);
  LoadPilots(w.form);
  std::set<std::string> unique;
  for (int slot = 0; slot < 16; ++slot) unique.insert(w.Pilot(0, slot).RosterName);
  EXPECT_EQ(unique.size(), 16u);
  EXPECT_EQ(unique.count("Oleg Petrov"), 1u);
  EXPECT_TRUE(w.Logged("no unused name was drawn from the name lists."));
}

TEST(LoadPilots, OnlyALineStartingWithABracketStartsASection) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  w.AddSquadron({.name = "B_NN0", .nation = "fr"});
  std::string section_a = PilotLines("Pilot", 16);
  section_a.replace(section_a.find("Pilot 2"), 7, "Pilot [Ace] 2");
  w.WriteCampaignFile("pilot.tavrek",
                      "[A_NN0]\r\n" + section_a + "[B_NN0]\r\n" + PilotLines("Wingman"));
  LoadPilots(w.form);
  EXPECT_EQ(w.Pilot(0, 2).RosterName, "Pilot _Ace_ 2");
  EXPECT_EQ(w.Pilot(0, 3).RosterName, "Pilot 3");
  EXPECT_EQ(w.Pilot(1, 0).RosterName, "Wingman 0");
}

TEST(LoadPilots, LinesThatReachNoSlotAreLeftOutAndLogged) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  w.AddSquadron({.name = "B_NN0", .nation = "fr"});
  w.Pilot(1, 12).RosterName = "Held Before";
  w.WriteCampaignFile("pilot.tavrek",
                      "  000 000 000 Stray Pilot @DGen\\Photo *00 &1920Nowhere\r\n"
                      "[A_NN0]\r\n" +
                          PilotLines("Pilot", 18) + "[B_NN0]\r\n" + PilotLines("Wingman", 12) +
                          "[C_NN0]\r\n" + PilotLines("Stranger", 2));
  LoadPilots(w.form);
  EXPECT_EQ(w.Pilot(0, 15).RosterName, "Pilot 15");
  EXPECT_EQ(w.Pilot(0, 16).RosterName, "");  // the spare slot is never read into
  EXPECT_EQ(w.Pilot(1, 0).RosterName, "Wingman 0");
  EXPECT_EQ(w.Pilot(1, 12).RosterName, "Held Before");
  EXPECT_TRUE(w.Logged("pilot.tavrek: line 1 lies before the first squadron's section."));
  EXPECT_TRUE(w.Logged("the section of A_NN0 holds more than 16 pilots from line 19 on"));
  EXPECT_TRUE(w.Logged("the section of B_NN0 holds 12 pilots"));
  EXPECT_TRUE(w.Logged("more sections than the campaign's 2 squadrons from line 35 on"));
}

TEST(LoadPilots, GarbageLinesAreLoggedAndTheRestOfTheRosterStaysIntact) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  const std::string section =
      ReplaceLine(PilotLines("Pilot"), "  000 000 000 Pilot 5 ", "%%%% garbage \x01\xff");
  w.WriteCampaignFile("pilot.tavrek", "[A_NN0]\r\n" + section);
  LoadPilots(w.form);
  EXPECT_TRUE(w.Logged("line 7 is no complete pilot line"));
  EXPECT_EQ(w.Pilot(0, 4).RosterName, "Pilot 4");
  EXPECT_EQ(w.Pilot(0, 6).RosterName, "Pilot 6");
  SavePilot(w.form, 0);
  LoadPilots(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterName, "Pilot 4");
  EXPECT_EQ(w.Pilot(0, 6).RosterName, "Pilot 6");
  EXPECT_EQ(w.Pilot(0, 5).RosterKills, "000");
  EXPECT_EQ(w.Pilot(0, 5).RosterRank, "0");
}

TEST(LoadPilots, ALostPilotIsSucceededOneRankBelowHim) {
  struct Case {
    std::string rank;
    std::string successor_rank;
  };
  const Case cases[] = {{"5", "4"}, {"0", "0"}, {"x", "0"}};
  for (const Case& c : cases) {
    RosterWorld w(1944);
    // Seaplane pilots score no victories, so the successor holds no medal.
    w.AddSquadron({.name = "A_NN0", .nation = "fr", .role = "6"});
    const std::string section =
        ReplaceLine(PilotLines("Pilot"), "  000 000 000 Pilot 3 ",
                    "d 009 001 150 Pilot 3 @DGen\\Photo *" + c.rank + "4 &1916Lyon");
    w.WriteCampaignFile("pilot.tavrek", "[A_NN0]\r\n" + section);
    LoadPilots(w.form);
    const PilotEntry& successor = w.Pilot(0, 3);
    EXPECT_EQ(successor.RosterMarker, " ") << c.rank;
    EXPECT_NE(successor.RosterName, "Pilot 3") << c.rank;
    EXPECT_EQ(successor.RosterBirthDate, "1916") << c.rank;
    EXPECT_EQ(successor.RosterMedalCount, "0") << c.rank;
    // A French pilot of 1944 flies too few sorties for a promotion of his own.
    EXPECT_EQ(successor.RosterRank, c.successor_rank) << c.rank;
    EXPECT_EQ(w.Logged("his successor starts at rank 0"), c.rank == "x");
  }
}

TEST(LoadPilots, ThePlayerFoundInHisSquadronIsMarkedAndGivesHisStatusLine) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  w.WriteGameFile("Users/all.ini", "[users]\r\nx Pilot y 7\r\n");
  w.WriteCampaignFile("pilot.tavrek", "[A_NN0]\r\n" + PilotLines("Pilot"));
  w.form.PlayerRankIndex = 3;
  LoadPilots(w.form);
  // The user list names the current user nowhere: the player stays the pilot of slot 15.
  EXPECT_EQ(w.form.PlayerName, "Pilot 15");

  w.WriteGameFile("Users/all.ini", "[users]\r\nx Pilot y 7\r\n[current]\r\n0\r\n");
  LoadPilots(w.form);
  EXPECT_EQ(w.form.PlayerName, "Pilot 7");
  EXPECT_EQ(w.Pilot(0, 7).RosterMarker, "^");
  EXPECT_EQ(w.Pilot(0, 7).RosterRank, "3");
  EXPECT_EQ(w.form.PlayerStatusLine, "7,Pilot,Town,1920\r\n");
}

TEST(LoadPilots, ANewPlayerTakesSlotFifteenAndHisRankLeavesTheOthers) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr", .skin = "blue.bmp"});
  std::string section = PilotLines("Pilot");
  section.replace(section.find("*00 &1920Town"), 3, "*60");  // slot 0 is a colonel
  w.WriteCampaignFile("pilot.tavrek", "[A_NN0]\r\n" + section);
  w.WriteGameFile("Users/all.ini", "[users]\r\n0 Jean x Moulin\r\n[current]\r\n0\r\n");
  w.form.PlayerRankIndex = 6;
  w.form.PlayerStatusLine = "Moulin,Jean,Chartres,1899\r\n";
  LoadPilots(w.form);
  const PilotEntry& player = w.Pilot(0, 15);
  EXPECT_EQ(player.RosterName, "Jean Moulin");
  EXPECT_EQ(player.RosterMarker, "^");
  EXPECT_EQ(player.RosterRank, "6");
  EXPECT_EQ(player.RosterSorties, "000");
  EXPECT_EQ(player.RosterPhoto, "DGen\\Photo");
  EXPECT_EQ(player.RosterSkin, "1blue.bmp");
  EXPECT_EQ(player.RosterHomeTown, "Chartres");
  EXPECT_EQ(player.RosterBirthDate, "1899");
  EXPECT_EQ(w.Pilot(0, 0).RosterRank, "0") << "the other colonel steps back";
}

TEST(LoadPilots, OnLineNoPilotIsSeatedAsThePlayer) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  w.WriteCampaignFile("pilot.tavrek", "[A_NN0]\r\n" + PilotLines("Pilot"));
  w.form.Coop.Checked = true;
  LoadPilots(w.form);
  for (int slot = 0; slot < 16; ++slot) EXPECT_EQ(w.Pilot(0, slot).RosterMarker, " ");
  EXPECT_EQ(w.form.PlayerStatusLine, "");
}

TEST(LoadPilots, WithoutCrewSeatsTheLossIsLoggedAndTheRosterLoads) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr", .class_line = "Class air.B_25J1"});
  DeleteFile(w.form.ProgramFolder + "data/crewseats.tavrek");
  w.form.CrewPositionTable.CrewSeatLabel[1] = "Co-Pilot";
  w.WriteCampaignFile("pilot.tavrek", "[A_NN0]\r\n" + PilotLines("Pilot"));
  LoadPilots(w.form);
  EXPECT_TRUE(w.Logged("No crewseats.tavrek found."));
  EXPECT_EQ(w.form.CrewPositionTable.CrewSeatLabel[1], "");
  EXPECT_EQ(w.form.CrewPositionTable.CrewPositionName[1], "Co-Pilot");
  EXPECT_EQ(w.Pilot(0, 9).RosterName, "Pilot 9");
}

TEST(SavePilot, EveryNamedSquadronHasItsSectionOfSkinsAndNoseArt) {
  RosterWorld w;
  AddFixtureSquadrons(w);
  w.WriteCampaignFile("pilot.tavrek", Fixture("pilot.tavrek"));
  LoadPilots(w.form);
  w.Pilot(0, 0).RosterSkin.clear();
  w.Pilot(1, 0).RosterSkin = "1VF-83.bmp";
  w.Pilot(1, 3).RosterNoseArt = " None ";
  SavePilot(w.form, 0);
  const std::vector<std::string> paints = Lines(w.CampaignFile("paints.tavrek"));
  ASSERT_EQ(paints.size(), 51u);
  EXPECT_EQ(paints[0], "[USMC_VMF_3110]");
  EXPECT_EQ(paints[1], "  ");
  EXPECT_EQ(paints[17], "[USN_VF_830]");
  EXPECT_EQ(paints[18], "  1VF-83.bmp");
  EXPECT_EQ(paints[34], "[IJN_KOKU_3430]");
  const std::vector<std::string> nose_art = Lines(w.CampaignFile("noseart.tavrek"));
  ASSERT_EQ(nose_art.size(), 51u);
  EXPECT_EQ(nose_art[21], "  None");
}

TEST(LoadPilots, NamesAndTownsOfAnyLettersKeepAllButTheFieldMarkers) {
  RosterWorld w;
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  const std::string name = "J\xF6rg O'Neil-Sm\xEFth (Jr.) 2nd";
  const std::string town = "Saint-\xC9tienne [Loire] & Co";
  w.WriteCampaignFile(
      "pilot.tavrek",
      "[A_NN0]\r\n" + ReplaceLine(PilotLines("Pilot"), "  000 000 000 Pilot 4 ",
                                  "  000 000 000 " + name + " @DGen\\Photo *00 &1920" + town));
  LoadPilots(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterName, name);
  EXPECT_EQ(w.Pilot(0, 4).RosterHomeTown, "Saint-\xC9tienne _Loire_ _ Co");
  SavePilot(w.form, 0);
  LoadPilots(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterName, name);
  EXPECT_EQ(w.Pilot(0, 5).RosterName, "Pilot 5");
}

TEST(LoadPilots, AMissingRosterWithoutSquadronsIsAnEmptyFile) {
  RosterWorld w;
  LoadPilots(w.form);
  EXPECT_TRUE(FileExists(w.campaign.Path() + "pilot.tavrek"));
  EXPECT_EQ(w.CampaignFile("pilot.tavrek"), "");
}

}  // namespace
