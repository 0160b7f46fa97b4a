#pragma once

#include <array>
#include <string>

// The program's texts: 13 sections of 65 lines, one copy in the chosen language and one in
// Russian. Lines count from 0 after their section's header line.
enum class MessageSection {
  kBriefs = 0,
  kSummaries,
  kNews,
  kDebrief,
  kEvents,
  kErrors,
  kArmy,
  kWeather,
  kCounts,
  kTypes,
  kTitles,
  kObjectives,
  kLocations,
};

inline constexpr int kMessageSectionCount = 13;
inline constexpr int kMessageLinesPerSection = 65;

using MessageTexts =
    std::array<std::array<std::string, kMessageLinesPerSection>, kMessageSectionCount>;

struct MessageTable {
  MessageTexts Message;    // chosen language over English
  MessageTexts MessageRu;  // Russian

  const std::string& Text(MessageSection section, int line) const;
  const std::string& TextRu(MessageSection section, int line) const;
};
