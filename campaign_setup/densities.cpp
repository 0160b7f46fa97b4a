#include "campaign_setup/densities.h"

#include <array>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"

namespace {

constexpr std::array<const char*, 6> kChoices{"Full",     "Dense",  "Heavy",
                                              "Moderate", "Sparse", "None"};
constexpr std::array<int, 6> kStationaryLevels{0, 2, 3, 4, 5, 999};
constexpr std::array<int, 6> kColumnLevels{0, 2, 3, 4, 8, 99};
constexpr std::array<int, 6> kSquadronLevels{0, 3, 6, 12, 20, 99};

const std::array<int, 6>& LevelsOf(DensityKind kind) {
  switch (kind) {
    case DensityKind::kStationary:
      return kStationaryLevels;
    case DensityKind::kColumn:
      return kColumnLevels;
    case DensityKind::kSquadron:
      break;
  }
  return kSquadronLevels;
}

void TakeDensity(TMainForm& form, DensityKind kind, const TComboBox& box, int& level) {
  if (const std::optional<int> chosen = DensityLevel(kind, box.Text)) level = *chosen;
  WriteIni(form);
}

}  // namespace

std::optional<int> DensityLevel(DensityKind kind, const std::string& choice) {
  for (std::size_t i = 0; i < kChoices.size(); ++i) {
    if (choice == kChoices[i]) return LevelsOf(kind)[i];
  }
  return std::nullopt;
}

void SObjectDChangeSender(TMainForm& form) {
  TakeDensity(form, DensityKind::kStationary, form.SObjectD, form.StationaryDensityLevel);
}

void ColumnDensityChangeSender(TMainForm& form) {
  TakeDensity(form, DensityKind::kColumn, form.ColumnDensity, form.ColumnDensityLevel);
}

void SquadronDensityChangeSender(TMainForm& form) {
  TakeDensity(form, DensityKind::kSquadron, form.SquadronDensity, form.SquadronDensityLevel);
}

void WireDensities(TMainForm& form) {
  form.SObjectD.OnChange = [&form] { SObjectDChangeSender(form); };
  form.ColumnDensity.OnChange = [&form] { ColumnDensityChangeSender(form); };
  form.SquadronDensity.OnChange = [&form] { SquadronDensityChangeSender(form); };
}
