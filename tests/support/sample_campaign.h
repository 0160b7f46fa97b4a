#pragma once

#include <string>

#include "tests/support/test_world.h"

// The shipped sample: the Okinawa45 campaign (sample/campaign/Okinawa45/) on the sample game
// folder (sample/game/) with the program's reference data (data/).

// Source-tree folders of the sample, each ending in "/".
std::string SourceSampleCampaignFolder();
std::string SourceSampleGameFolder();

// Copies the reference data, the sample campaign and the sample game folder into the world's
// program folder (data/, campaign/Okinawa45/, game/), points the window's folders at the copies,
// sets the options that start-up sets and the sample's game edition ("1946"), and loads the
// message texts. No campaign table is loaded.
void InstallSample(TestWorld& world);

// Copies the reference data into the world's program folder and the sample campaign into
// `folder`, without touching the window: for tests that choose or start on a campaign.
void InstallSampleCampaignAt(const TestWorld& world, const std::string& folder);

// The copies InstallSample made, each ending in "/".
std::string SampleCampaignFolder(const TestWorld& world);
std::string SampleGameFolder(const TestWorld& world);
