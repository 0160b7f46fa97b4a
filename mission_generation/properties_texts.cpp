#include "mission_generation/properties_texts.h"

#include <string_view>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/briefing_news.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/mission_build.h"

namespace {

constexpr std::string_view kBreak = "\\n";

std::string Title(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kTitles, line);
}
std::string TitleRu(const TMainForm& form, int line) {
  return form.Messages.TextRu(MessageSection::kTitles, line);
}
std::string Summary(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kSummaries, line);
}
std::string SummaryRu(const TMainForm& form, int line) {
  return form.Messages.TextRu(MessageSection::kSummaries, line);
}

std::string StartTime(const TMainForm& form, const MissionBuild& build) {
  return form.MissionHourText + ":" + build.minutes_text;
}

std::string SideBlock(const TMainForm& form, const MissionBuild& build, int side) {
  const std::string tag = side == 1 ? "<ARMY RED>" : "<ARMY BLUE>";
  const std::string& objective = side == 1 ? form.AlliedObjectiveText : form.AxisObjectiveText;
  std::string block = tag + "\\n\\n";
  block += Title(form, 1) + ": " + form.BattleName + " (Tavrek)\\n\\n";
  block += Title(form, 2) + ": " + form.CampaignDateText + "\\n\\n";
  block += Title(form, 3) + ": " + StartTime(form, build) + "\\n\\n";
  block += Title(form, 4) + ": " + build.weather_sentence + "\\n\\n";
  block += Title(form, 25) + ":\\n\\n" + DogfightSideNews(form, side);
  block += build.army_bases_text[static_cast<size_t>(side)] + "\\n";
  block += Title(form, 7) + ": " + objective + " " + Summary(form, 27) + "\\n\\n";
  return block + form.DebriefingText + "</ARMY>";
}

std::string SideBlockRu(const TMainForm& form, const MissionBuild& build, int side) {
  const std::string tag = side == 1 ? "<ARMY RED>" : "<ARMY BLUE>";
  std::string block = tag + "\\n\\n";
  block += TitleRu(form, 1) + ": " + form.BattleName + " (Tavrek)\\n\\n";
  block += TitleRu(form, 2) + ": " + form.CampaignDateText + "\\n\\n";
  block += TitleRu(form, 3) + ": " + StartTime(form, build) + "\\n\\n";
  block += TitleRu(form, 4) + ": " + build.weather_sentence_ru + "\\n\\n";
  block += TitleRu(form, 25) + ":\\n\\n" + DogfightRussianNews(form);
  block += build.army_bases_text[static_cast<size_t>(side)] + "\\n";
  block += TitleRu(form, 7) + ": " + SummaryRu(form, 27) + "\\n\\n";
  return block + form.DebriefingText + "</ARMY>";
}

std::string ServerCounts(const MissionBuild::SideCounts& counts, const std::string& objects) {
  std::string values;
  for (const int count : {counts.planes, counts.planes, counts.wagons, counts.aaa, counts.tanks,
                          counts.artillery, counts.cars, counts.ships}) {
    values += IntToStr(count) + ":";
  }
  return values + objects;
}

std::string ServerBlock(const TMainForm& form, const MissionBuild& build) {
  const std::string& objects = form.NumObjBox.Text;
  return "\r\n<ARMY FBD>\\nRed=" + ServerCounts(build.side_counts[1], objects) +
         "=tavrekmission.mis\\nBlue=" + ServerCounts(build.side_counts[2], objects) +
         "=tavrekmission.mis\\nteam:planes:pilots:wagons:aaa:tank:artilery:car:ships:numobj="
         "mission\\n";
}

// The reset rules and the chat line of the server block, closing it.
std::string ServerTail(const TMainForm& form, const MissionBuild& build) {
  std::string tail;
  if (form.Escape.Text != "default") tail += "EscapeProc=" + form.Escape.Text + "\\n ";
  if (form.FBDTimeBox.Text != "No Time Limit") {
    const std::string& limit = form.FBDTimeBox.Text;
    tail += "TimeLimit=" + Trim(limit.substr(0, limit.find(' '))) + ":None:tavrekmission.mis\\n ";
  }
  tail += "com=chat " + Title(form, 2) + ": " + form.CampaignDateText + " " + Title(form, 3) +
          ": " + StartTime(form, build) + "\\n ";
  return tail + "</ARMY>";
}

}  // namespace

void MarkCoopMission(TMainForm& form) {
  form.MissionBriefText = "On-Line Cooperative Mission Generated.";
  if (form.Briefing.Checked) return;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    form.SquadronTable[s].SquadronBriefing = "On-Line Cooperative Mission.";
  }
}

void WriteDogfightProperties(TMainForm& form, const MissionBuild& build) {
  const std::string server = ServerBlock(form, build);
  const std::string server_info = "Server Information\\n\\n" + form.ServerInfo.Text + "</ARMY>\\n";
  form.SquadronTable[0].SquadronBriefing =
      "<ARMY NONE>\\n\\n" + Title(form, 1) + ": " + form.BattleName + " (Tavrek)\\n\\n" +
      form.DebriefingText + "\\n\\n" + Title(form, 23) + ": \\n\\n" + Summary(form, 28) +
      "\\n\\n\\n" + server_info + SideBlock(form, build, 1) + SideBlock(form, build, 2) + server;
  form.SquadronTable[0].SquadronInfoText =
      "<ARMY NONE>\\n\\n" + TitleRu(form, 1) + ": " + form.BattleName + " (Tavrek)\\n\\n" +
      form.DebriefingText + "\\n\\n" + TitleRu(form, 23) + ": \\n\\n" + SummaryRu(form, 28) +
      "\\n\\n\\n" + server_info + SideBlockRu(form, build, 1) + SideBlockRu(form, build, 2) +
      server;
  ErrorLog(form, "Dogfight Mode: Red plane/pilots = " + IntToStr(build.side_counts[1].planes));
  ErrorLog(form, "Dogfight Mode: Blue plane/pilots = " + IntToStr(build.side_counts[2].planes));
  // The server tool reads the Russian twin as well: both end with the same rules.
  const std::string tail = ServerTail(form, build);
  form.SquadronTable[0].SquadronBriefing += tail;
  form.SquadronTable[0].SquadronInfoText += tail;
  form.SquadronTable[0].SquadronMissionType.clear();
  ErrorLog(form, "Dogfight Summaries Compiled.");
}

void WriteCoopProperties(TMainForm& form, const MissionBuild& build) {
  SquadronEntry& player = form.SquadronTable[0];
  player.SquadronMissionType = "Coop Mission";
  const std::string header = "\\n\\n" + Title(form, 1) + ": " + player.SquadronMissionType +
                             "\\n\\n" + Title(form, 2) + ": " + form.CampaignDateText + "\\n\\n" +
                             Title(form, 3) + ": " + StartTime(form, build) + "\\n\\n" +
                             Title(form, 4) + ": " + build.weather_sentence;
  std::string red;
  std::string blue;
  if (form.Briefing.Checked) {
    for (int s = 0; s <= form.LastSquadron; ++s) {
      const SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.SquadronFlyable != "1" || squadron.SquadronInMission != "Y") continue;
      const std::string task =
          "\\n\\n" + squadron.SquadronFullName + ": " + squadron.SquadronBriefing;
      if (squadron.SquadronArmy == "1") red += task;
      if (squadron.SquadronArmy == "2") blue += task;
    }
  } else {
    red = " Hidden";
    blue = " Hidden";
  }
  const std::string news = "\\n\\n" + Title(form, 25) + ": " + CoopNews(form);
  red += news;
  blue += news;

  if (form.GameID == "IL2") {
    player.SquadronBriefing =
        "\\n\\n\\nSoviet Objectives:" + red + "\\n\\n\\nAxis Objectives:" + blue + header;
  } else {
    red = "<ARMY RED>" + form.TimeTableNews[0] + form.TimeTableNews[1] + "\\n\\n" +
          Title(form, 24) + ": " + form.AlliedObjectiveText + header + red + "\\n</ARMY>\\n";
    blue = "<ARMY BLUE>" + form.TimeTableNews[0] + form.TimeTableNews[2] + "\\n\\n" +
           Title(form, 24) + ": " + form.AxisObjectiveText + header + blue + "\\n</ARMY>\\n";
    std::string text = "<ARMY NONE>" + form.DebriefingText + "\\n" + Title(form, 23) + ": \\n\\n" +
                       Summary(form, 29) + "\\n\\n";
    if (!form.ServerInfo.Text.empty()) {
      text += "\\n\\n" + Title(form, 27) + "\\n\\n" + form.ServerInfo.Text;
    }
    player.SquadronBriefing = text + "</ARMY>\\n" + red + blue;
  }
  ErrorLog(form, "Coop Summaries Compiled.");
}

std::string BriefingAltitude(TMainForm& form) {
  const int metres = AltitudeSet(form, 0);
  const std::string& nation = form.SquadronTable[0].SquadronNation;
  for (std::string_view feet_nation : {"us", "un", "um", "gb", "rn", "rz", "ra"}) {
    if (nation == feet_nation) {
      return IntToStr(static_cast<long long>(static_cast<double>(metres) * 3.281)) + " Feet";
    }
  }
  return IntToStr(metres) + " Meters";
}

void WriteOfflineProperties(TMainForm& form, const MissionBuild& build) {
  SquadronEntry& player = form.SquadronTable[0];
  std::string text =
      "\\n\\n" + Title(form, 1) + ": " + player.SquadronMissionType + "\\n\\n" + Title(form, 2) +
      ": " + form.CampaignDateText + "\\n" + Title(form, 3) + ": " + StartTime(form, build) +
      "\\n" + Title(form, 4) + ": " + build.weather_sentence + "\\n" + Title(form, 5) + ": " +
      player.SquadronHomeBase + "\\n" + Title(form, 13) + ":  " + player.TypeDescription + "\\n" +
      Title(form, 6) + ": " + BriefingAltitude(form) + "\\n\\n" + Title(form, 7) + ": " +
      player.SquadronBriefing;
  text += "\\n\\n" + Title(form, 8) + ": " + OfflineNews(form) + "\\n";
  if (!form.NGenBoot.Checked && !form.DGENBoot.Checked) text += "\\n" + form.DebriefingText;
  player.SquadronBriefing = "\\n" + Title(form, 0) + ":" + text + "\\n" + build.roster_block;
}

void AddPropertiesHeader(TMainForm& form) {
  SquadronEntry& player = form.SquadronTable[0];
  const std::string head = "Name Tavrek v3.37 - " + form.BattleName + " " + form.CampaignDateText +
                           " \r\nShort Tavrek Mission\r\nDescription ";
  player.SquadronBriefing = head + player.SquadronBriefing;
  player.SquadronInfoText = head + player.SquadronInfoText;
}
