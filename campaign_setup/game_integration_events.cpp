#include "campaign_setup/game_integration_events.h"

#include "app/main_form.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/game_edition.h"
#include "campaign_setup/game_editions.h"

namespace {

void SetDesign(TMainForm& form) {
  form.SetGamePath.Title = "Select IL-2/FB Game Path";
  form.SetGamePath.Filter = "IL-2 Game|*.exe";
  form.SetGamePath.DefaultExt = "il2.exe; il2fb.exe;il2server.exe";
  form.VersionBox.Items.clear();
  for (const GameEdition& edition : GameEditions()) {
    form.VersionBox.Items.emplace_back(edition.version_item);
  }
  form.VersionBox.Visible = false;
  form.VersionBox.Enabled = false;
  form.AutoGeneration.Caption = "Off-Line Career (Auto-Generation)";
  form.AutoGeneration.Hint = "For Single Player Career";
  form.DGENBoot.Caption = "Replace Career Generator (D&Gen)";
  form.Scoring.Caption = "&Auto On-Line Log";
  form.Scoring.Visible = false;
}

}  // namespace

void WireGameIntegration(TMainForm& form) {
  SetDesign(form);
  form.SetGamePath.OnCanClose = [&form](bool& can_close) { SetGamePathCanClose(form, can_close); };
  form.SelectIL2.OnClick = [&form] { SelectIL2Click(form); };
  form.TavrekSelect.OnClick = [&form] { TavrekSelectClick(form); };
  form.SetGameVersion.OnClick = [&form] { SetGameVersionNow(form); };
  form.VersionBox.OnChange = [&form] { VersionBoxChange(form); };
  form.VersionInfo.OnClick = [&form] { VersionInfoDisplay(form); };
  form.IL2Game.OnClick = [&form] { IL2GameClick(form); };
  form.GameButton.OnClick = [&form] { IL2GameClick(form); };
  form.AutoGeneration.OnClick = [&form] { AutoGenerationClickSender(form); };
  form.Coop.OnClick = [&form] { CoopClickSender(form); };
  form.Dogfight.OnClick = [&form] { DogfightClickSender(form); };
  form.DGENBoot.OnClick = [&form] { DGENToggle(form); };
}
