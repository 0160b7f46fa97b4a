#include "campaign_progression/end_rules.h"

#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/text_file.h"

namespace {

constexpr int kFullQuota = 100;

void SetDefaults(TMainForm& form) {
  form.EndDate = "31/12/1945";
  for (std::string* trigger : {&form.DeTrigger, &form.RuTrigger, &form.DeDestroyTrigger,
                               &form.RuDestroyTrigger, &form.DeSunkTrigger, &form.RuSunkTrigger}) {
    *trigger = "None";
  }
  for (int* count :
       {&form.DeDestroyCount, &form.RuDestroyCount, &form.DeSunkCount, &form.RuSunkCount}) {
    *count = kFullQuota;
  }
}

std::string ValueAfterKey(const std::string& line, const std::string& key) {
  const size_t at = line.find(key);
  return at == std::string::npos ? std::string() : Trim(line.substr(at + key.size()));
}

// "[battle]" with its first "]" and then its first "[" taken out.
std::string HeaderBattle(std::string line) {
  const size_t close = line.find(']');
  if (close != std::string::npos) line.erase(close, 1);
  const size_t open = line.find('[');
  if (open != std::string::npos) line.erase(open, 1);
  return Trim(line);
}

// "Destroy=" or "Sunk=" values: the object text, then the percentage.
struct QuotaRule {
  std::string object;
  int percent = kFullQuota;
};

QuotaRule ReadQuota(TMainForm& form, const std::string& value) {
  QuotaRule rule;
  rule.object = Trim(value.substr(0, value.find(' ')));
  std::string rest = value;
  const size_t object_at = rest.find(rule.object);
  if (!rule.object.empty() && object_at != std::string::npos) {
    rest.erase(object_at, rule.object.size());
  }
  const size_t percent_at = rest.find('%');
  if (percent_at != std::string::npos) rest.erase(percent_at, 1);
  rule.percent = StrToIntDef(Trim(rest), -1);
  if (rule.percent < 0) {
    ErrorLog(form, "endcampaign.tavrek: \"" + value + "\" holds no percentage; 100% is used.");
    rule.percent = kFullQuota;
  }
  return rule;
}

class RuleReader {
 public:
  RuleReader(TMainForm& form, std::vector<std::string> lines)
      : form_(form), lines_(std::move(lines)) {}

  void Read() {
    while (at_ < lines_.size()) {
      const std::string& line = lines_[at_];
      if (!Contains(line, "[") || HeaderBattle(line) != form_.BattleName) {
        ++at_;
        continue;
      }
      ++at_;
      if (Current() != "Campaign=" + form_.CampaignType) continue;
      ++at_;
      ReadRule();
      ++at_;
    }
  }

 private:
  std::string Current() const { return at_ < lines_.size() ? Trim(lines_[at_]) : std::string(); }

  // The side line after a rule: "Red", "Blue", or empty when it is neither.
  std::string Victor() {
    ++at_;
    const std::string side = Current();
    if (side == "Victor=Red") return "Red";
    if (side == "Victor=Blue") return "Blue";
    ErrorLog(form_, "endcampaign.tavrek: a rule of " + form_.BattleName +
                        " without \"Victor=Red\" or \"Victor=Blue\" after it is not used.");
    return std::string();
  }

  void ReadRule() {
    const std::string rule = Current();
    if (!Contains(rule, "EndDate=") && !Contains(rule, "EndLocation=") &&
        !Contains(rule, "Destroy=") && !Contains(rule, "Sunk=")) {
      ErrorLog(form_,
               "endcampaign.tavrek: unknown rule of " + form_.BattleName + " passed over: " + rule);
      return;
    }
    if (Contains(Current(), "EndDate=")) {
      form_.EndDate = ValueAfterKey(Current(), "EndDate=");
      ++at_;
      if (Contains(Current(), "Victor=")) form_.EndDateVictor = ValueAfterKey(Current(), "Victor=");
    }
    if (Contains(Current(), "EndLocation=")) {
      const std::string place = ValueAfterKey(Current(), "EndLocation=");
      const std::string victor = Victor();
      if (victor == "Red") form_.DeTrigger = place;
      if (victor == "Blue") form_.RuTrigger = place;
    }
    if (Contains(Current(), "Destroy=")) {
      const QuotaRule rule = ReadQuota(form_, ValueAfterKey(Current(), "Destroy="));
      const std::string victor = Victor();
      if (victor == "Red") SetQuota(form_.DeDestroyTrigger, form_.DeDestroyCount, rule);
      if (victor == "Blue") SetQuota(form_.RuDestroyTrigger, form_.RuDestroyCount, rule);
    }
    if (Contains(Current(), "Sunk=")) {
      const QuotaRule rule = ReadQuota(form_, ValueAfterKey(Current(), "Sunk="));
      const std::string victor = Victor();
      if (victor == "Red") SetQuota(form_.DeSunkTrigger, form_.DeSunkCount, rule);
      if (victor == "Blue") SetQuota(form_.RuSunkTrigger, form_.RuSunkCount, rule);
    }
  }

  static void SetQuota(std::string& trigger, int& count, const QuotaRule& rule) {
    trigger = rule.object;
    count = rule.percent;
  }

  TMainForm& form_;
  std::vector<std::string> lines_;
  size_t at_ = 0;
};

}  // namespace

void ReadEndCampaignRules(TMainForm& form) {
  SetDefaults(form);
  const std::string path = ExistingReferenceFile(form, "endcampaign.tavrek");
  if (path.empty()) return;
  RuleReader(form, ReadTextLines(path)).Read();
}
