#include "mission_generation/mission_preference.h"

#include "app/main_form.h"

int PlayerPreference(const TMainForm& form) {
  const int item = form.MissionRadio.ItemIndex;
  return item >= kPreferRandom && item <= kPreferFactoryAttack ? item : kPreferRandom;
}
