#include "campaign_setup/about_items.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "platform/file_system.h"

namespace {

constexpr const char* kWebsite = "https://tavrek.example.org/";
constexpr const char* kOnlineHelp = "https://tavrek.example.org/help/";

void OpenPage(TMainForm& form, const char* address) {
  if (!form.Platform.ShellService().Open(address, "", "")) {
    ErrorLog(form, std::string("The page ") + address + " could not be opened.");
  }
}

}  // namespace

void StatusBarClick(TMainForm& form) {
  const std::string& folder = form.StatusBar.SimpleText;
  if (folder.empty() || !DirectoryExists(folder)) return;
  if (!form.Platform.ShellService().Explore(folder)) {
    ErrorLog(form, "The folder " + folder + " could not be shown.");
  }
}

void ExitMainClick(TMainForm& form) {
  form.Close();
}

void InfoClick(TMainForm& form) {
  form.InfoLabel.Caption = "Tavrek, a campaign engine for IL-2 Sturmovik";
  form.DescLabel.Caption =
      "Written by the Tavrek developers.\r\nQuestions and reports: see the web site "
      "(About, Visit Website).";
}

void Website1Click(TMainForm& form) {
  OpenPage(form, kWebsite);
}

void OnlineDocumentationClick(TMainForm& form) {
  OpenPage(form, kOnlineHelp);
}

void WireAboutItems(TMainForm& form) {
  form.StatusBar.OnDblClick = [&form] { StatusBarClick(form); };
  form.ExitMain.OnClick = [&form] { ExitMainClick(form); };
  form.Info.OnClick = [&form] { InfoClick(form); };
  form.Website1.OnClick = [&form] { Website1Click(form); };
  form.OnlineDocumentation.OnClick = [&form] { OnlineDocumentationClick(form); };
}
