#include "campaign_data/aircraft_classes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "campaign_data/text.h"

#include "campaign_data/reference_tables.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/reference_data_fixture.h"
#include "tests/support/test_world.h"

namespace {

// A class.tavrek line with the standard columns; blank figures unless given.
std::string ClassLine(const std::string& name, const std::string& description,
                      const std::string& upgrade = "", const std::string& downgrade = "",
                      const std::string& cruise = "", const std::string& ingress = "") {
  return ColumnLine({{1, name},
                     {26, description},
                     {48, "de"},
                     {51, "2"},
                     {53, "1"},
                     {55, "1"},
                     {57, "194001"},
                     {64, "194512"},
                     {71, upgrade},
                     {96, "game-" + name},
                     {116, downgrade},
                     {153, cruise},
                     {177, ingress}});
}

TEST(AircraftClasses, LoadThenSaveLeavesBothFilesByteForByte) {
  TestWorld world;
  InstallReferenceFixture(world);
  TMainForm& form = *world.form;

  LoadPlaneInfo(form);
  ASSERT_EQ(form.LastAircraftClass, 5);
  const AircraftClassEntry& f2 = form.AircraftClassTable[1];
  EXPECT_EQ(f2.ClassName, "Bf-109F-2");
  EXPECT_EQ(f2.ClassDescription, "Bf 109 F-2");
  EXPECT_EQ(f2.ClassCountry, "de");
  EXPECT_EQ(f2.ClassArmy, "2");
  EXPECT_EQ(f2.ClassFamily, "1");
  EXPECT_EQ(f2.ClassFlyable, "1");
  EXPECT_EQ(f2.ClassServiceStart, "194010");
  EXPECT_EQ(f2.ClassServiceEnd, "194212");
  EXPECT_EQ(f2.ClassUpgrade, "random");
  EXPECT_EQ(f2.ClassGameName, "bf-109f-2");
  EXPECT_EQ(f2.ClassDowngrade, "Bf-109E-4");
  EXPECT_EQ(f2.ClassTransitAlt, "3000 Meters");
  EXPECT_EQ(f2.ClassCruiseSpeed, "380.00 kph");
  EXPECT_EQ(f2.ClassRange, "600 km");
  EXPECT_EQ(f2.ClassIngressSpeed, "420.00 kph");
  EXPECT_EQ(f2.Payload2, "1sc250");
  EXPECT_EQ(f2.Payload3, "default");
  EXPECT_EQ(f2.Payload4, "4sc50");
  EXPECT_EQ(f2.Payload5, "droptank");
  EXPECT_EQ(f2.Payload6, "none");
  EXPECT_EQ(f2.PayloadDefault, "default");
  // A name of 24 characters keeps its description apart, also one of 23 that starts right
  // after it.
  EXPECT_EQ(form.AircraftClassTable[4].ClassName, "Long_Twenty_Five_Name_Ab");
  EXPECT_EQ(form.AircraftClassTable[4].ClassDescription, "Twenty-two chars long!");
  EXPECT_EQ(form.AircraftClassTable[5].ClassName, "Twenty_Four_Character_Nm");
  EXPECT_EQ(form.AircraftClassTable[5].ClassDescription, "Description 23 chars!!!");

  SaveClasses(form);
  SavePayloads(form);
  EXPECT_EQ(world.program_folder.Read("data/class.tavrek"), ReferenceFixture("class.tavrek"));
  EXPECT_EQ(world.program_folder.Read("data/payloads.tavrek"), ReferenceFixture("payloads.tavrek"));
}

// Every field of random lines of every length is the trimmed text of its columns, or its
// default when they are blank, as reading the columns one by one gives.
TEST(AircraftClasses, FieldsOfRandomLinesAreTheirTrimmedColumns) {
  TestWorld world;
  TMainForm& form = *world.form;
  std::mt19937 random(3);
  const std::string alphabet = "ab  Z9.\t";
  auto random_line = [&](size_t length) {
    std::string line;
    for (size_t i = 0; i < length; ++i) line += alphabet[random() % alphabet.size()];
    return line;
  };
  std::vector<std::string> classes, payloads;
  for (int i = 0; i < 60; ++i) {
    // The name leads with its number, so every type gets its own payload line, which
    // repeats the type's name columns.
    classes.push_back(IntToStr(i) + "_" + random_line(random() % 200));
    std::string name_columns = classes.back().substr(0, 24);
    name_columns.resize(29, ' ');
    payloads.push_back(name_columns + random_line(random() % 130));
  }
  world.program_folder.Write("data/class.tavrek", JoinLinesCrLf(classes));
  world.program_folder.Write("data/payloads.tavrek", JoinLinesCrLf(payloads));
  LoadPlaneInfo(form);
  ASSERT_EQ(form.LastAircraftClass, 59);
  auto field = [](const std::string& line, int column, int count, const std::string& fallback) {
    const std::string text = Trim(Copy(line, column, count));
    return text.empty() ? fallback : text;
  };
  for (int i = 0; i < 60; ++i) {
    SCOPED_TRACE("type " + IntToStr(i));
    const AircraftClassEntry& entry = form.AircraftClassTable[i];
    const std::string& c = classes[static_cast<size_t>(i)];
    EXPECT_EQ(entry.ClassName, field(c, 1, 24, ""));
    EXPECT_EQ(entry.ClassDescription, field(c, 25, 23, ""));
    EXPECT_EQ(entry.ClassCountry, field(c, 48, 2, ""));
    EXPECT_EQ(entry.ClassArmy, field(c, 51, 1, ""));
    EXPECT_EQ(entry.ClassFamily, field(c, 53, 1, ""));
    EXPECT_EQ(entry.ClassFlyable, field(c, 55, 1, ""));
    EXPECT_EQ(entry.ClassServiceStart, field(c, 57, 6, ""));
    EXPECT_EQ(entry.ClassServiceEnd, field(c, 64, 6, ""));
    EXPECT_EQ(entry.ClassUpgrade, field(c, 71, 25, "none"));
    EXPECT_EQ(entry.ClassGameName, field(c, 96, 20, ""));
    EXPECT_EQ(entry.ClassDowngrade, field(c, 116, 25, "none"));
    EXPECT_EQ(entry.ClassTransitAlt, field(c, 141, 12, "Default"));
    EXPECT_EQ(entry.ClassCruiseSpeed, field(c, 153, 12, "Default"));
    EXPECT_EQ(entry.ClassRange, field(c, 165, 12, "Default"));
    EXPECT_EQ(entry.ClassIngressSpeed, field(c, 177, 12, field(c, 153, 12, "Default")));
    const std::string& p = payloads[static_cast<size_t>(i)];
    ASSERT_EQ(field(p, 1, 29, ""), entry.ClassName);
    EXPECT_EQ(entry.Payload2, field(p, 30, 20, "default"));
    EXPECT_EQ(entry.Payload3, field(p, 50, 20, "default"));
    EXPECT_EQ(entry.Payload4, field(p, 70, 20, "default"));
    EXPECT_EQ(entry.Payload5, field(p, 90, 20, "none"));
    EXPECT_EQ(entry.Payload6, field(p, 110, 20, "none"));
    EXPECT_EQ(entry.PayloadDefault, field(p, 130, 20, "default"));
  }
}

TEST(AircraftClasses, BlankColumnsTakeTheirDefaultsAndAreWrittenBackFilledIn) {
  TestWorld world;
  TMainForm& form = *world.form;
  const std::string description_23 = "Twenty-three characters";
  ASSERT_EQ(description_23.size(), 23u);
  world.program_folder.Write(
      "data/class.tavrek",
      JoinLinesCrLf({ClassLine("NoFigures", "Plain"),
                     ClassLine("CruiseOnly", "Cruise", "", "", "300.00 kph"),
                     ColumnLine({{1, "LongDesc"}, {25, description_23}, {48, "ru"}}), ""}));

  LoadPlaneInfo(form);
  ASSERT_EQ(form.LastAircraftClass, 3);
  const AircraftClassEntry& plain = form.AircraftClassTable[0];
  EXPECT_EQ(plain.ClassUpgrade, "none");
  EXPECT_EQ(plain.ClassDowngrade, "none");
  EXPECT_EQ(plain.ClassTransitAlt, "Default");
  EXPECT_EQ(plain.ClassCruiseSpeed, "Default");
  EXPECT_EQ(plain.ClassRange, "Default");
  EXPECT_EQ(plain.ClassIngressSpeed, "Default");
  EXPECT_EQ(form.AircraftClassTable[1].ClassIngressSpeed, "300.00 kph");
  EXPECT_EQ(form.AircraftClassTable[2].ClassName, "LongDesc");
  EXPECT_EQ(form.AircraftClassTable[2].ClassDescription, description_23);
  // Without payloads.tavrek every type has the standard loadouts.
  EXPECT_EQ(plain.PayloadDefault, "default");
  EXPECT_EQ(plain.Payload4, "default");
  EXPECT_EQ(plain.Payload5, "none");
  // A blank line is a type too: no name, the defaults.
  EXPECT_EQ(form.AircraftClassTable[3].ClassName, "");
  EXPECT_EQ(form.AircraftClassTable[3].ClassUpgrade, "none");

  SaveClasses(form);
  const std::vector<std::string> written =
      SplitTextLines(world.program_folder.Read("data/class.tavrek"));
  ASSERT_EQ(written.size(), 4u);
  EXPECT_EQ(written[0], ColumnLine({{1, "NoFigures"},
                                    {26, "Plain"},
                                    {48, "de 2 1 1 194001 194512"},
                                    {71, "none"},
                                    {96, "game-NoFigures"},
                                    {116, "none"},
                                    {141, "Default"},
                                    {153, "Default"},
                                    {165, "Default"},
                                    {177, "Default"}},
                                   188));
  EXPECT_EQ(written[1].substr(176), "300.00 kph  ");
  // A description of 23 characters is written where it was read, from column 25, so none of
  // it is lost.
  EXPECT_EQ(written[2].substr(24, 23), description_23);
  EXPECT_EQ(written[2].substr(47, 3), "ru ");
  for (const std::string& line : written) EXPECT_EQ(line.size(), 188u);
}

TEST(AircraftClasses, ValuesOfOtherWidthsKeepTheColumns) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/class.tavrek", JoinLinesCrLf({ClassLine("P-40", "Warhawk")}));
  LoadPlaneInfo(form);
  AircraftClassEntry& entry = form.AircraftClassTable[0];
  entry.ClassCountry = "u";
  entry.ClassFamily = "12";
  entry.ClassUpgrade = std::string(30, 'U');

  SaveClasses(form);
  LoadPlaneInfo(form);
  EXPECT_EQ(entry.ClassCountry, "u");
  EXPECT_EQ(entry.ClassArmy, "2");
  EXPECT_EQ(entry.ClassFamily, "1");
  EXPECT_EQ(entry.ClassUpgrade, std::string(25, 'U'));
  EXPECT_EQ(entry.ClassGameName, "game-P-40");
}

TEST(AircraftClasses, PayloadLinesApplyToEveryTypeOfTheirName) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/class.tavrek",
                             JoinLinesCrLf({ClassLine("Twin", "First"), ClassLine("Other", "Other"),
                                            ClassLine("Twin", "Second")}));
  world.program_folder.Write(
      "data/payloads.tavrek",
      JoinLinesCrLf({ColumnLine({{1, "Twin"}, {30, "bombs"}, {110, "torpedo"}}),
                     ColumnLine({{1, "Nobody"}, {30, "ignored"}})}));

  LoadPlaneInfo(form);
  for (int twin : {0, 2}) {
    const AircraftClassEntry& entry = form.AircraftClassTable[twin];
    EXPECT_EQ(entry.Payload2, "bombs");
    EXPECT_EQ(entry.Payload3, "default");
    EXPECT_EQ(entry.Payload4, "default");
    EXPECT_EQ(entry.Payload5, "none");
    EXPECT_EQ(entry.Payload6, "torpedo");
    EXPECT_EQ(entry.PayloadDefault, "default");
  }
  EXPECT_EQ(form.AircraftClassTable[1].Payload2, "default");

  // A later load gives a type without a line the standard loadouts, not those that the type
  // at its index had before.
  world.program_folder.Write("data/payloads.tavrek",
                             JoinLinesCrLf({ColumnLine({{1, "Other"}, {30, "rockets"}})}));
  LoadPlaneInfo(form);
  EXPECT_EQ(form.AircraftClassTable[0].Payload2, "default");
  EXPECT_EQ(form.AircraftClassTable[0].Payload6, "none");
  EXPECT_EQ(form.AircraftClassTable[1].Payload2, "rockets");

  form.AircraftClassTable[1].Payload4 = "  a_very_long_loadout_name_indeed ";
  SavePayloads(form);
  const std::vector<std::string> written =
      SplitTextLines(world.program_folder.Read("data/payloads.tavrek"));
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[1], ColumnLine({{1, "Other"},
                                    {30, "rockets"},
                                    {50, "default"},
                                    {70, "a_very_long_loadout_"},
                                    {90, "none"},
                                    {110, "none"},
                                    {130, "default"}},
                                   149));
}

TEST(AircraftClasses, CampaignDataFolderCopiesComeFirst) {
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder campaign_data;
  world.program_folder.Write("data/class.tavrek",
                             JoinLinesCrLf({ClassLine("Shared", "Program copy")}));
  world.program_folder.Write("data/payloads.tavrek",
                             JoinLinesCrLf({ColumnLine({{1, "Own"}, {30, "shared_bombs"}})}));
  campaign_data.Write("class.tavrek", JoinLinesCrLf({ClassLine("Own", "Campaign copy")}));

  // An empty campaign data folder never names a file of the working folder.
  LoadPlaneInfo(form);
  EXPECT_EQ(form.AircraftClassTable[0].ClassName, "Shared");

  form.CampaignDataFolder = campaign_data.Path();
  LoadPlaneInfo(form);
  EXPECT_EQ(form.AircraftClassTable[0].ClassName, "Own");
  EXPECT_EQ(form.AircraftClassTable[0].Payload2, "shared_bombs");
  EXPECT_EQ(ReferenceFilePath(form, "class.tavrek"), campaign_data.Path() + "class.tavrek");
  EXPECT_EQ(ReferenceFilePath(form, "payloads.tavrek"),
            world.program_folder.Path() + "data\\payloads.tavrek");

  form.AircraftClassTable[0].ClassDescription = "Edited";
  form.AircraftClassTable[0].Payload2 = "own_bombs";
  SaveClasses(form);
  SavePayloads(form);
  EXPECT_NE(campaign_data.Read("class.tavrek").find("Edited"), std::string::npos);
  EXPECT_EQ(world.program_folder.Read("data/class.tavrek"),
            JoinLinesCrLf({ClassLine("Shared", "Program copy")}));
  EXPECT_NE(world.program_folder.Read("data/payloads.tavrek").find("own_bombs"), std::string::npos);
}

TEST(AircraftClasses, MissingClassFileIsLoggedAndRaisedWithItsText) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/class.tavrek", JoinLinesCrLf({ClassLine("Kept", "Kept")}));
  LoadPlaneInfo(form);
  std::filesystem::remove(world.program_folder.Path() + "data/class.tavrek");

  try {
    LoadPlaneInfo(form);
    FAIL() << "no exception";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No class file found.\r\n");
  }
  EXPECT_NE(form.ErrorText.find("] No class file found.\r\n"), std::string::npos);
  EXPECT_EQ(form.LastAircraftClass, 0);
  EXPECT_EQ(form.AircraftClassTable[0].ClassName, "Kept");
}

TEST(AircraftClasses, SavingWithNothingLoadedTouchesNoFile) {
  TestWorld world;
  TMainForm& form = *world.form;
  InstallReferenceFixture(world);

  SaveClasses(form);
  SavePayloads(form);
  EXPECT_EQ(world.program_folder.Read("data/class.tavrek"), ReferenceFixture("class.tavrek"));
  EXPECT_EQ(world.program_folder.Read("data/payloads.tavrek"), ReferenceFixture("payloads.tavrek"));
  EXPECT_NE(form.ErrorText.find("No aircraft types loaded: class.tavrek not written."),
            std::string::npos);
}

TEST(AircraftClasses, AClassFileLongerThanTheTableIsKeptBesideBeforeItIsRewritten) {
  TestWorld world;
  TMainForm& form = *world.form;
  std::vector<std::string> lines;
  for (int i = 0; i < 502; ++i) lines.push_back(ClassLine("Type" + std::to_string(i), "T"));
  const std::string original = JoinLinesCrLf(lines);
  const std::string payloads = JoinLinesCrLf({ColumnLine({{1, "Type501"}})});
  world.program_folder.Write("data/class.tavrek", original);
  world.program_folder.Write("data/payloads.tavrek", payloads);

  LoadPlaneInfo(form);
  EXPECT_EQ(form.LastAircraftClass, 500);
  EXPECT_EQ(form.AircraftClassTable[500].ClassName, "Type500");
  EXPECT_NE(form.ErrorText.find("it holds 502 aircraft types, more than the 501 the table holds"),
            std::string::npos);

  world.dialogs->ExpectMessage("class.tavrek was not read whole", ModalResult::kOk);
  world.dialogs->ExpectMessage("payloads.tavrek was not read whole", ModalResult::kOk);
  SaveClasses(form);
  SavePayloads(form);
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(world.program_folder.Read("data/class.tavrek.damaged"), original);
  EXPECT_EQ(world.program_folder.Read("data/payloads.tavrek.damaged"), payloads);
  EXPECT_EQ(SplitTextLines(world.program_folder.Read("data/class.tavrek")).size(), 501u);
}

TEST(AircraftClasses, AllPayloadsLinesAreReadInFileOrder) {
  TestWorld world;
  EXPECT_FALSE(ReadAllPayloads(*world.form).has_value());
  InstallReferenceFixture(world);
  const auto lines = ReadAllPayloads(*world.form);
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), 10u);
  EXPECT_EQ((*lines)[3].ClassName, "Bf-109F-2");
  EXPECT_EQ((*lines)[3].Category, "D");
  EXPECT_EQ((*lines)[3].Loadout, "droptank");
  EXPECT_EQ((*lines)[9].Loadout, "a_loadout_name_of_over_29_characters");
}

}  // namespace
