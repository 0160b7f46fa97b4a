// The paint controls of the squadron and pilot editors driven through the terminal front end:
// a chosen skin or nose art is shown as a picture, and the choices reach the campaign files.

#include <gtest/gtest.h>

#include <string>

#include "campaign_setup/nose_art.h"
#include "campaign_setup/paints.h"
#include "platform/file_system.h"
#include "tests/campaign_setup/paint_world.h"
#include "tests/mission_generation/terminal_session.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(SkinPreview, TheSquadronEditorShowsTheChosenSkinAndAppliesItToItsAircraft) {
  PaintWorld w;
  w.WriteSkin("F4U-1C", "VMF-311.bmp");
  w.WriteAllPaints("F4U1C=1Sea.bmp/1Snow.bmp\r\n");
  w.form.SquadBox.Items = {"VMF_311", "VMF_312", "VMTB_232"};
  w.form.SquadBox.Text = "VMF_311";
  SkinBoxList(w.form);
  ASSERT_EQ(w.form.SkinBox.Items, (std::vector<std::string>{"default.bmp", "VMF-311.bmp"}));
  w.form.QEPanel.Visible = true;  // the squadron editor is open on VMF_311

  TerminalSession session(w.world);
  const std::string shown = session.Run(
      "choose SkinBox VMF-311.bmp\n"
      "choose SqMark No\n"
      "click UniformButton\n"
      "show\n");
  EXPECT_TRUE(Holds(shown, "SkinImage  picture ")) << shown;
  EXPECT_TRUE(Holds(shown, "VMF-311.bmp (2x3)")) << shown;
  EXPECT_EQ(w.Squadron(0).SquadronSkin, "VMF-311.bmp");
  EXPECT_EQ(w.Squadron(0).SquadronMarkings, "0");
  EXPECT_EQ(w.Squadron(1).SquadronSkin, "VMF-311.bmp") << "the other Corsair squadron";
  EXPECT_EQ(w.Pilot(1, 12).RosterSkin, "0VMF-311.bmp");
  EXPECT_EQ(w.Squadron(2).SquadronSkin, "default.bmp") << "the Avengers keep theirs";
  EXPECT_EQ(w.AllPaints(), "F4U1C=0VMF-311.bmp/1Snow.bmp\r\n");
  EXPECT_TRUE(Holds(w.campaign.Read("paints.tavrek"), "  0VMF-311.bmp\r\n"));
}

class PilotPaintPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    w.WriteSkin("F4U-1C", "Personal.bmp");
    w.game.Write("PaintSchemes/Skins/F4U-1C/Broken.bmp", "BM no picture here");
    w.world.program_folder.Write("nopicture.bmp", PaintWorld::TinyBitmap(4, 4));
    w.WriteNoseArt("Dolly.bmp");
    w.form.SquadBox.Items = {"VMF_311", "VMF_312", "VMTB_232"};
    w.form.SquadBox.Text = "VMTB_232";
    w.form.PilotListBox.Items = std::vector<std::string>(16, "pilot");
    w.form.PilotListBox.ItemIndex = 4;
    w.form.PilotPanel.Visible = true;
    w.form.PilotPanel.Enabled = true;
    PaintBoxSetup(w.form);
    NoseArtBoxSetup(w.form);
  }
  PaintWorld w;
};

TEST_F(PilotPaintPreview, ThePilotsSkinAndNoseArtAreShownAndAMissingSkinShowsNoPicture) {
  w.WriteSkin("TBF-1C", "Personal.bmp");
  PaintBoxSetup(w.form);
  w.form.PaintBox.Items.push_back("Gone.bmp");  // listed while the game still had it
  TerminalSession session(w.world);
  const std::string shown = session.Run(
      "choose PaintBox Personal.bmp\n"
      "choose NoseArtBox Dolly.bmp\n"
      "choose MarkBox No\n"
      "choose PaintBox Gone.bmp\n");
  EXPECT_TRUE(Holds(shown, "Personal.bmp (2x3)")) << shown;
  EXPECT_TRUE(Holds(shown, "Dolly.bmp (3x2)")) << shown;
  EXPECT_TRUE(Holds(shown, "nopicture.bmp (4x4)")) << shown;
  EXPECT_EQ(w.Pilot(2, 4).RosterNoseArt, "Dolly.bmp");
  // The markings chosen stay with the next skin; the choice is kept though its file is gone.
  EXPECT_EQ(w.Pilot(2, 4).RosterSkin, "0Gone.bmp");
  EXPECT_FALSE(w.form.NoseArtImage.Visible) << "the skin preview takes the nose art's place";
}

TEST_F(PilotPaintPreview, ASkinNeitherFormOfWhichIsAPictureIsReportedAndLeavesTheRepairedCopy) {
  w.form.SquadBox.Text = "VMF_311";
  PaintBoxSetup(w.form);
  w.world.dialogs->ExpectMessage("Not a picture", ModalResult::kOk);
  TerminalSession session(w.world);
  const std::string shown = session.Run("choose PaintBox Broken.bmp\n");
  EXPECT_TRUE(w.world.dialogs->AllAnswered()) << shown;
  EXPECT_EQ(w.Pilot(0, 4).RosterSkin, "1Broken.bmp");
  const std::string repaired = ReadFileBytes(w.form.ProgramFolder + "bmp.bmp");
  EXPECT_EQ(repaired.size(), std::string("BM no picture here").size() - 2);
}

}  // namespace
