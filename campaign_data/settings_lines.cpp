#include "campaign_data/settings_lines.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

using Leftovers = SettingsReadLeftovers;
using Writer = std::function<std::string(TMainForm&)>;
using Reader = std::function<void(TMainForm&, const std::string&, Leftovers&)>;
using Folder = std::string CampaignDataState::*;
using Box = TComboBox MainWindowControls::*;
using Item = TMenuItem MainWindowControls::*;

// How one line is written and read back.
struct LineFormat {
  Writer write;
  Reader read;
};

std::string TrueFalse(bool on) {
  return on ? "True" : "False";
}

bool IsFolderSeparator(char c) {
  return c == '\\' || c == '/';
}

// A bad line is quoted in the run log; a huge one only in part.
std::string Quoted(std::string_view line) {
  return "\"" + Excerpt(line) + "\"";
}

LineFormat FolderLine(Folder folder) {
  return {[folder](TMainForm& f) { return f.*folder; },
          [folder](TMainForm& f, const std::string& line, Leftovers&) { f.*folder = line; }};
}

// Lines 4-14: the whole line is the box's text.
LineFormat BareText(Box box) {
  return {[box](TMainForm& f) { return (f.*box).Text; },
          [box](TMainForm& f, const std::string& line, Leftovers&) { (f.*box).Text = Trim(line); }};
}

// The value of a key=value line goes to the box at its position whatever key the line carries.
LineFormat Value(std::string key, Box box) {
  return {[key, box](TMainForm& f) { return key + "=" + (f.*box).Text; },
          [box](TMainForm& f, const std::string& line, Leftovers&) {
            (f.*box).Text = ValueAfterEquals(line);
          }};
}

// The same, written trimmed.
LineFormat TrimmedValue(std::string key, Box box) {
  return {[key, box](TMainForm& f) { return key + "=" + Trim((f.*box).Text); },
          [box](TMainForm& f, const std::string& line, Leftovers&) {
            (f.*box).Text = ValueAfterEquals(line);
          }};
}

// An on/off item. Most lines must equal key=True exactly; a few need only contain it.
enum class OnTest { kWholeLine, kContains };

LineFormat Toggle(std::string key, Item item, OnTest test = OnTest::kWholeLine) {
  return {[key, item](TMainForm& f) { return key + "=" + TrueFalse((f.*item).Checked); },
          [key, item, test](TMainForm& f, const std::string& line, Leftovers&) {
            const std::string on = key + "=True";
            (f.*item).SetChecked(test == OnTest::kWholeLine ? line == on : Contains(line, on));
          }};
}

// Written for the record; reading it leaves the item unchecked (the game-edition check sets
// the generator replacements again).
LineFormat WrittenOnly(std::string key, Item item) {
  return {[key, item](TMainForm& f) { return key + "=" + TrueFalse((f.*item).Checked); },
          [item](TMainForm& f, const std::string&, Leftovers&) { (f.*item).SetChecked(false); }};
}

// A ship-skill line: the key is checked; a line without it reads as "Average".
LineFormat ShipSkill(std::string key, Box box) {
  return {[key, box](TMainForm& f) { return key + "=" + (f.*box).Text; },
          [key, box](TMainForm& f, const std::string& line, Leftovers&) {
            (f.*box).Text = Contains(line, key + "=") ? ValueAfterEquals(line) : "Average";
          }};
}

LineFormat SupplyRate(std::string key, int side) {
  return {[key, side](TMainForm& f) { return key + "=" + f.SupplyRate[side]; },
          [side](TMainForm& f, const std::string& line, Leftovers&) {
            if (Trim(line).size() > 3) f.SupplyRate[side] = ValueAfterEquals(line);
          }};
}

// Files are written below the program and game folders: a line that names no existing folder
// by its full path (a relative one would be the working folder's) must not take their place.
bool NamesExistingFolder(const std::string& line) {
  return !line.empty() && IsAbsolutePath(line) && DirectoryExists(line);
}

std::string WithFinalSeparator(const std::string& folder) {
  return IsFolderSeparator(folder.back()) ? folder : folder + "\\";
}

LineFormat ProgramFolderLine() {
  return {[](TMainForm& f) { return f.ProgramFolder; },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            if (!NamesExistingFolder(line)) {
              const std::string named = line.empty() ? "" : " (" + Quoted(line) + ")";
              ErrorLog(f, "tavrek.ini line 1 names no program folder" + named + "; " +
                              f.ProgramFolder + " is kept.");
              return;
            }
            f.ProgramFolder = WithFinalSeparator(line);
            ClaimProgramFolder(f);
          }};
}

// The game folder stays unknown, as without the line, unless the line names one.
LineFormat GameFolderLine() {
  return {[](TMainForm& f) { return f.GameFolder; },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            if (line.empty()) return;
            if (!NamesExistingFolder(line)) {
              ErrorLog(f, "tavrek.ini line 3 names no game folder (" + Quoted(line) +
                              "); the game folder is looked for anew.");
              return;
            }
            f.GameFolder = WithFinalSeparator(line);
          }};
}

LineFormat ActionRadiusLine() {
  return {[](TMainForm& f) { return f.ActionRadius.Text; },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            const std::string text = Trim(line);
            try {
              const int kilometres = StrToInt(Copy(text, 1, Pos(" ", text) - 1));
              f.ActionRadius.Text = text;
              f.ActionRadiusKm = kilometres;
            } catch (const ConversionError&) {
              ErrorLog(f, "tavrek.ini line 12: " + Quoted(text) +
                              " is no action radius; it stays " + f.ActionRadius.Text + ".");
            }
          }};
}

LineFormat FbdActiveLine() {
  return {[](TMainForm& f) {
            return std::string("FBDActive=") + (f.FBDActiveBox.Text == "Yes" ? "Yes" : "No");
          },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            // The three characters after the ten of "FBDActive=".
            f.FBDActiveBox.Text = Trim(Copy(line, 11, 3)) == "Yes" ? "Yes" : "No";
          }};
}

LineFormat ServerToolLine() {
  return {[](TMainForm& f) { return "IL2SCUse=" + TrueFalse(f.SCUseBox.Text == "Yes"); },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            f.SCUseBox.Text = line == "IL2SCUse=True" ? "Yes" : "No";
          }};
}

LineFormat LogFileDateLine() {
  return {[](TMainForm& f) {
            if (f.LogFileDate.empty()) f.LogFileDate = "None";
            return "LogFileDate=" + f.LogFileDate;
          },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            f.LogFileDate = ValueAfterEquals(line);
          }};
}

LineFormat NightLine() {
  return {[](TMainForm& f) { return "Night=" + TrueFalse(f.DayNightBox.Text == "Night"); },
          [](TMainForm&, const std::string&, Leftovers&) {}};
}

struct LanguageItem {
  std::string_view language;
  Item item;
};

constexpr std::array<LanguageItem, 8> kLanguages{{
    {"English", &MainWindowControls::EnglishSupport},
    {"French", &MainWindowControls::FrenchSupport},
    {"Italian", &MainWindowControls::ItalianSupport},
    {"Czech", &MainWindowControls::CzechSupport},
    {"Polish", &MainWindowControls::PolishSupport},
    {"German", &MainWindowControls::GermanSupport},
    {"Spanish", &MainWindowControls::SpanishSupport},
    {"Russian", &MainWindowControls::RussianSupport},
}};

LineFormat LanguageLine() {
  return {[](TMainForm& f) {
            const bool known =
                std::any_of(kLanguages.begin() + 1, kLanguages.end(),
                            [&f](const LanguageItem& l) { return l.language == f.Language; });
            return "Language=" + (known ? f.Language : std::string("English"));
          },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            f.Language = ValueAfterEquals(line);
            for (const LanguageItem& l : kLanguages) {
              if (l.language == f.Language) (f.*l.item).SetChecked(true);
            }
          }};
}

LineFormat GameIdLine() {
  return {
      [](TMainForm& f) { return "GameID=" + f.GameID; },
      [](TMainForm& f, const std::string& line, Leftovers&) { f.GameID = ValueAfterEquals(line); }};
}

LineFormat SingleMapLine() {
  return {[](TMainForm& f) { return "SingleMap=" + TrueFalse(f.SingleMapCampaign.Checked); },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            if (ValueAfterEquals(line) == "True") f.SingleMapCampaign.SetChecked(true);
          }};
}

LineFormat DataFilesLine() {
  return {[](TMainForm& f) { return "DataFiles=" + f.DataFilesFolder; },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            if (Contains(line, "DataFiles=")) {
              f.DataFilesFolder = ValueAfterEquals(line);
            } else {
              f.DataFilesFolder.clear();
            }
          }};
}

LineFormat BornPlaceRadiusLine() {
  return {[](TMainForm& f) { return "BornPlaceRadius=" + IntToStr(f.BornPlaceTrackBar.Position); },
          [](TMainForm& f, const std::string& line, Leftovers& leftovers) {
            const std::string value = ValueAfterEquals(line);
            try {
              leftovers.BornPlaceRadius = StrToInt(value);
            } catch (const ConversionError&) {
              leftovers.BornPlaceRadius = 3000;
              ErrorLog(f, "tavrek.ini line 66: " + Quoted(value) +
                              " is no born-place radius; 3000 is used.");
            }
          }};
}

LineFormat ServerInfoLine() {
  return {[](TMainForm& f) { return "ServerInfo=" + Trim(f.ServerInfo.Text); },
          [](TMainForm&, const std::string& line, Leftovers& leftovers) {
            leftovers.ServerInfo = ValueAfterEquals(line);
          }};
}

LineFormat ServerActiveLine() {
  return {[](TMainForm& f) { return "ServerActive=" + Trim(f.ServerActive); },
          [](TMainForm& f, const std::string& line, Leftovers&) {
            f.ServerActive = ValueAfterEquals(line) == "True" ? "True" : "False";
          }};
}

// A value line whose box keeps only some of its texts; anything else becomes the fallback.
LineFormat Restricted(std::string key, Box box, std::initializer_list<std::string_view> accepted,
                      std::string fallback) {
  std::vector<std::string> kept(accepted.begin(), accepted.end());
  return {[key, box](TMainForm& f) { return key + "=" + (f.*box).Text; },
          [box, kept, fallback](TMainForm& f, const std::string& line, Leftovers&) {
            const std::string value = ValueAfterEquals(line);
            const bool accepted = std::find(kept.begin(), kept.end(), value) != kept.end();
            (f.*box).Text = accepted ? value : fallback;
          }};
}

using C = MainWindowControls;
using S = CampaignDataState;

std::vector<LineFormat> BuildLayout() {
  return {
      ProgramFolderLine(),                                                         // 1
      FolderLine(&S::CampaignFolder),                                              // 2
      GameFolderLine(),                                                            // 3
      BareText(&C::FlightBox),                                                     // 4
      BareText(&C::DeSchwarm),                                                     // 5
      BareText(&C::RuSchwarm),                                                     // 6
      BareText(&C::BASchwarm),                                                     // 7
      BareText(&C::SquadronDensity),                                               // 8
      BareText(&C::ColumnDensity),                                                 // 9
      BareText(&C::SObjectD),                                                      // 10
      BareText(&C::GenSkillBox),                                                   // 11
      ActionRadiusLine(),                                                          // 12
      BareText(&C::GAltitudeBox),                                                  // 13
      BareText(&C::RAltitudeBox),                                                  // 14
      Toggle("MassedBombers", &C::MassedBombers),                                  // 15
      Toggle("FrontMovement", &C::FrontMovement),                                  // 16
      Toggle("CopyMission", &C::CopyMission),                                      // 17
      Toggle("Dogfight", &C::Dogfight),                                            // 18
      Toggle("Coop", &C::Coop),                                                    // 19
      FbdActiveLine(),                                                             // 20
      Toggle("AutoGeneration", &C::AutoGeneration),                                // 21
      Toggle("Primary", &C::Primary),                                              // 22
      Toggle("DSTimes", &C::DSTimes),                                              // 23
      Toggle("Paras", &C::Paras),                                                  // 24
      Toggle("Briefing", &C::Briefing),                                            // 25
      Value("ShipRoF", &C::RoFBox),                                                // 26
      Toggle("HistDates", &C::HistDates),                                          // 27
      ServerToolLine(),                                                            // 28
      LogFileDateLine(),                                                           // 29
      Toggle("Tracking", &C::Tracking),                                            // 30
      Toggle("NoTransfers", &C::NoTransfers),                                      // 31
      NightLine(),                                                                 // 32
      WrittenOnly("DGEN_Replacement", &C::DGENBoot),                               // 33
      Toggle("TankDG", &C::TankDG),                                                // 34
      Value("TransitAlt", &C::TransitAltBox),                                      // 35
      Value("TgtEgressAlt", &C::TgtEgressAltBox),                                  // 36
      Value("TgtAlt", &C::TgtAltBox),                                              // 37
      Value("TgtIngressAlt", &C::TgtIngressAltBox),                                // 38
      Value("IPAlt", &C::IPAltBox),                                                // 39
      Value("TgtIngressOffset", &C::TgtIngressOffsetBox),                          // 40
      Value("IPOffset", &C::IPOffsetBox),                                          // 41
      Value("TOStepAltBox", &C::TakeOffStepAltBox),                                // 42
      Toggle("NormandyBase", &C::NormandyBase),                                    // 43
      Toggle("Death", &C::Death),                                                  // 44
      Toggle("AirStarts", &C::AirStarts),                                          // 45
      Value("TOCircle", &C::TOCircle),                                             // 46
      Value("IECoordinates", &C::IECoordinates),                                   // 47
      Value("CruiseSpeed", &C::CruiseBox),                                         // 48
      LanguageLine(),                                                              // 49
      GameIdLine(),                                                                // 50
      WrittenOnly("NGEN_Replacement", &C::NGenBoot),                               // 51
      SingleMapLine(),                                                             // 52
      Toggle("PalmTrees", &C::PalmTrees),                                          // 53
      SupplyRate("RuSupplyRate", 1),                                               // 54
      SupplyRate("DeSupplyRate", 2),                                               // 55
      Toggle("TrackPlayerRanks", &C::TrackPlayerRanks),                            // 56
      Toggle("AircraftDowngrades", &C::AircraftDowngrades),                        // 57
      Toggle("LinkMax", &C::LinkMax),                                              // 58
      DataFilesLine(),                                                             // 59
      ShipSkill("DeShipSkill", &C::DeShipSkillBox),                                // 60
      ShipSkill("RuShipSkill", &C::RuShipSkillBox),                                // 61
      Toggle("ShipSunk", &C::ShipSunk, OnTest::kContains),                         // 62
      Toggle("ActiveFront", &C::ActiveFront, OnTest::kContains),                   // 63
      Value("DDRoF", &C::DDRoFBox),                                                // 64
      Value("BridgeRepairTime", &C::BridgeRepairTimeBox),                          // 65
      BornPlaceRadiusLine(),                                                       // 66
      TrimmedValue("TimePassage", &C::TimeSettingsBox),                            // 67
      ServerInfoLine(),                                                            // 68
      ServerActiveLine(),                                                          // 69
      TrimmedValue("Balance", &C::BalanceBox),                                     // 70
      Value("SCPlaneLimits", &C::SCPlaneLimitBox),                                 // 71
      Value("SCTimeLimits", &C::SCTimeLimitBox),                                   // 72
      Toggle("SquadronManagement", &C::SquadronManagement, OnTest::kContains),     // 73
      Value("IngressSpeed", &C::IngressBox),                                       // 74
      Toggle("FixedStartDates", &C::FixedStartDates, OnTest::kContains),           // 75
      Restricted("CountStaticPlanes", &C::StaticPlaneCountBox, {"Yes"}, "No"),     // 76
      Restricted("VoteLevel", &C::VoteLevelBox, {"100", "50", "25", "0"}, "100"),  // 77
      Restricted(
          "Radio", &C::RadioBox,
          {"All Squadrons", "Player Squadron Only", "Player Squadron & Escorts", "No Squadrons"},
          "Campaign Default"),                                        // 78
      Toggle("RandomNoseArt", &C::RandomNoseArt, OnTest::kContains),  // 79
  };
}

const std::vector<LineFormat>& Layout() {
  static const std::vector<LineFormat> layout = BuildLayout();
  return layout;
}

}  // namespace

std::vector<std::string> SettingsFileLines(TMainForm& form) {
  std::vector<std::string> lines;
  lines.reserve(kSettingsLineCount);
  for (const LineFormat& format : Layout()) lines.push_back(format.write(form));
  return lines;
}

void ReadSettingsLine(TMainForm& form, int number, const std::string& line,
                      SettingsReadLeftovers& leftovers) {
  if (number < 1 || number > kSettingsLineCount) return;
  Layout()[number - 1].read(form, line, leftovers);
}
