#pragma once

#include <array>
#include <string>

// Every text the campaign shows or writes, kept twice: once in the user's language (English
// where that language has no line) and once in Russian for the game's Russian briefings. A text
// is found by its section and its place in it, 0 being the line right under the header.
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
