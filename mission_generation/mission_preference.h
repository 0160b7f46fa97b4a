#pragma once

class TMainForm;

// The kind of mission the player asks for in the custom mission panel: the item index of
// MissionRadio.
enum MissionPreference : int {
  kPreferRandom = 0,
  kPreferBridgeAttack = 1,
  kPreferBridgeDefense = 2,
  kPreferDefense = 3,
  kPreferEscort = 4,
  kPreferGroundAttack = 5,
  kPreferIntercept = 6,
  kPreferShippingStrike = 7,
  kPreferTankBusting = 8,
  kPreferTrainBusting = 9,
  kPreferTruckBusting = 10,
  kPreferSweepRecon = 11,
  kPreferAirSuperiority = 12,
  kPreferAirfieldAttack = 13,
  kPreferFactoryAttack = 14,
};

// The preference chosen; "Random" when no item is.
int PlayerPreference(const TMainForm& form);
