#include "campaign_data/aircraft_classes.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/file_read_report.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kTypesFromDamagedClasses =
    "its aircraft types come from a class.tavrek that was not read whole";

// Columns column..column+count-1 of a fixed-width line (the first column is 1), trimmed;
// nothing for a line that ends before them.
std::string_view Columns(std::string_view line, int column, int count) {
  if (static_cast<size_t>(column) > line.size()) return {};
  return TrimView(line.substr(static_cast<size_t>(column - 1), static_cast<size_t>(count)));
}

// The field set to the columns' text, or to `fallback` when they are blank.
void SetField(std::string& field, std::string_view line, int column, int count,
              std::string_view fallback = {}) {
  const std::string_view value = Columns(line, column, count);
  field.assign(value.empty() ? fallback : value);
}

// The text in exactly `width` columns: cut, or padded with blanks.
std::string Fit(const std::string& text, int width) {
  std::string fitted = text.substr(0, static_cast<size_t>(width));
  fitted.resize(static_cast<size_t>(width), ' ');
  return fitted;
}

void ReadClassLine(std::string_view line, AircraftClassEntry& entry) {
  SetField(entry.ClassName, line, 1, 24);
  SetField(entry.ClassDescription, line, 25, 23);
  SetField(entry.ClassCountry, line, 48, 2);
  SetField(entry.ClassArmy, line, 51, 1);
  SetField(entry.ClassFamily, line, 53, 1);
  SetField(entry.ClassFlyable, line, 55, 1);
  SetField(entry.ClassServiceStart, line, 57, 6);
  SetField(entry.ClassServiceEnd, line, 64, 6);
  SetField(entry.ClassUpgrade, line, 71, 25, "none");
  SetField(entry.ClassGameName, line, 96, 20);
  SetField(entry.ClassDowngrade, line, 116, 25, "none");
  SetField(entry.ClassTransitAlt, line, 141, 12, "Default");
  SetField(entry.ClassCruiseSpeed, line, 153, 12, "Default");
  SetField(entry.ClassRange, line, 165, 12, "Default");
  SetField(entry.ClassIngressSpeed, line, 177, 12, entry.ClassCruiseSpeed);
}

// Columns 1-24 and 25-47, as they are read. A description that fits in 22 columns leaves
// column 25 blank, so the name stands apart; a longer one starts right there.
std::string NameAndDescription(const AircraftClassEntry& entry) {
  const std::string description = Copy(entry.ClassDescription, 1, 23);
  if (description.size() <= 22) return Fit(entry.ClassName, 24) + " " + Fit(description, 22);
  return Fit(entry.ClassName, 24) + description;
}

std::string ClassLine(const AircraftClassEntry& entry) {
  return NameAndDescription(entry) + Fit(entry.ClassCountry, 2) + " " + Fit(entry.ClassArmy, 1) +
         " " + Fit(entry.ClassFamily, 1) + " " + Fit(entry.ClassFlyable, 1) + " " +
         Fit(entry.ClassServiceStart, 6) + " " + Fit(entry.ClassServiceEnd, 6) + " " +
         Fit(entry.ClassUpgrade, 25) + Fit(entry.ClassGameName, 20) +
         Fit(entry.ClassDowngrade, 25) + Fit(entry.ClassTransitAlt, 12) +
         Fit(entry.ClassCruiseSpeed, 12) + Fit(entry.ClassRange, 12) +
         Fit(entry.ClassIngressSpeed, 12);
}

void SetDefaultPayloads(AircraftClassEntry& entry) {
  entry.PayloadDefault = "default";
  entry.Payload2 = "default";
  entry.Payload3 = "default";
  entry.Payload4 = "default";
  entry.Payload5 = "none";
  entry.Payload6 = "none";
}

void ReadPayloadLine(std::string_view line, AircraftClassEntry& entry) {
  SetField(entry.Payload2, line, 30, 20, "default");
  SetField(entry.Payload3, line, 50, 20, "default");
  SetField(entry.Payload4, line, 70, 20, "default");
  SetField(entry.Payload5, line, 90, 20, "none");
  SetField(entry.Payload6, line, 110, 20, "none");
  SetField(entry.PayloadDefault, line, 130, 20, "default");
}

std::string PayloadLine(const AircraftClassEntry& entry) {
  return Fit(entry.ClassName, 29) + Fit(Trim(entry.Payload2), 20) + Fit(Trim(entry.Payload3), 20) +
         Fit(Trim(entry.Payload4), 20) + Fit(Trim(entry.Payload5), 20) +
         Fit(Trim(entry.Payload6), 20) + Fit(Trim(entry.PayloadDefault), 20);
}

void LoadPayloads(TMainForm& form) {
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    SetDefaultPayloads(form.AircraftClassTable[i]);
  }
  const std::string path = ReferenceFilePath(form, "payloads.tavrek");
  InspectedTextFile file;
  if (FileExists(path)) file = ReadInspectedTextFile(form.FileReads, path);
  // The file is written back one line per type read, so types that class.tavrek lost would
  // lose their loadouts too; also after class.tavrek was saved with only the types read, until
  // this file has been kept.
  const LoadedFile& before = form.PayloadFileRead;
  const bool still_pending = before.path == path && !before.original_kept &&
                             Contains(before.report.Faults(), kTypesFromDamagedClasses);
  if (!form.AircraftClassFileRead.report.WholeAndClean() || still_pending) {
    file.report.Add(std::string(kTypesFromDamagedClasses));
  }
  form.PayloadFileRead = LoadedFile{path, std::move(file.report)};
  // Every line applies to each type of its name. A loadout leaves the names as they are, so
  // the list views them for the whole read.
  std::vector<std::string_view> names;
  names.reserve(static_cast<size_t>(form.LastAircraftClass + 1));
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    names.push_back(std::as_const(form.AircraftClassTable)[i].ClassName);
  }
  for (const std::string_view line : file.lines()) {
    const std::string_view name = Columns(line, 1, 29);
    for (size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) ReadPayloadLine(line, form.AircraftClassTable[static_cast<int>(i)]);
    }
  }
}

// One line per type in table order, the file rewritten whole. Nothing is written while no
// type is loaded.
void SaveTypeFile(TMainForm& form, const std::string& file_name, LoadedFile& loaded,
                  std::string (*line_of)(const AircraftClassEntry&)) {
  if (form.LastAircraftClass < 0) {
    ErrorLog(form, "No aircraft types loaded: " + file_name + " not written.");
    return;
  }
  std::string text;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    text += line_of(form.AircraftClassTable[i]);
    text += kCrLf;
  }
  const std::string path = ReferenceFilePath(form, file_name);
  KeepDamagedOriginal(form, loaded, path);
  WriteTextFile(path, text);
}

}  // namespace

void LoadPlaneInfo(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "class.tavrek");
  if (!FileExists(path)) {
    ErrorLog(form, "No class file found.");
    throw ProgramError("No class file found.\r\n");
  }
  InspectedTextFile file = ReadInspectedTextFile(form.FileReads, path);
  const TextLines& lines = file.lines();
  const int count = std::min(static_cast<int>(lines.size()), kAircraftClassCapacity);
  if (static_cast<int>(lines.size()) > kAircraftClassCapacity) {
    file.report.Add("it holds " + IntToStr(static_cast<long long>(lines.size())) +
                    " aircraft types, more than the " + IntToStr(kAircraftClassCapacity) +
                    " the table holds; only the first " + IntToStr(kAircraftClassCapacity) +
                    " are loaded");
  }
  if (!file.report.WholeAndClean()) {
    ErrorLog(form, "class.tavrek was not read whole: " + file.report.Faults() + ".");
  }
  form.AircraftClassFileRead = LoadedFile{path, std::move(file.report)};
  for (int i = 0; i < count; ++i) {
    ReadClassLine(lines[static_cast<size_t>(i)], form.AircraftClassTable[i]);
  }
  form.LastAircraftClass = count - 1;
  LoadPayloads(form);
}

void SaveClasses(TMainForm& form) {
  SaveTypeFile(form, "class.tavrek", form.AircraftClassFileRead, ClassLine);
}

void SavePayloads(TMainForm& form) {
  SaveTypeFile(form, "payloads.tavrek", form.PayloadFileRead, PayloadLine);
}

std::optional<std::vector<AllPayloadsLine>> ReadAllPayloads(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "allpayloads.tavrek");
  if (!FileExists(path)) return std::nullopt;
  std::vector<AllPayloadsLine> result;
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  for (const std::string_view line : *lines) {
    result.push_back(AllPayloadsLine{Trim(Copy(line, 1, 29)), Trim(Copy(line, 30, 1)),
                                     std::string(line.size() >= 32 ? line.substr(31) : "")});
  }
  return result;
}
