#pragma once

#include <string>

class TMainForm;

// The briefing texts a plan gives a squadron: the mission type is a [Briefs] line as it
// stands, the briefing a [Summaries] line with its place-holders filled in, one occurrence each.

const std::string& BriefsText(const TMainForm& form, int line);
// [Summaries] line with "<TGTNAME>" replaced by the target's name.
std::string SummaryText(const TMainForm& form, int line, const std::string& target_name);
// [Summaries] line with "<TGTNAME1>" and "<TGTNAME2>" replaced by the two ends of a route.
std::string RouteSummaryText(const TMainForm& form, int line, const std::string& from,
                             const std::string& to);
// [Summaries] line with "<TGTNAME>", then "<SQUAD>", then "<PLANE>" replaced.
std::string PartnerSummaryText(const TMainForm& form, int line, const std::string& target_name,
                               const std::string& squadron_name, const std::string& plane);
// [Summaries] line with "<TGTNAME>", then "<PLANE>" replaced.
std::string EnemySummaryText(const TMainForm& form, int line, const std::string& target_name,
                             const std::string& plane);

// Sets the squadron's mission type and briefing.
void SetMissionTexts(TMainForm& form, int squadron, int briefs_line, const std::string& briefing);
