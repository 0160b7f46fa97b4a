#include "campaign_data/messages.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/builtin_error_texts.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

// In section order: a file's header line opens the section of the same index.
constexpr std::array<std::string_view, kMessageSectionCount> kSectionHeaders{
    "[Briefs]",  "[Summaries]", "[News]",  "[Debrief]", "[Events]",     "[Errors]",   "[Army]",
    "[Weather]", "[Counts]",    "[Types]", "[Titles]",  "[Objectives]", "[Locations]"};

struct LanguageFile {
  std::string_view language;
  std::string_view file_name;
};

constexpr std::string_view kEnglishFile = "messages.tavrek";
constexpr std::string_view kRussianFile = "messages_ru.tavrek";

constexpr std::array<LanguageFile, 8> kLanguageFiles{{
    {"English", kEnglishFile},
    {"French", "messages_fr.tavrek"},
    {"Polish", "messages_pl.tavrek"},
    {"Czech", "messages_cz.tavrek"},
    {"Italian", "messages_it.tavrek"},
    {"German", "messages_de.tavrek"},
    {"Spanish", "messages_sp.tavrek"},
    {"Russian", kRussianFile},
}};

// The file of the chosen language; a language this program has no file for (a hand-edited
// settings file) reads the English texts.
std::string_view ChosenLanguageFile(TMainForm& form) {
  for (const LanguageFile& entry : kLanguageFiles) {
    if (form.Language == entry.language) return entry.file_name;
  }
  ErrorLog(form, "Unknown language " + form.Language + "; the English messages are used.");
  return kEnglishFile;
}

[[noreturn]] void MissingMessageFile(TMainForm& form, const std::string& label,
                                     const std::string& log_line) {
  form.DescLabel.Caption = label;
  ErrorLog(form, log_line);
  throw ProgramError("No Message File Found.");
}

// Stores every text line of the file at its section and line number in each of the tables.
// After a header the next line is compared only with the headers later in the order, so a
// header directly after a later one is a text. Lines before the first header and past the
// last line of a section have no place in the tables; they are counted and logged.
// Answers the number of texts stored that are not empty.
int ReadMessageFile(TMainForm& form, const std::string& path,
                    std::initializer_list<MessageTexts*> tables) {
  const std::shared_ptr<const TextLines> file = form.FileReads.Lines(path);
  const TextLines& lines = *file;
  int section = -1;
  int line_number = 0;
  int ignored = 0;
  int stored = 0;
  size_t next = 0;
  while (next < lines.size()) {
    std::string_view text = TrimView(lines[next++]);
    bool file_ended = false;
    for (int header = 0; header < kMessageSectionCount; ++header) {
      if (text != kSectionHeaders[header]) continue;
      section = header;
      line_number = 0;
      if (next == lines.size()) {
        file_ended = true;
        break;
      }
      text = TrimView(lines[next++]);
    }
    if (file_ended) break;
    if (section < 0 || line_number >= kMessageLinesPerSection) {
      if (!text.empty()) ++ignored;
    } else {
      for (MessageTexts* table : tables) (*table)[section][line_number].assign(text);
      if (!text.empty()) ++stored;
    }
    ++line_number;
  }
  if (ignored > 0) {
    ErrorLog(form, path + ": " + IntToStr(ignored) +
                       " text lines before the first section or past line 64 of a section "
                       "were ignored.");
  }
  return stored;
}

// An English file without a single text would leave every error message empty.
void UseBuiltInErrorTexts(TMainForm& form, const std::string& path) {
  ErrorLog(form, path + " holds no texts; the errors are told in the program's own English.");
  const auto section = static_cast<size_t>(MessageSection::kErrors);
  for (size_t line = 0; line < BuiltInErrorTexts().size(); ++line) {
    form.Messages.Message[section][line] = std::string(BuiltInErrorTexts()[line]);
    form.Messages.MessageRu[section][line] = std::string(BuiltInErrorTexts()[line]);
  }
}

}  // namespace

void GetMessages(TMainForm& form) {
  const std::string_view language_file = ChosenLanguageFile(form);
  for (const std::string_view file_name : {kEnglishFile, language_file}) {
    const std::string path = ExistingReferenceFile(form, std::string(file_name));
    if (path.empty()) {
      MissingMessageFile(
          form, "No Messages file found for " + form.Language + ". Select another language.",
          "No Message File Found for " + form.Language + ".");
    }
    const int texts =
        ReadMessageFile(form, path, {&form.Messages.Message, &form.Messages.MessageRu});
    if (texts == 0 && file_name == kEnglishFile) UseBuiltInErrorTexts(form, path);
  }

  const std::string russian_path = ExistingReferenceFile(form, std::string(kRussianFile));
  if (russian_path.empty()) {
    MissingMessageFile(form, "No Russian Messages file found.",
                       "No Russian message_ru.tavrek file found.");
  }
  ReadMessageFile(form, russian_path, {&form.Messages.MessageRu});
}

void LanguageClick(TMainForm& form) {
  struct LanguageItem {
    const TMenuItem& item;
    std::string_view language;
  };
  // The order in which the items are tested; English is what none of them checked means.
  const std::array<LanguageItem, 7> items{{{form.PolishSupport, "Polish"},
                                           {form.CzechSupport, "Czech"},
                                           {form.ItalianSupport, "Italian"},
                                           {form.SpanishSupport, "Spanish"},
                                           {form.FrenchSupport, "French"},
                                           {form.GermanSupport, "German"},
                                           {form.RussianSupport, "Russian"}}};
  form.Language = "English";
  for (const LanguageItem& entry : items) {
    if (entry.item.Checked) form.Language = std::string(entry.language);
  }
  WriteIni(form);
  ReadIni(form);
  GetMessages(form);
}
