#include "campaign_data/builtin_error_texts.h"

const std::array<std::string_view, kBuiltInErrorTextCount>& BuiltInErrorTexts() {
  static constexpr std::array<std::string_view, kBuiltInErrorTextCount> kTexts{
      "The front line could not be found on this map. The campaign cannot go on.",
      "The map's route files give a single location; a campaign needs more than one.",
      "",
      "No rail route file (.rls) was found for this map. Trains cannot move.",
      "No sea route file (.srd) was found for this map. Ships cannot move.",
      "The campaign file names no map. Please select or create another campaign.",
      "Your squadron's aircraft cannot be flown by the player. The campaign has ended.",
      "The program folder must be the folder that holds tavrek.exe. Please select it again.",
      "The aircraft <PLANE> of squadron <SQUAD> is not installed in the game; the squadron "
      "gets another aircraft type.",
      "",
      "Your squadron has no home base. Please choose a base for it in the squadron editor.",
      "Please create or select a campaign before continuing.",
      "Warning: The active campaign is for \"Full Auto-Generation Mode\". Please activate "
      "Tavrek's Full Auto-Generation Mode or select another campaign before generating a "
      "mission.",
      "Warning: The active campaign is for \"Coop Campaign Mode\". Please activate Tavrek's Coop "
      "Campaign mode or select another campaign before generating a mission.",
      "Warning: A Career Mode Campaign must be selected in IL-2 \"Forgotten Battles\" before "
      "generating any missions when Tavrek is in Full Auto-Generation Mode. That or disable "
      "the DGen Replacement option.",
      "This nationality/service is not active in game. Please select a different "
      "nationality/service.",
      "Your squadron's new aircraft cannot be flown by the player. Please choose a flyable "
      "aircraft type.",
      "This base does not suit the squadron: seaplanes need a water base, other aircraft a "
      "land base.",
      "Another squadron already has this name. Please choose a different name.",
      "New campaigns cannot be created in Off-Line Career mode while the game's career "
      "generator is not replaced. Switch on the career generator replacement or choose another "
      "mode.",
      "Warning: The campaign create option is not for the \"In-Game Replacement\" option. Create "
      "a new career using the Multiplayer Campaign Mode in \"Forgotten Battles\".",
      "Another ground unit already has this name. Please choose a different name.",
      "A campaign cannot be exported into its own folder.",
      "Only on-line co-op campaigns (without the co-op generator replacement) and dogfight "
      "campaigns can be exported.",
  };
  return kTexts;
}
