#pragma once

#include <string>

#include "tests/support/test_world.h"

// The reference-data fixture (tests/fixtures/tables3/data/): a few aircraft types with their
// class, payload and all-payload lines, and small armour, ship-name, map and ground-object files.

// The bytes of one of its files.
std::string ReferenceFixture(const std::string& name);

// Places its files in the program folder's data/.
void InstallReferenceFixture(const TempFolder& program_folder);
void InstallReferenceFixture(const TestWorld& world);
