#include "mission_results/pilot_portraits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/picture.h"
#include "platform/text_file.h"

#include "tests/mission_results/editor_world.h"

namespace {

TEST(SteppedPortrait, NumbersRunRoundFromZeroToThirtyOne) {
  struct Case {
    std::string portrait;
    int step;
    std::string stepped;
  };
  const Case cases[] = {
      {"DGen\\RU1\\31", +1, "DGen\\RU1\\00"},
      {"DGen\\RU1\\00", -1, "DGen\\RU1\\31"},
      {"DGen\\US\\07", +1, "DGen\\US\\08"},
      {"DGen\\US\\07", -1, "DGen\\US\\06"},
      {"DGen\\US\\40", +1, "DGen\\US\\00"},
      {"DGen\\US\\40", -1, "DGen\\US\\00"},
      {"DGen\\Photo", +1, ""},
      {"dgen\\PHOTO", -1, ""},
      {"DGen\\aces\\pilot12", +1, ""},
      {"DGEN\\ACES\\x12", -1, ""},
      {"DGen\\US\\4x", +1, ""},
      {"7", +1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SteppedPortrait(c.portrait, c.step), c.stepped) << c.portrait << " " << c.step;
  }
}

TEST(PortraitOfFile, ThePathBelowTheGameFromItsDGenFolderOnWithoutExtension) {
  struct Case {
    std::string game;
    std::string chosen;
    std::string portrait;
  };
  const Case cases[] = {
      {"/games/il2/", "/games/il2/DGen/PL/12.bmp", "DGen\\PL\\12"},
      {"/games/il2/", "/games/il2/dgen/pl/12.BMP", "dgen\\pl\\12"},
      {"C:\\IL2\\", "C:\\IL2\\DGen\\aces\\ace01.bmp", "DGen\\aces\\ace01"},
      {"/home/dgen/il2/", "/home/dgen/il2/DGen/RU1/03.bmp", "DGen\\RU1\\03"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PortraitOfFile(c.game, c.chosen), c.portrait) << c.chosen;
  }
}

TEST(PortraitButtons, StepToTheNextPortraitTheGameHas) {
  EditorWorld w;
  w.Select(0, 4);  // "DGen\US\05"; the sample game has 01 to 05
  PilotListBoxDClick(w.form);
  RPicButtonClick(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterPhoto, "DGen\\US\\05") << "no 06: the portrait stays";
  RPicButtonClick(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterPhoto, "DGen\\US\\05");
  LPicButtonClick(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterPhoto, "DGen\\US\\04");
  EXPECT_EQ(w.form.PhotoLabel.Caption, "DGen\\US\\04.bmp");
  EXPECT_EQ(w.form.PilotPhoto.Picture.width, 64);

  w.Pilot(0, 4).RosterPhoto = "DGen\\Photo";
  RPicButtonClick(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterPhoto, "DGen\\Photo");
  w.Pilot(0, 4).RosterPhoto = "DGen\\US\\smith";
  LPicButtonClick(w.form);
  EXPECT_EQ(w.Pilot(0, 4).RosterPhoto, "DGen\\US\\smith");
  EXPECT_TRUE(w.Logged("The portrait DGen\\US\\smith ends in no number"));
}

TEST(OpenPilotPhotoCanClose, OnlyAPortraitOfTheGameFolderIsTaken) {
  EditorWorld w;
  w.Select(0, 2);
  PilotListBoxDClick(w.form);
  w.world.dialogs->ExpectOpenFile("", w.campaign.Path() + "pictures/me.bmp");
  PilotPhotoClick(w.form);
  EXPECT_EQ(w.Pilot(0, 2).RosterPhoto, "DGen\\US\\03");
  EXPECT_TRUE(w.Logged("is no portrait of the game folder; the portrait stays."));
  EXPECT_EQ(w.form.OpenPilotPhoto.InitialDir, w.form.GameFolder + "dgen");
  EXPECT_EQ(w.form.OpenPilotPhoto.Filter, "Pilot Photo|*.bmp");

  w.world.dialogs->ExpectOpenFile("", w.game.Path() + "dgen/us/01.bmp");
  PilotPhotoClick(w.form);
  EXPECT_EQ(w.Pilot(0, 2).RosterPhoto, "dgen\\us\\01");
  EXPECT_EQ(w.form.PhotoLabel.Caption, "dgen\\us\\01.bmp");
}

TEST(LoadPilotPhoto, APortraitThatIsNoPictureShowsTheNoPilotPictureAndIsLogged) {
  EditorWorld w;
  w.WriteGameFile("DGen/US/09.bmp", "this is no picture");
  w.Pilot(0, 6).RosterPhoto = "DGen\\US\\09";
  w.Select(0, 6);
  PilotListBoxDClick(w.form);
  EXPECT_TRUE(w.Logged("The portrait DGen\\US\\09.bmp cannot be shown"));
  EXPECT_NE(w.form.PilotPhoto.PictureFile.find("nopilot.bmp"), std::string::npos);
  EXPECT_EQ(w.form.PhotoLabel.Caption, "DGen\\US\\09.bmp");
  EXPECT_EQ(w.Pilot(0, 6).RosterPhoto, "DGen\\US\\09");

  // A missing portrait changes nothing of what the panel shows.
  w.Pilot(0, 6).RosterPhoto = "DGen\\US\\29";
  LoadPilotPhoto(w.form, 0, 6);
  EXPECT_EQ(w.form.PhotoLabel.Caption, "DGen\\US\\09.bmp");
}

TEST(ShippedPortraits, AreSmallJpegPictures) {
  namespace fs = std::filesystem;
  int portraits = 0;
  for (const std::string& folder :
       {SourceSampleGameFolder() + "DGen", std::string(TAVREK_SOURCE_DIR) + "/data/aces"}) {
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder)) {
      if (!file.is_regular_file()) continue;
      Bitmap picture;
      EXPECT_TRUE(DecodeJpeg(ReadFileBytes(file.path().string()), picture)) << file.path();
      EXPECT_EQ(picture.width, 64) << file.path();
      EXPECT_EQ(picture.height, 80) << file.path();
      ++portraits;
    }
  }
  EXPECT_EQ(portraits, 16);
}

}  // namespace
