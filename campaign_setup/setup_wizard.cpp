#include "campaign_setup/setup_wizard.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/coop_generator.h"
#include "campaign_setup/densities.h"
#include "campaign_setup/panels.h"

namespace {

bool Yes(TMainForm& form, const std::string& title, const std::string& statement) {
  return form.Controls.DialogService().MessageBox(statement, title, MessageButtons::kYesNo) ==
         ModalResult::kYes;
}

// The density level (1 the sparsest) and the flights per squadron (0 for one flight).
struct Squadrons {
  int density = 1;
  int flights = 0;
};

Squadrons AskSquadrons(TMainForm& form) {
  Squadrons answer;
  const std::string title = "Squadron Density";
  if (Yes(form, title, "My computer can support more than 50 planes in a mission.")) {
    answer = {4, 2};
  } else if (Yes(form, title, "My computer can support more than 25 planes in a mission.")) {
    answer = {3, 1};
  } else if (Yes(form, title, "My computer can support more than 12 planes in a mission.")) {
    answer = {2, 0};
  }
  if (answer.flights > 0) {
    if (Yes(form, "Squadrons vs Flights",
            "I prefer a few large squadrons in action to many smaller ones.")) {
      answer = {answer.density - 1, answer.flights + 1};
    } else {
      answer = {answer.density + 1, answer.flights - 1};
    }
  }
  return answer;
}

std::string AskActionRadius(TMainForm& form) {
  if (Yes(form, "Action Radius", "I enjoy flying long distances.")) return "500 Kilometers";
  if (Yes(form, "Action Radius", "I prefer flying moderately long distances.")) {
    return "150 Kilometers";
  }
  return "50 Kilometers";
}

std::string AskBalance(TMainForm& form) {
  if (Yes(form, "Historical Balance", "I prefer historical numbers of aircraft on each side.")) {
    return "Default";
  }
  if (Yes(form, "Balanced Sides", "I prefer the sides to be balanced.")) return "Balanced";
  if (Yes(form, "Allied/Axis Advantage",
          "The Allieds should always have a numerical advantage in planes.")) {
    return "Allied Advantage";
  }
  return "Axis Advantage";
}

}  // namespace

void WizardMenuClick(TMainForm& form) {
  form.ActionRadius.Text = "50 Kilometers";
  CleanUpPanels(form);
  form.InfoLabel.Caption = "Tavrek Set Up Wizard";
  form.DescLabel.Caption =
      "This simple point and click wizard will help you set up Tavrek quickly and easily.\r\n"
      "Just answer the questions and Tavrek will do the rest.";
  form.MissionButton.Visible = false;
  form.Controls.DialogService().MessageBox(
      "This simple point and click wizard will help you set up Tavrek quickly\r\n"
      "and easily.  Just answer the questions and Tavrek will do the rest.",
      "Tavrek Set Up Wizard", MessageButtons::kOk);

  const Squadrons squadrons = AskSquadrons(form);
  form.ActionRadius.Text = AskActionRadius(form);
  form.BalanceBox.Text = AskBalance(form);
  if (!form.DGENBoot.Checked) DGENToggle(form);
  if (!form.NGenBoot.Checked) NGenToggle(form);
  form.SquadronDensity.SetItemIndex(5 - squadrons.density);
  form.FlightBox.SetItemIndex(squadrons.flights);

  WriteIni(form);
  ReadIni(form);
  DGenReplacement(form);
  NGenReplacement(form);
  // The density chosen counts from now on, not only from the next start.
  SquadronDensityChangeSender(form);
  form.MissionButton.Visible = true;
  form.InfoLabel.Caption = "Tavrek Set Up Wizard";
  form.DescLabel.Caption = "The wizard has configured settings to suit your preferences.";
}
