#pragma once

#include <array>
#include <memory>
#include <string>

#include "campaign_data/aircraft_class_table.h"
#include "campaign_data/column_table.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/fixed_table.h"
#include "campaign_data/location_table.h"
#include "campaign_data/message_table.h"
#include "campaign_data/reference_data_tables.h"
#include "campaign_data/squadron_table.h"
#include "campaign_data/stationary_table.h"
#include "platform/extended_file.h"
#include "platform/file_read_cache.h"
#include "platform/folder_cache.h"
#include "platform/folder_lock.h"

// The campaign tables, the campaign record and the settings that live outside the controls.
struct CampaignDataState {
  // Tables and their last-used indexes (-1: not loaded; the next operation reloads the file).
  SquadronTableType SquadronTable;
  LocationTableType LocationTable;
  StationaryObjectTableType StationaryObjectTable;
  ColumnTableType ColumnTable;
  AircraftClassTableType AircraftClassTable;
  int LastSquadron = -1;
  int LastStationary = -1;
  int LastLocation = -1;
  int LastColumn = -1;
  int LastAircraftClass = -1;
  int LastActivePlane = -1;
  int LastArmor = -1;
  int LastScratchLocation = -1;
  // Name look-ups kept beside their tables (table_lookups.h); they follow every change.
  LocationNameIndex LocationNames;
  ColumnUnitNameIndex ColumnUnitNames;

  MessageTable Messages;
  // Reference and campaign files read once per operation (FileReadScope).
  FileReadCache FileReads;
  // What path look-ups learnt of the folders, kept while an operation runs (FolderCacheScope).
  FolderCache Folders;

  // Run state.
  int DayStep = 0;        // days this run advances the date; the batch driver's verdict before that
  std::string ErrorText;  // the run log of this run
  bool RunLogWriteFailed = false;
  int FatalErrorCount = 0;  // fatal errors reported by ErrorTrap in this process
  // The run-log file last written, kept open; while it still holds ErrorText (and its closing
  // CR LF) it is extended line by line instead of being written whole.
  ExtendedFile RunLogFile;
  std::string ErrorWarning;  // a pending campaign-end or stop message
  std::string CampaignEnded;
  int PlayerRankIndex = -1;
  int InitialStationary = -1;
  std::array<int, 2> DeployDistance{1750, 1750};
  std::array<int, 3> TaskForceSpeed{16, 16, 16};

  // Folders (PathSettings); each ends in a separator when set.
  std::string ProgramFolder;
  std::string CampaignFolder;
  std::string GameFolder;
  std::string DataFilesFolder;
  std::string CampaignDataFolder;
  std::string GameCampaignFolder;
  std::string BackupFolder;

  // Settings outside the controls (IniSettings).
  int ActionRadiusKm = 250;
  int FlightsPerSquadron = 2;
  std::string LogFileDate;
  std::string LogFileName;  // the game's event log, relative to GameFolder; "None" when not found
  std::string Language = "English";
  std::string GameID;
  std::string GameIncludesAEP = "False";
  std::string ServerActive = "False";
  std::string NewCampaignFlag = "N";
  int BugOutRadius = 10;
  std::array<std::string, 3> SupplyRate{"", "1/Squadron/Day", "1/Squadron/Day"};

  // Campaign record (campaign.tavrek).
  std::string CampaignType;
  std::string BattleName;
  std::string MapName;
  std::string FrontCenterName;
  std::string DeZoneText;
  std::string RuZoneText;
  std::string DeTrigger = "None";
  std::string RuTrigger = "None";
  std::string DeDestroyTrigger = "None";
  std::string RuDestroyTrigger = "None";
  std::string DeSunkTrigger = "None";
  std::string RuSunkTrigger = "None";
  int DeDestroyCount = 100;
  int RuDestroyCount = 100;
  int DeSunkCount = 100;
  int RuSunkCount = 100;
  std::string MissionTime;
  std::string CampaignDateText;
  int CampaignDay = 0;
  int CampaignMonth = 0;
  int CampaignYear = 0;
  std::string EndDate;
  std::string EndDateVictor;
  std::array<int, 3> ReconCount{0, 0, 0};  // entry 1 Allied, entry 2 Axis
  int CurrentConditions = 0;               // the weather state of the campaign

  // The map's front centre and named places (route files).
  int FrontCenterIndex = -1;
  std::string FrontCenterPosition;
  int FrontCenterCoord = -1;
  std::string TargetPosition;

  // Read by the map-position geometry.
  bool NormandyBaseOption = false;  // the British bases of Normandy count as on the map

  // Reference tables of the data folder (armor, ships, ground objects, front objects, the
  // installed aircraft) and the current map's values (maps.tavrek and the built-in map tables).
  ArmorTableType ArmorTable;
  ShipNameTableType ShipNameTable;
  GroundObjectTypeTableType GroundObjectTypeTable;
  FrontObjectTableType FrontObjectTable;
  ActivePlaneListType ActivePlaneList;
  std::string MapLoadPath = "None";
  std::string MapTitle;
  std::string MapAxis = "West";  // the map edge of the Axis side
  int AlliedID = 0;
  int AxisID = 1;
  std::string MapDescription;
  std::string MapSeason = "Summer";

  // The files the tables were loaded from, each with what its read found wrong, so that a save
  // over a damaged file keeps the original first.
  LoadedFile SquadronFileRead;
  LoadedFile AircraftClassFileRead;
  LoadedFile PayloadFileRead;
  LoadedFile StationaryFileRead;
  LoadedFile ColumnFileRead;
  LoadedFile CampaignFileRead;
  LoadedFile SettingsFileRead;
  // Line 6 of the squadron blocks as last read: skins ("1default.bmp") or, in the oldest
  // edition, weapons; and the edition in force at that read. A save keeps the layout read
  // unless the edition has changed since.
  enum class SquadronLayout { kUnknown, kSkins, kWeapons };
  SquadronLayout SquadronFileLayout = SquadronLayout::kUnknown;
  std::string SquadronFileEdition;

  // Start-up and the settings file.
  std::string FBDaemonFolder;            // folder of the dogfight-server tool
  bool ProgramFolderDialogOpen = false;  // a save is asking the user for the program folder
  // This run's claim on the program folder; ProgramFolderInUse: another copy holds it, so this
  // run writes nothing there.
  std::unique_ptr<FolderLock> ProgramFolderLock;
  bool ProgramFolderInUse = false;

  // Locations, static objects and ground columns: what the map's route files, stationary.tavrek
  // and columns.tavrek leave beside their tables.
  std::string AxisRailEntry;    // rail location where army "2" trains enter the map
  std::string AxisShipEntry;    // sea location where army "2" ships enter the map
  std::string AlliedRailEntry;  // the same for army "1"
  std::string AlliedShipEntry;
  // The map's two patrol areas, 12 entries each (army "1" first): name, unused, patrol points
  // 1 to 4 as x, y pairs of whole-metre text, the reference point.
  std::array<std::string, 24> PatrolText;
  // Per route point of the last route built: "Y" for a point whose height field holds "-".
  FixedTable<std::string, kColumnRouteCapacity> RoutePointMark;
  // Read by the column loader, filled by the oil supplies of the ground war.
  std::array<int, 2> ReinforcementChance{0, 0};  // whole percent, army "1" and army "2"
};
