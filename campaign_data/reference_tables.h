#pragma once

#include <string>

class TMainForm;

// Reference tables of the data folder.

void ArmorList(TMainForm& form);
void LoadShipInfo(TMainForm& form);
void InitializeGroundUnits(TMainForm& form);
void MapList(TMainForm& form, const std::string& map_name);
void FrontObjects(TMainForm& form);
