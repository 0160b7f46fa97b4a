#include "campaign_progression/column_routes.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_progression/column_routing.h"
#include "campaign_progression/dogfight_ground_objects.h"

ColumnRouting::ColumnRouting(TMainForm& form)
    : form_(form), places_(CurrentPlaces(form)), routes_(form) {}

void ColumnRoads(TMainForm& form) {
  ErrorLog(form, "Creating column paths.");
  ColumnRouting routing(form);
  routing.RetreatsAndSeizures();
  routing.ChooseDestinations();
  routing.LimitMovesAndReadRoutes();
  ErrorLog(form, "Offset armor's first waypoint.");
  routing.SpreadArmour();
  ErrorLog(form, "Check/Fix Distance between waypoints.");
  routing.StretchShortRoutes();
  ErrorLog(form, "Set up static tank/artillery columns.");
  DogfightColumns(form);
  routing.BuildMissionSections();
}
