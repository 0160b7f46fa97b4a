#include "campaign_data/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "tests/support/test_world.h"

namespace {

// Every section with `lines` texts "<prefix> <section> <line>", CR LF line ends.
std::string FullMessageFile(const std::string& prefix, int lines) {
  static const char* const kHeaders[] = {
      "[Briefs]",  "[Summaries]", "[News]",  "[Debrief]", "[Events]",     "[Errors]",   "[Army]",
      "[Weather]", "[Counts]",    "[Types]", "[Titles]",  "[Objectives]", "[Locations]"};
  std::string text;
  for (int section = 0; section < kMessageSectionCount; ++section) {
    text += std::string(kHeaders[section]) + "\r\n";
    for (int line = 0; line < lines; ++line) {
      text += prefix + " " + std::to_string(section) + " " + std::to_string(line) + "\r\n";
    }
  }
  return text;
}

std::string Text(const std::string& prefix, MessageSection section, int line) {
  return prefix + " " + std::to_string(static_cast<int>(section)) + " " + std::to_string(line);
}

// A program folder with full English and Russian files.
struct MessagesWorld {
  MessagesWorld() {
    world.program_folder.Write("data/messages.tavrek", FullMessageFile("English", 10));
    world.program_folder.Write("data/messages_ru.tavrek", FullMessageFile("Russian", 10));
  }
  TMainForm& form() { return *world.form; }
  void WriteProgramData(const std::string& file, const std::string& content) {
    world.program_folder.Write("data/" + file, content);
  }
  TestWorld world;
};

TEST(GetMessages, LanguageFileOverwritesOnlyTheLinesItHas) {
  MessagesWorld messages;
  messages.WriteProgramData("messages_fr.tavrek",
                            "[Errors]\r\nErreur zero\r\nErreur un\r\nErreur deux\r\n");
  messages.form().Language = "French";

  GetMessages(messages.form());

  const MessageTable& table = messages.form().Messages;
  EXPECT_EQ(table.Text(MessageSection::kErrors, 0), "Erreur zero");
  EXPECT_EQ(table.Text(MessageSection::kErrors, 2), "Erreur deux");
  EXPECT_EQ(table.Text(MessageSection::kErrors, 3), Text("English", MessageSection::kErrors, 3));
  EXPECT_EQ(table.Text(MessageSection::kBriefs, 0), Text("English", MessageSection::kBriefs, 0));
  EXPECT_EQ(table.Text(MessageSection::kLocations, 9),
            Text("English", MessageSection::kLocations, 9));
  EXPECT_EQ(table.Text(MessageSection::kBriefs, 10), "");
  EXPECT_EQ(table.TextRu(MessageSection::kErrors, 0), Text("Russian", MessageSection::kErrors, 0));
  EXPECT_EQ(table.TextRu(MessageSection::kNews, 4), Text("Russian", MessageSection::kNews, 4));
}

TEST(GetMessages, RussianFileFillsTheRussianTableWhereItReaches) {
  MessagesWorld messages;
  messages.WriteProgramData("messages_ru.tavrek", "[News]\r\nNovosti\r\n");
  messages.WriteProgramData("messages_fr.tavrek", "[Errors]\r\nErreur zero\r\n");
  messages.form().Language = "French";

  GetMessages(messages.form());

  const MessageTable& table = messages.form().Messages;
  EXPECT_EQ(table.TextRu(MessageSection::kNews, 0), "Novosti");
  EXPECT_EQ(table.Text(MessageSection::kNews, 0), Text("English", MessageSection::kNews, 0));
  // Lines the Russian file does not reach keep the chosen language's texts.
  EXPECT_EQ(table.TextRu(MessageSection::kErrors, 0), "Erreur zero");
  EXPECT_EQ(table.TextRu(MessageSection::kNews, 1), Text("English", MessageSection::kNews, 1));
}

TEST(GetMessages, RussianLanguageFillsBothTablesWithRussian) {
  MessagesWorld messages;
  messages.form().Language = "Russian";
  GetMessages(messages.form());
  const MessageTable& table = messages.form().Messages;
  EXPECT_EQ(table.Text(MessageSection::kTitles, 5), Text("Russian", MessageSection::kTitles, 5));
  EXPECT_EQ(table.TextRu(MessageSection::kTitles, 5), Text("Russian", MessageSection::kTitles, 5));
}

TEST(GetMessages, CampaignDataFolderOverridesTheProgramFileForThatCampaignOnly) {
  MessagesWorld messages;
  messages.WriteProgramData("messages_de.tavrek", "[Army]\r\nProgramm\r\n");
  TempFolder campaign_data;
  campaign_data.Write("messages_de.tavrek", "[Army]\r\nKampagne\r\n");
  messages.form().Language = "German";

  messages.form().CampaignDataFolder = campaign_data.Path();
  GetMessages(messages.form());
  EXPECT_EQ(messages.form().Messages.Text(MessageSection::kArmy, 0), "Kampagne");

  messages.form().CampaignDataFolder = "";
  GetMessages(messages.form());
  EXPECT_EQ(messages.form().Messages.Text(MessageSection::kArmy, 0), "Programm");
}

TEST(GetMessages, StoresTrimmedTextsAndCountsEmptyLines) {
  MessagesWorld messages;
  messages.WriteProgramData("messages_it.tavrek",
                            "  [News]  \r\n  first  \r\n\r\nthird\nfourth\r\n");
  messages.form().Language = "Italian";
  GetMessages(messages.form());
  const MessageTable& table = messages.form().Messages;
  EXPECT_EQ(table.Text(MessageSection::kNews, 0), "first");
  EXPECT_EQ(table.Text(MessageSection::kNews, 1), "");
  EXPECT_EQ(table.Text(MessageSection::kNews, 2), "third");
  EXPECT_EQ(table.Text(MessageSection::kNews, 3), "fourth");
  EXPECT_EQ(table.Text(MessageSection::kNews, 4), Text("English", MessageSection::kNews, 4));
}

TEST(GetMessages, HeaderRightAfterALaterHeaderIsText) {
  MessagesWorld messages;
  messages.WriteProgramData("messages_sp.tavrek",
                            "[Errors]\r\n[Briefs]\r\nerror one\r\n"
                            "[Briefs]\r\n[Types]\r\ntype zero\r\n"
                            "[Counts]\r\n[Counts]\r\n");
  messages.form().Language = "Spanish";
  GetMessages(messages.form());
  const MessageTable& table = messages.form().Messages;
  EXPECT_EQ(table.Text(MessageSection::kErrors, 0), "[Briefs]");
  EXPECT_EQ(table.Text(MessageSection::kErrors, 1), "error one");
  EXPECT_EQ(table.Text(MessageSection::kBriefs, 0), Text("English", MessageSection::kBriefs, 0));
  EXPECT_EQ(table.Text(MessageSection::kTypes, 0), "type zero");
  EXPECT_EQ(table.Text(MessageSection::kCounts, 0), "[Counts]");
}

TEST(GetMessages, HeaderOnTheLastLineStoresNothing) {
  MessagesWorld messages;
  messages.WriteProgramData("messages_cz.tavrek", "[Army]\r\nArmada\r\n[Titles]");
  messages.form().Language = "Czech";
  GetMessages(messages.form());
  EXPECT_EQ(messages.form().Messages.Text(MessageSection::kArmy, 0), "Armada");
  EXPECT_EQ(messages.form().Messages.Text(MessageSection::kTitles, 0),
            Text("English", MessageSection::kTitles, 0));
}

TEST(GetMessages, IgnoresAndLogsLinesOutsideTheSections) {
  MessagesWorld messages;
  std::string polish = "stray text\r\n\r\n[Weather]\r\n";
  for (int line = 0; line < 67; ++line) polish += "pogoda " + std::to_string(line) + "\r\n";
  messages.WriteProgramData("messages_pl.tavrek", polish);
  messages.form().Language = "Polish";

  GetMessages(messages.form());

  const MessageTable& table = messages.form().Messages;
  EXPECT_EQ(table.Text(MessageSection::kWeather, 0), "pogoda 0");
  EXPECT_EQ(table.Text(MessageSection::kWeather, 64), "pogoda 64");
  EXPECT_EQ(table.Text(MessageSection::kTypes, 0), Text("English", MessageSection::kTypes, 0));
  const std::string& log = messages.form().ErrorText;
  EXPECT_NE(log.find("messages_pl.tavrek: 3 text lines"), std::string::npos) << log;
  int reports = 0;
  for (size_t at = log.find("were ignored"); at != std::string::npos;
       at = log.find("were ignored", at + 1)) {
    ++reports;
  }
  EXPECT_EQ(reports, 1) << log;
}

// An English file without texts (empty, or headers only) is logged, and the errors are told in
// the program's own English rather than as empty boxes.
TEST(GetMessages, AnEnglishFileWithoutTextsGivesTheBuiltInErrorTexts) {
  for (const std::string& english : {std::string(), std::string("[Briefs]\r\n\r\n[Errors]\r\n")}) {
    MessagesWorld messages;
    messages.WriteProgramData("messages.tavrek", english);
    messages.WriteProgramData("messages_ru.tavrek", "[Errors]\r\nRussian error\r\n");
    GetMessages(messages.form());
    const MessageTable& table = messages.form().Messages;
    EXPECT_EQ(table.Text(MessageSection::kErrors, 10),
              "Your squadron has no home base. Please choose a base for it in the squadron "
              "editor.");
    EXPECT_EQ(table.TextRu(MessageSection::kErrors, 0), "Russian error");
    EXPECT_EQ(table.TextRu(MessageSection::kErrors, 5), table.Text(MessageSection::kErrors, 5));
    EXPECT_NE(messages.form().ErrorText.find(
                  "messages.tavrek holds no texts; the errors are told in the program's own "
                  "English."),
              std::string::npos);
    for (int line : {0, 1, 3, 4, 5, 7, 8, 10}) {
      EXPECT_FALSE(table.Text(MessageSection::kErrors, line).empty()) << line;
    }
  }
}

TEST(GetMessages, MissingLanguageFileReportsAndKeepsTheEnglishTexts) {
  MessagesWorld messages;
  messages.form().Language = "French";
  try {
    GetMessages(messages.form());
    FAIL() << "no exception";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No Message File Found.");
  }
  EXPECT_EQ(messages.form().DescLabel.Caption,
            "No Messages file found for French. Select another language.");
  EXPECT_NE(messages.form().ErrorText.find("] No Message File Found for French.\r\n"),
            std::string::npos);
  EXPECT_EQ(messages.form().Messages.Text(MessageSection::kEvents, 1),
            Text("English", MessageSection::kEvents, 1));
}

TEST(GetMessages, MissingEnglishFileReportsTheChosenLanguage) {
  TestWorld world;
  world.form->Language = "German";
  EXPECT_THROW(GetMessages(*world.form), ProgramError);
  EXPECT_EQ(world.form->DescLabel.Caption,
            "No Messages file found for German. Select another language.");
  EXPECT_NE(world.form->ErrorText.find("] No Message File Found for German.\r\n"),
            std::string::npos);
}

TEST(GetMessages, MissingRussianFileReportsItsOwnText) {
  TestWorld world;
  world.program_folder.Write("data/messages.tavrek", FullMessageFile("English", 2));
  try {
    GetMessages(*world.form);
    FAIL() << "no exception";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No Message File Found.");
  }
  EXPECT_EQ(world.form->DescLabel.Caption, "No Russian Messages file found.");
  EXPECT_NE(world.form->ErrorText.find("] No Russian message_ru.tavrek file found.\r\n"),
            std::string::npos);
  EXPECT_EQ(world.form->Messages.Text(MessageSection::kBriefs, 1),
            Text("English", MessageSection::kBriefs, 1));
}

TEST(GetMessages, UnknownLanguageReadsEnglishAndLogsIt) {
  MessagesWorld messages;
  messages.form().Language = "Klingon";
  GetMessages(messages.form());
  EXPECT_EQ(messages.form().Messages.Text(MessageSection::kBriefs, 3),
            Text("English", MessageSection::kBriefs, 3));
  EXPECT_NE(messages.form().ErrorText.find("Unknown language Klingon"), std::string::npos);
}

TEST(LanguageClick, TakesTheCheckedLanguageAndReloadsItsTexts) {
  struct Case {
    std::vector<TMenuItem TMainForm::*> checked;
    std::string language;
    std::string first_brief;
  };
  const Case cases[] = {
      {{}, "English", Text("English", MessageSection::kBriefs, 0)},
      {{&TMainForm::EnglishSupport}, "English", Text("English", MessageSection::kBriefs, 0)},
      {{&TMainForm::FrenchSupport}, "French", "Briefing"},
      {{&TMainForm::RussianSupport}, "Russian", Text("Russian", MessageSection::kBriefs, 0)},
      // Items are tested Polish, Czech, Italian, Spanish, French, German, Russian: the last
      // checked one decides.
      {{&TMainForm::GermanSupport, &TMainForm::PolishSupport}, "German", "Einsatz"},
  };
  for (const Case& c : cases) {
    MessagesWorld messages;
    // The settings writer looks for the program beside its settings.
    messages.world.program_folder.Write("tavrek.exe", "");
    messages.WriteProgramData("messages_fr.tavrek", "[Briefs]\r\nBriefing\r\n");
    messages.WriteProgramData("messages_de.tavrek", "[Briefs]\r\nEinsatz\r\n");
    messages.WriteProgramData("messages_pl.tavrek", "[Briefs]\r\nOdprawa\r\n");
    messages.form().Language = "Italian";
    for (TMenuItem TMainForm::*item : c.checked) (messages.form().*item).Checked = true;

    LanguageClick(messages.form());

    EXPECT_EQ(messages.form().Language, c.language);
    EXPECT_EQ(messages.form().Messages.Text(MessageSection::kBriefs, 0), c.first_brief)
        << c.language;
  }
}

}  // namespace
