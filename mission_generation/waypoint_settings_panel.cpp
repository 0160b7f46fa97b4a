#include "mission_generation/waypoint_settings_panel.h"

#include <initializer_list>
#include <string>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/panels.h"
#include "platform/errors.h"

namespace {

constexpr int kIngressBeyondInitialPoint = 2500;

void ResetWithoutUnit(std::initializer_list<TComboBox*> boxes, const std::string& unit,
                      const std::string& fallback, const std::string& also_kept = "") {
  for (TComboBox* box : boxes) {
    if (Contains(box->Text, unit)) continue;
    if (!also_kept.empty() && box->Text == also_kept) continue;
    box->Text = fallback;
  }
}

void RepairUnits(TMainForm& form) {
  ResetWithoutUnit({&form.IPOffsetBox, &form.TgtIngressOffsetBox, &form.TakeOffStepAltBox},
                   " Meters", "Default");
  ResetWithoutUnit({&form.TransitAltBox, &form.GAltitudeBox, &form.RAltitudeBox}, " Meters",
                   "Default", "Random");
  ResetWithoutUnit({&form.CruiseBox, &form.IngressBox}, " kph", "Default");
  ResetWithoutUnit({&form.TgtIngressAltBox, &form.IPAltBox, &form.TgtAltBox, &form.TgtEgressAltBox},
                   " Meters", "Transit Altitude");
}

// Metres before the first blank ("3000 Meters" holds 3000).
int OffsetMetres(const std::string& text) {
  return StrToInt(text.substr(0, text.find(' ')));
}

// The target-ingress point lies beyond the initial point.
void OrderOffsets(TMainForm& form) {
  if (form.IPOffsetBox.Text == "Default" || form.TgtIngressOffsetBox.Text == "Default") return;
  try {
    const int initial_point = OffsetMetres(form.IPOffsetBox.Text);
    const int ingress = OffsetMetres(form.TgtIngressOffsetBox.Text);
    if (ingress <= initial_point) {
      form.TgtIngressOffsetBox.Text =
          IntToStr(static_cast<long long>(initial_point) + kIngressBeyondInitialPoint) + " Meters";
    }
  } catch (const ConversionError&) {
    form.IPOffsetBox.Text = "Default";
    form.TgtIngressOffsetBox.Text = "Default";
  }
}

}  // namespace

void WireWaypointSettingsPanel(TMainForm& form) {
  form.WayPanel.Visible = false;
  form.WayPanel.Enabled = false;
  form.WaypointEditor.OnClick = [&form] { WaypointEditorClick(form); };
  form.WayButton.OnClick = [&form] { WaypointEditorClick(form); };
  for (TComboBox* box :
       {&form.TgtIngressAltBox, &form.IPAltBox, &form.TgtEgressAltBox, &form.TgtAltBox,
        &form.IPOffsetBox, &form.TgtIngressOffsetBox, &form.TakeOffStepAltBox, &form.CruiseBox,
        &form.TransitAltBox, &form.IngressBox, &form.GAltitudeBox, &form.RAltitudeBox}) {
    box->OnChange = [&form] { AltitudeBoxChange(form); };
  }
  form.RadioBox.OnChange = [&form] { RadioBoxChange(form); };
  form.TOCircle.OnChange = [&form] { TOCircleChange(form); };
  form.IECoordinates.OnChange = [&form] { TOCircleChange(form); };
}

void WaypointEditorClick(TMainForm& form) {
  CleanUpPanels(form);
  CleanUpCampChk(form);
  form.InfoLabel.Caption = "Waypoint Settings Panel";
  form.DescLabel.Caption =
      "The settings for all squadrons are on the left.\r\n"
      "The settings for the player's squadron are on the right.";
  form.WayPanel.Visible = true;
  form.WayPanel.Enabled = true;
}

void AltitudeBoxChange(TMainForm& form) {
  RepairUnits(form);
  OrderOffsets(form);
  WriteIni(form);
}

void RadioBoxChange(TMainForm& form) {
  WriteIni(form);
}

void TOCircleChange(TMainForm& form) {
  WriteIni(form);
}
