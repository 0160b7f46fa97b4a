#include "campaign_data/aircraft_classes.h"

#include <algorithm>
#include <memory>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

std::string OrDefault(std::string value, const std::string& fallback) {
  return value.empty() ? fallback : value;
}

bool NonBlankAt(std::string_view line, int column) {
  return static_cast<int>(line.size()) >= column &&
         static_cast<unsigned char>(line[column - 1]) > ' ';
}

// The text in exactly `width` columns: cut, or padded with blanks.
std::string Fit(const std::string& text, int width) {
  std::string fitted = text.substr(0, static_cast<size_t>(width));
  fitted.resize(static_cast<size_t>(width), ' ');
  return fitted;
}

void ReadClassLine(std::string_view line, AircraftClassEntry& entry) {
  // The writer gives the name 25 columns; a name that fills column 24 and runs on into 25 is
  // one such name, otherwise column 25 already belongs to the description.
  const bool long_name = NonBlankAt(line, 24) && NonBlankAt(line, 25);
  entry.ClassName = Trim(Copy(line, 1, long_name ? 25 : 24));
  entry.ClassDescription = Trim(long_name ? Copy(line, 26, 22) : Copy(line, 25, 23));
  entry.ClassCountry = Trim(Copy(line, 48, 2));
  entry.ClassArmy = Trim(Copy(line, 51, 1));
  entry.ClassFamily = Trim(Copy(line, 53, 1));
  entry.ClassFlyable = Trim(Copy(line, 55, 1));
  entry.ClassServiceStart = Trim(Copy(line, 57, 6));
  entry.ClassServiceEnd = Trim(Copy(line, 64, 6));
  entry.ClassUpgrade = OrDefault(Trim(Copy(line, 71, 25)), "none");
  entry.ClassGameName = Trim(Copy(line, 96, 20));
  entry.ClassDowngrade = OrDefault(Trim(Copy(line, 116, 25)), "none");
  entry.ClassTransitAlt = OrDefault(Trim(Copy(line, 141, 12)), "Default");
  entry.ClassCruiseSpeed = OrDefault(Trim(Copy(line, 153, 12)), "Default");
  entry.ClassRange = OrDefault(Trim(Copy(line, 165, 12)), "Default");
  entry.ClassIngressSpeed = OrDefault(Trim(Copy(line, 177, 12)), entry.ClassCruiseSpeed);
}

std::string ClassLine(const AircraftClassEntry& entry) {
  return Fit(entry.ClassName, 25) + Fit(entry.ClassDescription, 22) + Fit(entry.ClassCountry, 2) +
         " " + Fit(entry.ClassArmy, 1) + " " + Fit(entry.ClassFamily, 1) + " " +
         Fit(entry.ClassFlyable, 1) + " " + Fit(entry.ClassServiceStart, 6) + " " +
         Fit(entry.ClassServiceEnd, 6) + " " + Fit(entry.ClassUpgrade, 25) +
         Fit(entry.ClassGameName, 20) + Fit(entry.ClassDowngrade, 25) +
         Fit(entry.ClassTransitAlt, 12) + Fit(entry.ClassCruiseSpeed, 12) +
         Fit(entry.ClassRange, 12) + Fit(entry.ClassIngressSpeed, 12);
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
  entry.Payload2 = OrDefault(Trim(Copy(line, 30, 20)), "default");
  entry.Payload3 = OrDefault(Trim(Copy(line, 50, 20)), "default");
  entry.Payload4 = OrDefault(Trim(Copy(line, 70, 20)), "default");
  entry.Payload5 = OrDefault(Trim(Copy(line, 90, 20)), "none");
  entry.Payload6 = OrDefault(Trim(Copy(line, 110, 20)), "none");
  entry.PayloadDefault = OrDefault(Trim(Copy(line, 130, 20)), "default");
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
  if (!FileExists(path)) return;
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  for (const std::string_view line : *lines) {
    const std::string name = Trim(Copy(line, 1, 29));
    for (int i = 0; i <= form.LastAircraftClass; ++i) {
      if (form.AircraftClassTable[i].ClassName == name) {
        ReadPayloadLine(line, form.AircraftClassTable[i]);
      }
    }
  }
}

// Saving is refused when it would lose types: nothing loaded, or a class file longer than
// the table.
bool CanSave(TMainForm& form, const std::string& file_name) {
  if (form.LastAircraftClass < 0) {
    ErrorLog(form, "No aircraft types loaded: " + file_name + " not written.");
    return false;
  }
  if (form.AircraftClassFileOverCapacity) {
    ErrorLog(form, "class.tavrek holds more than " + IntToStr(kAircraftClassCapacity) +
                       " aircraft types: " + file_name + " not written, so that none is lost.");
    return false;
  }
  return true;
}

// One line per type in table order, the file rewritten whole.
void SaveTypeFile(TMainForm& form, const std::string& file_name,
                  std::string (*line_of)(const AircraftClassEntry&)) {
  if (!CanSave(form, file_name)) return;
  std::string text;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    text += line_of(form.AircraftClassTable[i]);
    text += kCrLf;
  }
  WriteTextFile(ReferenceFilePath(form, file_name), text);
}

}  // namespace

void LoadPlaneInfo(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "class.tavrek");
  if (!FileExists(path)) {
    ErrorLog(form, "No class file found.");
    throw ProgramError("No class file found.\r\n");
  }
  const std::shared_ptr<const TextLines> file = form.FileReads.Lines(path);
  const TextLines& lines = *file;
  const int count = std::min(static_cast<int>(lines.size()), kAircraftClassCapacity);
  form.AircraftClassFileOverCapacity = static_cast<int>(lines.size()) > kAircraftClassCapacity;
  if (form.AircraftClassFileOverCapacity) {
    ErrorLog(form, "class.tavrek holds more than " + IntToStr(kAircraftClassCapacity) +
                       " aircraft types; only the first " + IntToStr(kAircraftClassCapacity) +
                       " are loaded.");
  }
  for (int i = 0; i < count; ++i) {
    ReadClassLine(lines[static_cast<size_t>(i)], form.AircraftClassTable[i]);
  }
  form.LastAircraftClass = count - 1;
  LoadPayloads(form);
}

void SaveClasses(TMainForm& form) {
  SaveTypeFile(form, "class.tavrek", ClassLine);
}

void SavePayloads(TMainForm& form) {
  SaveTypeFile(form, "payloads.tavrek", PayloadLine);
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
