#include "campaign_setup/option_events.h"

#include "app/main_form.h"
#include "campaign_setup/about_items.h"
#include "campaign_setup/densities.h"
#include "campaign_setup/dogfight_link.h"
#include "campaign_setup/option_toggles.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/time_weather_options.h"

void WireOptionsAndDogfightLink(TMainForm& form) {
  WireOptionToggles(form);
  WireDensities(form);
  WireTimeWeatherOptions(form);
  WirePanels(form);
  WireDogfightLink(form);
  WireAboutItems(form);
}
