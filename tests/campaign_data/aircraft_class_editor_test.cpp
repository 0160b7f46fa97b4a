#include "campaign_data/aircraft_class_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "campaign_data/aircraft_classes.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/reference_data_fixture.h"
#include "tests/support/first_run.h"
#include "tests/support/test_world.h"

namespace {

using Items = std::vector<std::string>;

const char kWarning[] =
    "Warning: You should not assign a non-flyable plane type to a flyable plane type.";

// A main window with the fixture's class and payload files in the program's data folder and
// the editor wired to its controls.
struct EditorWorld {
  EditorWorld() {
    InstallReferenceFixture(world);
    PlaceFirstEditionGame(world);
    WireAircraftClassEditor(form);
  }
  std::vector<std::string> ClassLines() const {
    return SplitTextLines(world.program_folder.Read("data/class.tavrek"));
  }
  std::vector<std::string> PayloadLines() const {
    return SplitTextLines(world.program_folder.Read("data/payloads.tavrek"));
  }
  TestWorld world;
  TMainForm& form = *world.form;
};

std::vector<std::string> FixtureLines(const std::string& name) {
  return SplitTextLines(ReferenceFixture(name));
}

TEST(AircraftClassEditor, OpensOnTheFirstTypeFromTheMenuOrTheToolBar) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  EXPECT_FALSE(form.AircraftPanel.Visible);
  EXPECT_EQ(form.AirClass.Hint, "Aircraft Class Settings Panel");
  form.DayStep = 1;

  form.PlaneEditor.UserClick();
  EXPECT_TRUE(form.AircraftPanel.Visible);
  EXPECT_TRUE(form.AircraftPanel.Enabled);
  EXPECT_EQ(form.DayStep, 0);
  EXPECT_EQ(form.InfoLabel.Caption, "Aircraft Class Settings");
  EXPECT_EQ(form.DescLabel.Caption,
            "Changes will impact all campaigns using the class and payload data files located "
            "in:\r\n" +
                editor.world.program_folder.Path() + "data\\");

  const Items names{"Bf-109E-4",
                    "Bf-109F-2",
                    "Ju-87B-2",
                    "I-16type24",
                    "Long_Twenty_Five_Name_Ab",
                    "Twenty_Four_Character_Nm"};
  EXPECT_EQ(form.PlaneTypeBox.Items, names);
  Items successors = names;
  successors.insert(successors.end(), {"random", "none"});
  EXPECT_EQ(form.UpTypeBox.Items, successors);
  EXPECT_EQ(form.DownTypeBox.Items, successors);

  EXPECT_EQ(form.PlaneTypeBox.Text, "Bf-109E-4");
  EXPECT_EQ(form.UpTypeBox.Text, "Bf-109F-2");
  EXPECT_EQ(form.DownTypeBox.Text, "none");
  EXPECT_EQ(form.PSYearBox.Text, "1939");
  EXPECT_EQ(form.PSMonthBox.Text, "01");
  EXPECT_EQ(form.PEYearBox.Text, "1941");
  EXPECT_EQ(form.PEMonthBox.Text, "12");
  EXPECT_EQ(form.ClassTransitBox.Text, "Default");
  EXPECT_EQ(form.TSpeedBox.Text, "Default");
  EXPECT_EQ(form.PFamilyBox.Text, "Fighter");
  EXPECT_EQ(form.FlyableBox.Text, "Yes");

  // The loadout lists: fixed first items, then the type's loadouts of each box's categories in
  // file order, names cut to 29 characters.
  const std::string long_loadout = "a_loadout_name_of_over_29_cha";
  EXPECT_EQ(form.DPBox.Items, (Items{"default", "default", "droptank", "mgff_only"}));
  EXPECT_EQ(form.GABox.Items, (Items{"default", "1sc250", "4sc50", long_loadout}));
  EXPECT_EQ(form.LBBox.Items, (Items{"default", "1sc250", "4sc50", long_loadout}));
  EXPECT_EQ(form.ASBox.Items, (Items{"none", "1sc250", "4sc50", "lt_f5b", long_loadout}));
  EXPECT_EQ(form.AABox.Items, (Items{"none", "default", "default", "mgff_only"}));
  EXPECT_EQ(form.DTBox.Items, (Items{"none", "droptank"}));
  EXPECT_EQ(form.DPBox.Text, "default");
  EXPECT_EQ(form.GABox.Text, "1sc250");
  EXPECT_EQ(form.LBBox.Text, "1sc250");
  EXPECT_EQ(form.ASBox.Text, "none");
  EXPECT_EQ(form.AABox.Text, "default");
  EXPECT_EQ(form.DTBox.Text, "none");

  form.AircraftPanel.Visible = false;
  form.AirClass.UserClick();
  EXPECT_TRUE(form.AircraftPanel.Visible);
  EXPECT_EQ(form.ClassTransitBox.Items.size(), 20u);
  EXPECT_EQ(form.ClassTransitBox.Items.back(), "9000 Meters");
  EXPECT_EQ(form.TSpeedBox.Items.size(), 21u);
  EXPECT_EQ(form.IngressSpdBox.Items.back(), "500.00 kph");
  EXPECT_EQ(form.RangeBox.Items.size(), 22u);
  EXPECT_EQ(form.RangeBox.Items[3], "100 km");
  // Opening writes nothing.
  EXPECT_EQ(editor.world.program_folder.Read("data/class.tavrek"),
            ReferenceFixture("class.tavrek"));
}

TEST(AircraftClassEditor, ChangesOfAChosenTypeAreWrittenAtOnce) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  form.PlaneEditor.UserClick();

  form.PlaneTypeBox.UserChoose("Ju-87B-2");
  EXPECT_EQ(form.PFamilyBox.Text, "Dive Bomber");
  EXPECT_EQ(form.FlyableBox.Text, "No");
  EXPECT_EQ(form.TSpeedBox.Text, "260.00 kph");
  EXPECT_EQ(form.GABox.Items, (Items{"default", "1sc500", "1sc500_4sc50"}));
  EXPECT_EQ(form.GABox.Text, "1sc500_4sc50");
  EXPECT_EQ(form.DTBox.Items, (Items{"none"}));

  // One year box stores every figure box of the type.
  form.TSpeedBox.Text = "300.00 kph";
  form.PSYearBox.UserChoose("1940");
  std::vector<std::string> expected = FixtureLines("class.tavrek");
  expected[2] = ColumnLine({{1, "Ju-87B-2"},
                            {26, "Ju 87 B-2 Stuka"},
                            {48, "de 2 7 0 194001 194306"},
                            {71, "Ju-87D-3"},
                            {96, "ju-87b-2"},
                            {116, "none"},
                            {141, "1500 Meters"},
                            {153, "300.00 kph"},
                            {165, "400 km"},
                            {177, "300.00 kph"}},
                           188);
  EXPECT_EQ(editor.ClassLines(), expected);

  form.FlyableBox.UserChoose("Yes");
  form.PFamilyBox.UserChoose("Ground-Attack");
  expected[2].replace(52, 3, "4 1");
  EXPECT_EQ(editor.ClassLines(), expected);
  EXPECT_EQ(form.AircraftClassTable[2].ClassFamily, "4");

  form.ASBox.UserChoose("2sc250");
  std::vector<std::string> payloads = FixtureLines("payloads.tavrek");
  payloads[2] = ColumnLine({{1, "Ju-87B-2"},
                            {30, "1sc500_4sc50"},
                            {50, "none"},
                            {70, "1sc500"},
                            {90, "none"},
                            {110, "2sc250"},
                            {130, "1sc250_4sc50"}},
                           149);
  EXPECT_EQ(editor.PayloadLines(), payloads);
  EXPECT_EQ(editor.ClassLines(), expected);

  LoadPlaneInfo(form);
  EXPECT_EQ(form.AircraftClassTable[2].ClassServiceStart, "194001");
  EXPECT_EQ(form.AircraftClassTable[2].Payload6, "2sc250");
}

// Of two types with the same name the second is edited when it is chosen: the box's item
// index is the type's index.
TEST(AircraftClassEditor, TheSecondOfTwoTypesWithOneNameIsTheOneEdited) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  std::vector<std::string> lines = FixtureLines("class.tavrek");
  lines[1].replace(0, 9, "Bf-109E-4");  // type 1 takes type 0's name
  editor.world.program_folder.Write("data/class.tavrek", JoinLinesCrLf(lines));
  form.PlaneEditor.UserClick();
  ASSERT_EQ(form.PlaneTypeBox.Items[0], form.PlaneTypeBox.Items[1]);

  ASSERT_TRUE(form.PlaneTypeBox.UserChooseItem(1));
  EXPECT_EQ(form.TSpeedBox.Text, "380.00 kph");  // type 1's figures are shown
  form.RangeBox.UserChoose("900 km");

  const std::vector<std::string> written = editor.ClassLines();
  EXPECT_EQ(written[0], lines[0]);
  EXPECT_EQ(Trim(written[1].substr(164, 12)), "900 km");
}

TEST(AircraftClassEditor, FlyableTypesTakeOnlyFlyableSuccessors) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  form.PlaneEditor.UserClick();
  const std::string fixture = ReferenceFixture("class.tavrek");
  const auto upgrade_of = [&form](int type) { return form.AircraftClassTable[type].ClassUpgrade; };

  // A non-flyable upgrade for the flyable Bf-109E-4: the warning stops the command and the
  // type keeps its upgrade, in the table as in the file.
  try {
    form.UpTypeBox.UserChoose("Ju-87B-2");
    FAIL() << "no warning";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), kWarning);
  }
  EXPECT_NE(form.ErrorText.find(kWarning), std::string::npos);
  EXPECT_EQ(upgrade_of(0), "Bf-109F-2");
  EXPECT_EQ(editor.world.program_folder.Read("data/class.tavrek"), fixture);

  // Texts that a flyable type does not take leave the value, yet the file is written again.
  struct Case {
    TComboBox* box;
    std::string text;
    std::string upgrade;
    std::string downgrade;
  };
  const std::vector<Case> flyable_cases = {
      {&form.UpTypeBox, "NoSuchType", "Bf-109F-2", "none"},
      {&form.DownTypeBox, "random", "Bf-109F-2", "none"},
      {&form.UpTypeBox, "I-16type24", "I-16type24", "none"},
      {&form.DownTypeBox, "Bf-109F-2", "I-16type24", "Bf-109F-2"},
      {&form.UpTypeBox, "random", "random", "Bf-109F-2"},
      {&form.DownTypeBox, "none", "random", "none"},
  };
  for (const Case& test : flyable_cases) {
    SCOPED_TRACE(test.box->Name() + " " + test.text);
    editor.world.program_folder.Write("data/class.tavrek", "stale\r\n");
    test.box->UserChoose(test.text);
    EXPECT_EQ(upgrade_of(0), test.upgrade);
    EXPECT_EQ(form.AircraftClassTable[0].ClassDowngrade, test.downgrade);
    const std::vector<std::string> lines = editor.ClassLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(70, 25), ColumnLine({{1, test.upgrade}}, 25));
  }

  // A type that is not flyable takes any text.
  form.PlaneTypeBox.UserChoose("Ju-87B-2");
  form.UpTypeBox.UserChoose("Typed by hand");
  form.DownTypeBox.UserChoose("random");
  EXPECT_EQ(upgrade_of(2), "Typed by hand");
  EXPECT_EQ(form.AircraftClassTable[2].ClassDowngrade, "random");
}

TEST(AircraftClassEditor, NothingIsStoredWhileNoTypeIsChosen) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  form.PlaneEditor.UserClick();

  form.PlaneTypeBox.UserChoose("Spitfire");
  EXPECT_EQ(form.UpTypeBox.Text, "Bf-109F-2");
  form.PSYearBox.UserChoose("1945");
  form.UpTypeBox.UserChoose("none");
  form.PFamilyBox.UserChoose("Bomber");
  form.GABox.UserChoose("4sc50");

  EXPECT_EQ(editor.world.program_folder.Read("data/class.tavrek"),
            ReferenceFixture("class.tavrek"));
  EXPECT_EQ(editor.world.program_folder.Read("data/payloads.tavrek"),
            ReferenceFixture("payloads.tavrek"));
  EXPECT_EQ(form.AircraftClassTable[0].ClassServiceStart, "193901");
  EXPECT_EQ(form.AircraftClassTable[0].Payload2, "1sc250");
  EXPECT_NE(form.ErrorText.find("\"Spitfire\" is no aircraft type; the change is not stored."),
            std::string::npos);
}

TEST(AircraftClassEditor, TypedTextsThatFitNoFieldKeepTheOldValues) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  form.PlaneEditor.UserClick();

  form.PFamilyBox.UserChoose("Airship");
  form.FlyableBox.Text = "Perhaps";
  form.PEMonthBox.Text = "13";
  form.PSYearBox.UserChoose("39");
  form.RangeBox.UserChoose("  333 km ");

  const AircraftClassEntry& entry = form.AircraftClassTable[0];
  EXPECT_EQ(entry.ClassFamily, "1");
  EXPECT_EQ(entry.ClassFlyable, "1");
  EXPECT_EQ(entry.ClassServiceStart, "193901");
  EXPECT_EQ(entry.ClassServiceEnd, "194112");
  EXPECT_EQ(entry.ClassRange, "333 km");
  const std::vector<std::string> lines = editor.ClassLines();
  EXPECT_EQ(lines[0].substr(47, 23), "de 2 1 1 193901 194112 ");
  EXPECT_EQ(lines[0].substr(164, 12), "333 km      ");
  for (const char* logged : {"\"Airship\" is no aircraft category", "\"Perhaps\" is neither",
                             "service start \"3901\" is no year and month; 193901 is kept.",
                             "service end \"194113\" is no year and month; 194112 is kept."}) {
    EXPECT_NE(form.ErrorText.find(logged), std::string::npos) << logged;
  }
}

TEST(AircraftClassEditor, WithoutAllPayloadsTheBoxesOfferTheFixedChoices) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  std::filesystem::remove(editor.world.program_folder.Path() + "data/allpayloads.tavrek");
  form.PlaneEditor.UserClick();
  form.PlaneTypeBox.UserChoose("Ju-87B-2");

  EXPECT_EQ(form.DPBox.Items, (Items{"default"}));
  EXPECT_EQ(form.AABox.Items, (Items{"none", "default"}));
  EXPECT_EQ(form.DPBox.Text, "1sc250_4sc50");
  EXPECT_EQ(form.GABox.Text, "1sc500_4sc50");
  EXPECT_EQ(form.AABox.Text, "none");
  EXPECT_EQ(form.ASBox.Text, "1sc500");
}

TEST(AircraftClassEditor, ADamagedFigureStopsTheEditorNamingTheFileLineAndType) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  std::vector<std::string> lines = FixtureLines("class.tavrek");
  lines[0][52] = 'x';  // the category of the first type
  editor.world.program_folder.Write("data/class.tavrek", JoinLinesCrLf(lines));
  try {
    form.PlaneEditor.UserClick();
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& error) {
    const std::string expected =
        "class.tavrek line 1 (Bf-109E-4): the category 'x' is not a valid integer value";
    EXPECT_EQ(error.what(), expected);
    EXPECT_NE(form.ErrorText.find(expected), std::string::npos);
  }
}

TEST(AircraftClassEditor, DoesNotOpenWithoutAClassFile) {
  EditorWorld editor;
  TMainForm& form = editor.form;
  std::filesystem::remove(editor.world.program_folder.Path() + "data/class.tavrek");
  try {
    form.PlaneEditor.UserClick();
    FAIL() << "no exception";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No class file found.\r\n");
  }
  EXPECT_FALSE(form.AircraftPanel.Visible);
  EXPECT_FALSE(std::filesystem::exists(editor.world.program_folder.Path() + "data/class.tavrek"));
}

}  // namespace
