#pragma once

class TMainForm;
struct CampaignListEntry;

// Who holds each map location when a campaign starts, from its section of the campaign list:
// the side line gives every place to one side and the Locale places to the other; the zones
// and the two further places have fixed owners; the front centre is contested with 50 troops
// of each side; held places start with 20 troops of their owner (50 Axis troops on the
// island maps of the Pacific). Sets the front centre's index and position.
void SetStartTerritory(TMainForm& form, const CampaignListEntry& entry);
