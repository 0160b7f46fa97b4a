#include "campaign_progression/transports.h"

#include <array>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"

namespace {

constexpr std::array<std::string_view, 8> kTransportClasses{
    "LVT_2", "LVT_2WAT", "DaihatsuLC", "MFP", "Tral", "Tramp", "IJNFishJunk", "LCVP"};

bool IsCargo(const ColumnEntry& candidate, const ColumnEntry& transport) {
  return candidate.ColumnPlace == "Blank" && candidate.ColumnMarks != "L" &&
         candidate.ColumnArmy == transport.ColumnArmy && !Contains(candidate.ColumnType, "Train") &&
         !Contains(candidate.ColumnType, "Ship");
}

}  // namespace

std::string TransportType(const std::string& column_type) {
  if (!Contains(column_type, "Ship")) return "N";
  for (const std::string_view transport_class : kTransportClasses) {
    if (Contains(column_type, transport_class)) return "Y";
  }
  return "N";
}

void MakeTransport(TMainForm& form, int column) {
  ColumnEntry& transport = form.ColumnTable[column];
  if (TransportType(transport.ColumnType) != "Y" || transport.ColumnName.empty()) return;
  for (int c = 0; c <= form.LastColumn; ++c) {
    if (form.ColumnTable[c].ColumnPlace == transport.ColumnName) return;
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& cargo = form.ColumnTable[c];
    if (cargo.ColumnPlace.empty()) cargo.ColumnPlace = "Blank";
    if (!IsCargo(cargo, transport)) continue;
    cargo.ColumnPlace = transport.ColumnName;
    cargo.ColumnDestination = transport.ColumnName;
    cargo.ColumnStatus = "T";
    cargo.ColumnMarks = "T";
    cargo.ColumnTransportLink = "Y";
    transport.ColumnTransportLink = "Y";
    ErrorLog(form, transport.ColumnUnitName + " is transporting " + cargo.ColumnUnitName +
                       " from " + transport.ColumnPlace + ".");
    WriteColumnList(form);
    return;
  }
}
