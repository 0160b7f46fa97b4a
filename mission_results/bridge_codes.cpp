#include "mission_results/bridge_codes.h"

#include <cctype>

#include "campaign_data/text.h"
#include "mission_results/event_text.h"

namespace {

constexpr char kCodeCharacters[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-+";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool SectionOfMap(const std::string& line, const std::string& map_name,
                  const std::string& load_path) {
  const std::string header = Trim(line);
  if (header == "[" + map_name + "]") return true;
  if (load_path == "None" || load_path.size() <= 4 || header.size() < 2) return false;
  const std::string inner = Lower(header.substr(1, header.size() - 2));
  return !inner.empty() && Contains(Lower(load_path), inner);
}

}  // namespace

std::string BridgeCode(long long number) {
  if (number < 0) number = 0;
  std::string code(1, kCodeCharacters[number % 64]);
  if (number / 64 > 0) code += IntToStr(number / 64);
  return code;
}

std::string BridgeReference::LineFor(const std::string& code) const {
  for (const std::string& line : lines) {
    const std::string text = Trim(line);
    if (CutBefore(text, " ") == code) return text;
  }
  return std::string();
}

BridgeReference MapBridgeReference(const std::vector<std::string>& file_lines,
                                   const std::string& map_name, const std::string& load_path) {
  BridgeReference reference;
  bool in_map = false;
  for (const std::string& line : file_lines) {
    if (Contains(line, "]")) {
      in_map = SectionOfMap(line, map_name, load_path);
      continue;
    }
    if (in_map && !Trim(line).empty()) reference.lines.push_back(line);
  }
  return reference;
}
