#pragma once

#include <initializer_list>
#include <string>

class TMainForm;

// What the briefings tell besides the task: the debriefing of the last mission, each side's
// campaign objective and the news of the front.

// DebriefingText from the campaign's debriefing.txt: every line trimmed and followed by the
// properties line break "\n"; empty without the file.
void ReadDebriefing(TMainForm& form);

// AlliedObjectiveText and AxisObjectiveText from the campaign's end conditions: the later
// kind of condition wins (sinking, destruction, location, a set end date, zone, end date).
void BuildObjectives(TMainForm& form);

// News texts joined as they are and trimmed at both ends.
std::string NewsParagraph(std::initializer_list<const std::string*> texts);

// The news of each kind of briefing. `side` is 1 (red) or 2 (blue).
std::string DogfightLabelNews(const TMainForm& form);
std::string DogfightSideNews(const TMainForm& form, int side);
std::string DogfightRussianNews(const TMainForm& form);
std::string CoopNews(const TMainForm& form);
std::string OfflineNews(const TMainForm& form);
