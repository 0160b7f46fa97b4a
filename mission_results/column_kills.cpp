#include "mission_results/column_kills.h"

#include <array>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/ground_combat.h"
#include "mission_results/event_text.h"
#include "mission_results/ground_kills.h"
#include "mission_results/roster_lookup.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

// Hits after which a column is destroyed whole; a train's engine or a ferry takes it at once.
constexpr int kWholeColumn = 6;

bool OneOf(const std::string& map, std::initializer_list<std::string_view> maps) {
  for (const std::string_view name : maps) {
    if (map == name) return true;
  }
  return false;
}

void ReplaceTwice(std::string& text, const std::string& old_text, const std::string& new_text) {
  for (int time = 0; time < 2; ++time) text = ReplaceTextProcedure(text, old_text, new_text);
}

// The sides' names of the map's theatre in a news line.
void NationalityWords(const TMainForm& form, std::string& news) {
  const std::string& map = form.MapName;
  const bool pacific_us =
      OneOf(map, {"Tarawa", "Japan1", "Guadal", "Guadal43", "Palau", "Okinawa", "Net8Islands",
                  "Hawaii", "Midway", "Marianas", "Marianas_Online", "Iwo"});
  ReplaceTwice(news, "An Allied", pacific_us ? "An American" : "A Russian");
  std::string lower = map;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (OneOf(map, {"Net7Islands", "Japan1", "Net8Islands", "Iwo", "Ardennes", "NWEurope", "NEEurope",
                  "Normandy", "Normandy1", "Burma", "NewGuinea", "Singapore", "Singapore1",
                  "Netmountains"}) ||
      lower == "sandsoftime") {
    ReplaceTwice(news, "A Russian", "An Allied");
  }
  if (OneOf(map, {"Singapore", "Singapore1", "Tarawa", "Midway", "NewGuinea", "Burma", "Guadal",
                  "Guadal43", "Japan1", "Hawaii", "Marianas", "Marianas_Online", "Iwo",
                  "Net8Islands", "CoralSea", "Wake", "Palau", "Okinawa"})) {
    ReplaceTwice(news, "An Axis", "A Japanese");
  }
}

std::string PlaceNews(TMainForm& form, int line, const ColumnEntry& column,
                      const std::string& position) {
  std::string news = ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, line),
                                          "<TGTNAME>", NearestLocationName(form, position));
  if (line == 12) news = ReplaceTextProcedure(news, "<NAME>", column.ColumnUnitName);
  news = ReplaceArmy(form, news, column.ColumnArmy);
  return news + " " + MapCoordinate(form, position) + "." + std::string(kCrLf);
}

void TakeOffMap(ColumnEntry& column) {
  column.ColumnHits = 0;
  column.ColumnPlace = "Blank";
  column.ColumnDestination = "Blank";  // so that no later move brings it back
}

void SinkShip(TMainForm& form, ColumnEntry& column) {
  const std::string planes_left = column.ColumnArmy == "1" ? "1" : "0";
  for (int s = 0; s <= form.LastSquadron; ++s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronHomeBase != column.ColumnUnitName) continue;
    squadron.PlanesFlight = planes_left;
    squadron.PlanesAvailable = planes_left;
    squadron.SquadronHomeBase = "Unknown";
  }
  column.ColumnUnitName = "Sunk";
}

// Makes the news of a column destroyed whole; answers the ship it sank, if any.
std::string ReportDestroyedColumn(TMainForm& form, ColumnEntry& column,
                                  const std::string& position) {
  const std::string& type = column.ColumnType;
  std::string news;
  std::string sunk;
  if (Contains(type, "CarsColumn")) news += PlaceNews(form, 16, column, position);
  if (Contains(type, "Train")) news += PlaceNews(form, 17, column, position);
  if (Contains(type, "Ship") && (column.ColumnArmy == "1" || column.ColumnArmy == "2")) {
    sunk = column.ColumnUnitName;
    news += PlaceNews(form, 12, column, position);
    if (form.ShipSunk.Checked || CapitalShipCheck(form, type)) SinkShip(form, column);
  }
  NationalityWords(form, news);
  form.NewsText += news;
  return sunk;
}

void LoseArmour(TMainForm& form, ColumnEntry& column, bool ferry, const std::string& position) {
  std::string& type = column.ColumnType;
  const size_t dot = type.find('.');
  if (dot == std::string::npos || dot + 1 >= type.size() || type[dot + 1] < '0' ||
      type[dot + 1] > '9') {
    throw ConversionError("'" + type + "' holds no armour count");
  }
  const char count = type[dot + 1];
  const std::string left = ferry || count <= '1' ? "0-" : std::string(1, count - 1) + "-";
  type = ReplaceTextProcedure(type, std::string(1, count) + "-", left);
  if (left != "0-") return;
  for (int a = 0; a <= form.LastArmor; ++a) {
    const std::string& armour = form.ArmorTable[a].ArmorName;
    const std::string type_name = Trim(Copy(armour, 3, 999));
    if (type_name.empty() || !Contains(type, type_name + " ")) continue;
    type = ReplaceTextProcedure(type, "0-", armour.substr(0, 1) + "-");
    std::string news =
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, 18), "<TYPE>", type_name) +
        " " + NearestLocationName(form, position) + " " + MapCoordinate(form, position) + "." +
        std::string(kCrLf);
    news = ReplaceTextProcedure(news, "T34_85", "T34/85");
    news = ReplaceTextProcedure(news, "T34 ", "T34/76 ");
    form.NewsText += news;
  }
  TakeOffMap(column);
}

}  // namespace

ColumnKill ColumnDestroyed(TMainForm& form, const std::string& line) {
  ColumnKill kill;
  const std::string text = Trim(line);
  const std::string vehicle = ActorOf(text);
  const std::string position = Trim(Copy(TextAfter(text, " at "), 1, 99));
  const bool ferry = Contains(text, "_Ferry");
  const std::string name = VehicleColumnName(vehicle);
  std::string index_text = vehicle;
  const size_t at = index_text.find(name);
  if (!name.empty() && at != std::string::npos) index_text.erase(at, name.size());
  index_text = Trim(index_text);

  const std::vector<int> columns = ColumnsNamed(form, name);
  if (columns.empty()) {
    LogEventLineProblem(form, "Vehicle of no column of the campaign", line);
    kill.counted = true;  // still a ground kill of its pilot
    return kill;
  }
  if (!form.ResultsPass.DestroyedObjects.insert(vehicle).second) {
    LogEventLineProblem(form, "Vehicle already destroyed in this mission", line);
    return kill;
  }
  kill.counted = true;
  for (const int c : columns) {
    ColumnEntry& column = form.ColumnTable[c];
    const std::string& type = column.ColumnType;
    ++column.ColumnHits;
    if ((index_text == "0" && Contains(type, "Train")) || ferry) column.ColumnHits = kWholeColumn;
    const int hits = column.ColumnHits;
    const bool destroyed =
        (hits > 4 && (Contains(type, "CarsColumn") || Contains(type, "Train"))) ||
        (hits > 0 && Contains(type, "Ship")) ||
        (hits > 0 && Contains(type, "Vehicles") && !Contains(type, "CarsColumn"));
    if (destroyed) {
      if (column.ColumnPlace != "Blank") {
        const std::string sunk = ReportDestroyedColumn(form, column, position);
        if (!sunk.empty()) kill.sunk_ship = sunk;
      }
      TakeOffMap(column);
    }
    if (column.ColumnPlace != "Blank" && Contains(type, "Armor")) {
      LoseArmour(form, column, ferry, position);
    }
  }
  return kill;
}
