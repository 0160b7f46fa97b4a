#pragma once

#include <string>

class TMainForm;

// Reference tables of the data folder.

// Where a reference file is read and written: the campaign data folder's copy when that folder
// is set and holds the file, otherwise the program's data folder (ProgramFolder + "data\").
std::string ReferenceFilePath(const TMainForm& form, const std::string& file_name);
// The same, for an optional file: empty when neither folder holds it.
std::string ExistingReferenceFile(const TMainForm& form, const std::string& file_name);

// armor.tavrek into ArmorTable; sets LastArmor.
void ArmorList(TMainForm& form);
// shipnames.tavrek into ShipNameTable.
void LoadShipInfo(TMainForm& form);
// gobjects.tavrek into GroundObjectTypeTable, availability for the current GameID.
void InitializeGroundUnits(TMainForm& form);
// The map's values: axis, area, nation codes, its section of maps.tavrek, season.
void MapList(TMainForm& form, const std::string& map_name);
// MapAxis from the built-in table of map edges.
void GetAxis(TMainForm& form, const std::string& map_name);
// MapDescription from the built-in table of map areas; an unlisted map keeps it.
void FindCampaignArea(TMainForm& form, const std::string& map_name);
// The battle's front-line object classes of fobjects.tavrek into FrontObjectTable.
void FrontObjects(TMainForm& form);
// The aircraft types the game installation holds (its skin folders) into ActivePlaneList.
void GetActivePlanes(TMainForm& form);
