#include "campaign_data/campaign_file.h"

#include <functional>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/file_read_report.h"
#include "campaign_data/line_cursor.h"
#include "campaign_data/messages.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_results/name_lists.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kFileName = "campaign.tavrek";
constexpr std::string_view kByStartEndTime = "By Start/End Time";

// A section of the file: its header line and what its value line(s) set. The handler reads
// the value lines and leaves the last of them as the current line.
struct Section {
  std::string_view header;
  std::function<void(TMainForm&, LineCursor&, std::string&)> read;
};

// A section with one value line, stored trimmed.
Section TextSection(std::string_view header, std::string CampaignDataState::*holder) {
  return {header, [holder](TMainForm& form, LineCursor& cursor, std::string& line) {
            line = cursor.Next();
            form.*holder = Trim(line);
          }};
}

// The destroy and sunk triggers: an object class and a quota on two value lines.
Section TriggerSection(std::string_view header, std::string CampaignDataState::*trigger,
                       int CampaignDataState::*count) {
  return {header, [trigger, count](TMainForm& form, LineCursor& cursor, std::string& line) {
            form.*trigger = Trim(cursor.Next());
            line = cursor.Next();
            form.*count = StrToInt(Trim(line));
          }};
}

Section SupplySection(std::string_view header, TComboBox MainWindowControls::*box) {
  return {header, [box](TMainForm& form, LineCursor& cursor, std::string& line) {
            line = cursor.Next();
            (form.*box).Text = ReadSupplyBonus(Trim(line));
          }};
}

// The data and backup folders: the text after a "=" when the line has one. The aircraft types
// of the data folder are loaded once the whole file is read.
Section FolderSection(std::string_view header, std::string CampaignDataState::*folder,
                      std::string_view log_text) {
  return {header, [folder, log_text](TMainForm& form, LineCursor& cursor, std::string& line) {
            line = cursor.Next();
            form.*folder = ValueAfterEquals(line);
            ErrorLog(form, std::string(log_text) + form.*folder);
          }};
}

const std::vector<Section>& Sections() {
  using S = CampaignDataState;
  using C = MainWindowControls;
  static const std::vector<Section> sections{
      {"[Campaign]",
       [](TMainForm& form, LineCursor& cursor, std::string& line) {
         line = cursor.Next();
         if (!line.empty()) form.CampaignType = Trim(line);
       }},
      {"[Battle]",
       [](TMainForm& form, LineCursor& cursor, std::string& line) {
         // A battle name ending in "H" is stored without that letter.
         line = cursor.Next();
         if (line.empty()) return;
         form.BattleName = line.back() == 'H' ? line.substr(0, line.size() - 1) : Trim(line);
       }},
      TextSection("[Map]", &S::MapName),
      TextSection("[Front]", &S::FrontCenterName),
      TextSection("[DeZone]", &S::DeZoneText),
      TextSection("[RuZone]", &S::RuZoneText),
      TextSection("[DeTrigger]", &S::DeTrigger),
      TextSection("[RuTrigger]", &S::RuTrigger),
      TriggerSection("[DeDestroyTrigger]", &S::DeDestroyTrigger, &S::DeDestroyCount),
      TriggerSection("[RuDestroyTrigger]", &S::RuDestroyTrigger, &S::RuDestroyCount),
      TriggerSection("[DeSunkTrigger]", &S::DeSunkTrigger, &S::DeSunkCount),
      TriggerSection("[RuSunkTrigger]", &S::RuSunkTrigger, &S::RuSunkCount),
      SupplySection("[DeSupply]", &C::DeSupplyBox),
      SupplySection("[RuSupply]", &C::RuSupplyBox),
      SupplySection("[DeOilSupply]", &C::DeOilBox),
      SupplySection("[RuOilSupply]", &C::RuOilBox),
      {"[TimeofDay]",
       [](TMainForm& form, LineCursor& cursor, std::string& line) {
         line = cursor.Next();
         const std::string value = Trim(line);
         form.DayNightBox.Text =
             (value == "Day" || value == "Night" || value == kByStartEndTime) ? value : "Day";
       }},
      TextSection("[Time]", &S::MissionTime),
      TextSection("[Date]", &S::CampaignDateText),
      TextSection("[EndDate]", &S::EndDate),
      TextSection("[EndDateVictor]", &S::EndDateVictor),
      FolderSection("[Data]", &S::CampaignDataFolder, "Campaign Data Files = "),
      FolderSection("[BackUp]", &S::BackupFolder, "Campaign Backup Files = "),
  };
  return sections;
}

// A "[Mission]" key: the value after the first "=" of any line that contains the key.
struct MissionKey {
  std::string_view key;
  std::function<void(TMainForm&, const std::string& value, int& preference)> read;
};

MissionKey ControlKey(std::string_view key, TComboBox MainWindowControls::*box) {
  return {key,
          [box](TMainForm& form, const std::string& value, int&) { (form.*box).Text = value; }};
}

const std::vector<MissionKey>& MissionKeys() {
  using C = MainWindowControls;
  static const std::vector<MissionKey> keys{
      {"Preference=",
       [](TMainForm&, const std::string& value, int& preference) { preference = StrToInt(value); }},
      ControlKey("Target=", &C::SelectTarget),
      ControlKey("StartTime=", &C::STimeBox),
      ControlKey("EndTime=", &C::ETimeBox),
      ControlKey("Enemy=", &C::LinkBox),
      ControlKey("BCloudType=", &C::BWeatherBox),
      ControlKey("WCloudType=", &C::WWeatherBox),
      ControlKey("CloudHeight=", &C::HCloudBox),
      ControlKey("Intercept=", &C::InterceptBox),
      ControlKey("Fuel=", &C::FuelBox),
      ControlKey("BriefingSound=", &C::BriefSoundBox),
      ControlKey("Troops=", &C::TroopBox),
      {"BugOutRadius=", [](TMainForm& form, const std::string& value,
                           int&) { form.BugOutRadius = StrToIntDef(value, 10); }},
      {"AlliedRecon=", [](TMainForm& form, const std::string& value,
                          int&) { form.ReconCount[1] = StrToIntDef(value, 0); }},
      {"AxisRecon=", [](TMainForm& form, const std::string& value,
                        int&) { form.ReconCount[2] = StrToIntDef(value, 0); }},
      {"CurrentConditions=", [](TMainForm& form, const std::string& value,
                                int&) { form.CurrentConditions = StrToIntDef(value, 0); }},
  };
  return keys;
}

void ReadLine(TMainForm& form, LineCursor& cursor, std::string line, int& preference) {
  for (const Section& section : Sections()) {
    if (line == section.header) section.read(form, cursor, line);
  }
  for (const MissionKey& key : MissionKeys()) {
    if (Contains(line, key.key)) key.read(form, ValueAfterEquals(line), preference);
  }
  if (form.STimeBox.Text != "Random" || form.ETimeBox.Text != "Random") {
    form.DayNightBox.Text = kByStartEndTime;
  }
}

// Reads the sections and keys; a number that is none stops the read with the line named.
void ReadCampaignLines(TMainForm& form, const std::string& path, int& preference) {
  InspectedTextFile file = ReadInspectedTextFile(form.FileReads, path);
  if (!file.report.WholeAndClean()) {
    ErrorLog(form, std::string(kFileName) + " was not read whole: " + file.report.Faults() + ".");
  }
  form.CampaignFileRead = LoadedFile{path, std::move(file.report)};
  LineCursor cursor(file.LineCopies());
  try {
    while (!cursor.AtEnd()) ReadLine(form, cursor, cursor.Next(), preference);
  } catch (const ConversionError& error) {
    const std::string message = "Error in " + std::string(kFileName) + " line " +
                                IntToStr(cursor.LineNumber()) + ": " + error.what();
    ErrorLog(form, message);
    throw ConversionError(message);
  }
}

void ResetCustomMission(TMainForm& form) {
  form.MissionRadio.ItemIndex = 0;
  for (TComboBox* box : {&form.SelectTarget, &form.STimeBox, &form.ETimeBox, &form.LinkBox,
                         &form.HCloudBox, &form.BWeatherBox, &form.InterceptBox, &form.FuelBox}) {
    box->SetItemIndex(0);
  }
  form.WWeatherBox.SetItemIndex(6);
}

void SetDateParts(TMainForm& form) {
  const std::string& date = form.CampaignDateText;
  try {
    form.CampaignDay = StrToInt(Copy(date, 1, 2));
    form.CampaignMonth = StrToInt(Copy(date, 4, 2));
    form.CampaignYear = StrToInt(Copy(date, 7, 4));
  } catch (const ConversionError& error) {
    const std::string message = "Error in " + std::string(kFileName) + ": the date \"" +
                                Excerpt(date) + "\" is no dd/mm/yyyy date (" + error.what() + ")";
    ErrorLog(form, message);
    throw ConversionError(message);
  }
  form.DayBox.Text = ZeroPad(form.CampaignDay, 2);
  form.MonthBox.Text = ZeroPad(form.CampaignMonth, 2);
  form.YearBox.Text = IntToStr(form.CampaignYear);
}

void ListBriefingSounds(TMainForm& form) {
  form.BriefSoundBox.Items = {"None"};
  const std::string& game = form.GameID;
  const bool has_sounds = game == "PF" || game == "PFm" || game == "PE2" || game == "1946" ||
                          game == "AEP" || game == "IL2FB";
  const std::string folder = form.GameFolder + "samples\\Sounds\\";
  if (!has_sounds || !DirectoryExists(folder)) return;
  for (const std::string& name : ListDirectory(folder, "*.wav")) {
    form.BriefSoundBox.Items.push_back(name);
  }
}

// What follows the read, and runs also when the file is missing in a command-line run.
void FinishCampaignRead(TMainForm& form, bool file_read, int preference) {
  if (file_read) ErrorLog(form, "Campaign Info processed.");
  CustomPilotNames(form);
  CityNames(form);
  form.NormandyBaseOption = form.NormandyBase.Checked && form.MapName == "Normandy";
  // The radio group has the fifteen mission kinds; another number selects "Random".
  form.MissionRadio.ItemIndex = (preference >= 0 && preference < 15) ? preference : 0;
}

void AppendSection(std::string& text, std::string_view header,
                   std::initializer_list<std::string> values) {
  text += header;
  text += kCrLf;
  for (const std::string& value : values) {
    text += value;
    text += kCrLf;
  }
  text += kCrLf;
}

void AppendKey(std::string& text, std::string_view key, const std::string& value) {
  text += key;
  text += Trim(value);
  text += kCrLf;
}

}  // namespace

std::string ReadSupplyBonus(const std::string& value) {
  if (value == "Default") return value;
  std::string number = value;
  if (const size_t plus = number.find('+'); plus != std::string::npos) number.erase(plus, 1);
  if (const size_t percent = number.find('%'); percent != std::string::npos) {
    number.erase(percent, 1);
  }
  try {
    if (StrToFloat(number) > 100) return "+100%";
  } catch (const ConversionError&) {
    // A word stays as it was written.
  }
  return value;
}

void CampaignInfo(TMainForm& form) {
  const std::string path = form.CampaignFolder + std::string(kFileName);
  int preference = 0;
  if (form.CampaignFolder.empty() || !FileExists(path)) {
    ErrorLog(form, "No campaign path located.");
    form.DescLabel.Caption = "Please create or select a campaign.";
    ErrorTrap(form, "No campaign.tavrek file found.\r\n");
    FinishCampaignRead(form, false, preference);
    return;
  }
  ReadCampaignLines(form, path, preference);

  if (form.CampaignDataFolder.empty()) {
    form.CampaignDataFolder =
        form.DataFilesFolder.empty() ? form.ProgramFolder + "Data\\" : form.DataFilesFolder;
  }
  LoadPlaneInfo(form);
  GetMessages(form);
  if (form.EndDate.empty()) {
    form.EndDate = "31/12/1946";
    form.EndDateVictor = "Red";
  }
  // The weather boxes show the item their text names; no separate selection is kept.
  if (form.MissionRadio.ItemIndex < 0) ResetCustomMission(form);
  if (form.CampaignType.empty()) form.CampaignType = "GrandCampaign";
  if (form.BattleName.empty()) form.BattleName = form.MapName;
  if (!form.MapName.empty()) {
    // A file without a date leaves the date parts as they were.
    if (!form.CampaignDateText.empty()) SetDateParts(form);
  } else {
    ErrorTrap(form, form.Messages.Text(MessageSection::kErrors, 5));
  }
  ListBriefingSounds(form);
  FinishCampaignRead(form, true, preference);
}

std::string CampaignFileText(const TMainForm& form) {
  std::string text;
  AppendSection(text, "[Campaign]", {form.CampaignType});
  AppendSection(text, "[Battle]", {form.BattleName});
  AppendSection(text, "[Map]", {form.MapName});
  AppendSection(text, "[Front]", {form.FrontCenterName});
  AppendSection(text, "[DeZone]", {form.DeZoneText});
  AppendSection(text, "[RuZone]", {form.RuZoneText});
  AppendSection(text, "[DeTrigger]", {form.DeTrigger});
  AppendSection(text, "[RuTrigger]", {form.RuTrigger});
  AppendSection(text, "[DeDestroyTrigger]", {form.DeDestroyTrigger, IntToStr(form.DeDestroyCount)});
  AppendSection(text, "[RuDestroyTrigger]", {form.RuDestroyTrigger, IntToStr(form.RuDestroyCount)});
  AppendSection(text, "[DeSunkTrigger]", {form.DeSunkTrigger, IntToStr(form.DeSunkCount)});
  AppendSection(text, "[RuSunkTrigger]", {form.RuSunkTrigger, IntToStr(form.RuSunkCount)});
  AppendSection(text, "[DeSupply]", {Trim(form.DeSupplyBox.Text)});
  AppendSection(text, "[RuSupply]", {Trim(form.RuSupplyBox.Text)});
  AppendSection(text, "[DeOilSupply]", {Trim(form.DeOilBox.Text)});
  AppendSection(text, "[RuOilSupply]", {Trim(form.RuOilBox.Text)});
  AppendSection(text, "[TimeofDay]", {form.DayNightBox.Text});
  AppendSection(text, "[Time]", {form.MissionTime});
  AppendSection(text, "[Date]", {form.CampaignDateText});
  AppendSection(text, "[EndDate]", {form.EndDate});
  AppendSection(text, "[EndDateVictor]", {form.EndDateVictor});
  AppendSection(text, "[Data]", {form.CampaignDataFolder});
  AppendSection(text, "[BackUp]", {form.BackupFolder});
  text += "[Mission]";
  text += kCrLf;
  AppendKey(text, "Preference=", IntToStr(form.MissionRadio.ItemIndex));
  AppendKey(text, "Target=", form.SelectTarget.Text);
  AppendKey(text, "StartTime=", form.STimeBox.Text);
  AppendKey(text, "EndTime=", form.ETimeBox.Text);
  AppendKey(text, "Enemy=", form.LinkBox.Text);
  AppendKey(text, "BCloudType=", form.BWeatherBox.Text);
  AppendKey(text, "WCloudType=", form.WWeatherBox.Text);
  AppendKey(text, "CloudHeight=", form.HCloudBox.Text);
  AppendKey(text, "Intercept=", form.InterceptBox.Text);
  AppendKey(text, "Fuel=", form.FuelBox.Text);
  AppendKey(text, "BriefingSound=", form.BriefSoundBox.Text);
  AppendKey(text, "Troops=", form.TroopBox.Text);
  AppendKey(text, "BugOutRadius=", IntToStr(form.BugOutRadius));
  AppendKey(text, "AlliedRecon=", IntToStr(form.ReconCount[1]));
  AppendKey(text, "AxisRecon=", IntToStr(form.ReconCount[2]));
  AppendKey(text, "CurrentConditions=", IntToStr(form.CurrentConditions));
  return text;
}

void UpDateCampaignInfo(TMainForm& form) {
  // Without a front centre no campaign record has been read: writing would replace the
  // campaign's file with an empty record.
  if (form.FrontCenterName.empty()) {
    ErrorLog(form, "Campaign preferences not saved: the campaign has no front centre.");
    return;
  }
  const std::string text = CampaignFileText(form);
  form.InfoLabel.Caption = "Campaign Preferences Saved";
  ErrorLog(form, "Campaign Preferences Saved.");
  const std::string path = form.CampaignFolder + std::string(kFileName);
  KeepDamagedOriginal(form, form.CampaignFileRead, path);
  WriteTextFile(path, text);
}
