#include "mission_generation/waypoint_settings.h"

#include <string>
#include <string_view>

#include "campaign_data/text.h"
#include "platform/controls.h"

namespace {

std::optional<int> PositiveNumber(std::string_view text) {
  const int value = StrToIntDef(Trim(text), 0);
  if (value <= 0) return std::nullopt;
  return value;
}

std::optional<int> BoxNumber(const TComboBox& box, std::string_view default_item,
                             std::string_view number_text) {
  if (box.Text == default_item) return std::nullopt;
  return PositiveNumber(number_text);
}

}  // namespace

std::optional<int> OffsetBoxMetres(const TComboBox& box) {
  const std::string& text = box.Text;
  return BoxNumber(box, "Default", std::string_view(text).substr(0, text.find(' ')));
}

std::optional<int> AltitudeBoxMetres(const TComboBox& box) {
  return BoxNumber(box, "Transit Altitude", Copy(box.Text, 1, 4));
}

std::optional<int> ClimbStepBoxMetres(const TComboBox& box) {
  return BoxNumber(box, "Default", Copy(box.Text, 1, 3));
}
