#pragma once

#include "platform/controls.h"

// Every control of the main window, under its own name. The program reads and writes the
// settings through them, so their state is the settings' state while the program runs.
struct MainWindowControls {
  MainWindowControls(EventLoop& loop, Dialogs& dialogs) : Controls(loop, dialogs) {
    PilotPanel.Visible = false;
    PilotPanel.Enabled = false;
    NewCampBox.Visible = false;
    CampStartButton.Visible = false;
    QEPanel.Visible = false;
  }

  ControlRegistry Controls;  // first: every control below registers with it

  // Menu bar.
  TMenuItem FilesMenu{Controls, "FilesMenu", nullptr, "&Files"};
  TMenuItem EditMenu{Controls, "EditMenu", nullptr, "&Edit"};
  TMenuItem RunMenu{Controls, "RunMenu", nullptr, "&Run"};
  TMenuItem OptionsMenu{Controls, "OptionsMenu", nullptr, "&Options"};
  TMenuItem ModeMenu{Controls, "ModeMenu", nullptr, "&Mode"};
  TMenuItem LanguageMenu{Controls, "LanguageMenu", nullptr, "&Language"};
  TMenuItem AboutMenu{Controls, "AboutMenu", nullptr, "&About"};

  // Files menu.
  TMenuItem SelectCampPath{Controls, "SelectCampPath", &FilesMenu, "&Select Campaign"};
  TMenuItem ThirdPartyPathMenu{Controls, "ThirdPartyPathMenu", &FilesMenu,
                               "Optional &Third Party Data Folder"};

  // Edit menu.
  TMenuItem PlaneEditor{Controls, "PlaneEditor", &EditMenu, "&Aircraft Class Settings"};
  TMenuItem ColumnWaypointCheck{Controls, "ColumnWaypointCheck", &EditMenu,
                                "&Column Waypoint Check"};

  // Run menu.
  TMenuItem GMMenu{Controls, "GMMenu", &RunMenu, "Generate &Mission"};

  // Options menu: check items kept in tavrek.ini.
  TMenuItem MassedBombers{Controls, "MassedBombers", &OptionsMenu, "Massed Bombers"};
  TMenuItem FrontMovement{Controls, "FrontMovement", &OptionsMenu, "Front Movement"};
  TMenuItem Primary{Controls, "Primary", &OptionsMenu, "Primary Objectives"};
  TMenuItem DSTimes{Controls, "DSTimes", &OptionsMenu, "Delayed Start Times"};
  TMenuItem Paras{Controls, "Paras", &OptionsMenu, "Paratroopers and AI Chutes"};
  TMenuItem Briefing{Controls, "Briefing", &OptionsMenu, "On-Line Briefing"};
  TMenuItem HistDates{Controls, "HistDates", &OptionsMenu, "Historical Production Dates"};
  TMenuItem Tracking{Controls, "Tracking", &OptionsMenu, "Track Plane Losses"};
  TMenuItem NoTransfers{Controls, "NoTransfers", &OptionsMenu, "No Transfers"};
  TMenuItem TankDG{Controls, "TankDG", &OptionsMenu, "Tank Downgrades"};
  TMenuItem NormandyBase{Controls, "NormandyBase", &OptionsMenu, "Normandy British Base"};
  TMenuItem Death{Controls, "Death", &OptionsMenu, "Stats Reset on Death"};
  TMenuItem AirStarts{Controls, "AirStarts", &OptionsMenu, "Air Starts"};
  TMenuItem SingleMapCampaign{Controls, "SingleMapCampaign", &OptionsMenu, "Single Map Campaign"};
  TMenuItem PalmTrees{Controls, "PalmTrees", &OptionsMenu, "Island Palm Trees"};
  TMenuItem TrackPlayerRanks{Controls, "TrackPlayerRanks", &OptionsMenu, "Track On-Line Players"};
  TMenuItem AircraftDowngrades{Controls, "AircraftDowngrades", &OptionsMenu, "Aircraft Downgrades"};
  TMenuItem LinkMax{Controls, "LinkMax", &OptionsMenu, "Link Maximums to Flights/Squadron"};
  TMenuItem ShipSunk{Controls, "ShipSunk", &OptionsMenu, "Ships Remain Sunk"};
  TMenuItem ActiveFront{Controls, "ActiveFront", &OptionsMenu, "Active Front"};
  TMenuItem SquadronManagement{Controls, "SquadronManagement", &OptionsMenu, "Squadron Management"};
  TMenuItem FixedStartDates{Controls, "FixedStartDates", &OptionsMenu,
                            "Fixed Start Dates/Squadrons"};
  TMenuItem RandomNoseArt{Controls, "RandomNoseArt", &OptionsMenu, "Random Nose Art"};

  // Mode menu.
  TMenuItem AutoGeneration{Controls, "AutoGeneration", &ModeMenu, "Off-Line &Career"};
  TMenuItem Coop{Controls, "Coop", &ModeMenu, "On-Line &Co-op"};
  TMenuItem Dogfight{Controls, "Dogfight", &ModeMenu, "On-Line &Dogfight"};
  TMenuItem CopyMission{Controls, "CopyMission", &ModeMenu, "Save Copy of &Mission"};
  TMenuItem DGENBoot{Controls, "DGENBoot", &ModeMenu, "Replace Career Generator"};
  TMenuItem NGenBoot{Controls, "NGenBoot", &ModeMenu, "Replace Co-op Generator"};
  TMenuItem Scoring{Controls, "Scoring", &ModeMenu, "Scoring"};

  // Language menu: one radio group.
  TMenuItem EnglishSupport{Controls, "EnglishSupport", &LanguageMenu, "English"};
  TMenuItem FrenchSupport{Controls, "FrenchSupport", &LanguageMenu, "French"};
  TMenuItem PolishSupport{Controls, "PolishSupport", &LanguageMenu, "Polish"};
  TMenuItem CzechSupport{Controls, "CzechSupport", &LanguageMenu, "Czech"};
  TMenuItem ItalianSupport{Controls, "ItalianSupport", &LanguageMenu, "Italian"};
  TMenuItem GermanSupport{Controls, "GermanSupport", &LanguageMenu, "German"};
  TMenuItem SpanishSupport{Controls, "SpanishSupport", &LanguageMenu, "Spanish"};
  TMenuItem RussianSupport{Controls, "RussianSupport", &LanguageMenu, "Russian"};

  // Tool bar, labels, pictures, status bar, timer.
  TButton CampButton{Controls, "CampButton", nullptr, "Campaign"};
  TButton AirClass{Controls, "AirClass", nullptr, "Aircraft Settings"};
  TButton MissionButton{Controls, "MissionButton", nullptr, "Generate Mission"};
  TLabel InfoLabel{Controls, "InfoLabel"};
  TLabel DescLabel{Controls, "DescLabel"};
  TLabel Debrief{Controls, "Debrief"};
  TLabel Events{Controls, "Events"};
  TImage CImage{Controls, "CImage"};
  TImage SkinImage{Controls, "SkinImage"};
  TStatusBar StatusBar{Controls, "StatusBar"};
  TTimer TimeOutTimer{Controls, "TimeOutTimer"};

  // File dialogs.
  TOpenDialog SetMainPath{Controls, "SetMainPath"};
  TOpenDialog SetCampPath{Controls, "SetCampPath"};
  TOpenDialog Set3rdPartyPath{Controls, "Set3rdPartyPath"};
  TOpenDialog SetGamePath{Controls, "SetGamePath"};

  // Settings kept in tavrek.ini.
  TComboBox FlightBox{Controls, "FlightBox"};
  TComboBox DeSchwarm{Controls, "DeSchwarm"};
  TComboBox RuSchwarm{Controls, "RuSchwarm"};
  TComboBox BASchwarm{Controls, "BASchwarm"};
  TComboBox SquadronDensity{Controls, "SquadronDensity"};
  TComboBox ColumnDensity{Controls, "ColumnDensity"};
  TComboBox SObjectD{Controls, "SObjectD"};
  TComboBox GenSkillBox{Controls, "GenSkillBox"};
  TComboBox ActionRadius{Controls, "ActionRadius"};
  TComboBox FBDActiveBox{Controls, "FBDActiveBox"};
  TComboBox SCUseBox{Controls, "SCUseBox"};
  TComboBox SCPlaneLimitBox{Controls, "SCPlaneLimitBox"};
  TComboBox SCTimeLimitBox{Controls, "SCTimeLimitBox"};
  TComboBox RoFBox{Controls, "RoFBox"};
  TComboBox DDRoFBox{Controls, "DDRoFBox"};
  TComboBox DeShipSkillBox{Controls, "DeShipSkillBox"};
  TComboBox RuShipSkillBox{Controls, "RuShipSkillBox"};
  TComboBox BridgeRepairTimeBox{Controls, "BridgeRepairTimeBox"};
  TComboBox TimeSettingsBox{Controls, "TimeSettingsBox"};
  TComboBox BalanceBox{Controls, "BalanceBox"};
  TComboBox StaticPlaneCountBox{Controls, "StaticPlaneCountBox"};
  TComboBox VoteLevelBox{Controls, "VoteLevelBox"};
  TComboBox DayNightBox{Controls, "DayNightBox"};
  TComboBox DefaultNation{Controls, "DefaultNation"};
  TEdit ServerInfo{Controls, "ServerInfo"};
  TTrackBar BornPlaceTrackBar{Controls, "BornPlaceTrackBar"};

  // Dogfight-server settings kept in tavrekfbd.ini.
  TComboBox FBDTimeBox{Controls, "FBDTimeBox"};
  TComboBox Escape{Controls, "Escape"};
  TComboBox NumObjBox{Controls, "NumObjBox"};
  TComboBox FBMultiplier{Controls, "FBMultiplier"};

  // Campaign preferences kept in campaign.tavrek.
  TComboBox STimeBox{Controls, "STimeBox"};
  TComboBox ETimeBox{Controls, "ETimeBox"};
  TComboBox BWeatherBox{Controls, "BWeatherBox"};
  TComboBox WWeatherBox{Controls, "WWeatherBox"};
  TComboBox HCloudBox{Controls, "HCloudBox"};
  TComboBox InterceptBox{Controls, "InterceptBox"};
  TComboBox FuelBox{Controls, "FuelBox"};
  TComboBox BriefSoundBox{Controls, "BriefSoundBox"};
  // The ground war editor (GroundPanel) holds the troop cap, the supply and oil bonuses and
  // the campaign date.
  TPanel GroundPanel{Controls, "GroundPanel", nullptr, "Ground War Editor"};
  TLabel TroopBoxLabel{Controls, "TroopBoxLabel", &GroundPanel, "Maximum Troop Number"};
  TComboBox TroopBox{Controls, "TroopBox", &GroundPanel};
  TLabel DeSupplyBoxLabel{Controls, "DeSupplyBoxLabel", &GroundPanel, "Axis Supply Bonus"};
  TComboBox DeSupplyBox{Controls, "DeSupplyBox", &GroundPanel};
  TLabel RuSupplyBoxLabel{Controls, "RuSupplyBoxLabel", &GroundPanel, "Allied Supply Bonus"};
  TComboBox RuSupplyBox{Controls, "RuSupplyBox", &GroundPanel};
  TLabel DeOilBoxLabel{Controls, "DeOilBoxLabel", &GroundPanel, "Axis Oil Bonus"};
  TComboBox DeOilBox{Controls, "DeOilBox", &GroundPanel};
  TLabel RuOilBoxLabel{Controls, "RuOilBoxLabel", &GroundPanel, "Allied Oil Bonus"};
  TComboBox RuOilBox{Controls, "RuOilBox", &GroundPanel};
  TLabel DayBoxLabel{Controls, "DayBoxLabel", &GroundPanel, "Campaign Date"};
  TComboBox DayBox{Controls, "DayBox", &GroundPanel};
  TComboBox MonthBox{Controls, "MonthBox", &GroundPanel};
  TComboBox YearBox{Controls, "YearBox", &GroundPanel};

  // Aircraft class editor: the panel with its boxes, each under its label.
  TPanel AircraftPanel{Controls, "AircraftPanel"};
  TLabel PlaneTypeBoxLabel{Controls, "PlaneTypeBoxLabel", &AircraftPanel, "Aircraft Type"};
  TComboBox PlaneTypeBox{Controls, "PlaneTypeBox", &AircraftPanel};
  TLabel UpTypeBoxLabel{Controls, "UpTypeBoxLabel", &AircraftPanel, "Upgrade Type"};
  TComboBox UpTypeBox{Controls, "UpTypeBox", &AircraftPanel};
  TLabel DownTypeBoxLabel{Controls, "DownTypeBoxLabel", &AircraftPanel, "Downgrade Type"};
  TComboBox DownTypeBox{Controls, "DownTypeBox", &AircraftPanel};
  TLabel PFamilyBoxLabel{Controls, "PFamilyBoxLabel", &AircraftPanel, "Category"};
  TComboBox PFamilyBox{Controls, "PFamilyBox", &AircraftPanel};
  TLabel FlyableBoxLabel{Controls, "FlyableBoxLabel", &AircraftPanel, "Flyable by Player(s)"};
  TComboBox FlyableBox{Controls, "FlyableBox", &AircraftPanel};
  TLabel PSYearBoxLabel{Controls, "PSYearBoxLabel", &AircraftPanel, "Start Year/Month"};
  TComboBox PSYearBox{Controls, "PSYearBox", &AircraftPanel};
  TComboBox PSMonthBox{Controls, "PSMonthBox", &AircraftPanel};
  TLabel PEYearBoxLabel{Controls, "PEYearBoxLabel", &AircraftPanel, "End Year/Month"};
  TComboBox PEYearBox{Controls, "PEYearBox", &AircraftPanel};
  TComboBox PEMonthBox{Controls, "PEMonthBox", &AircraftPanel};
  TLabel ClassTransitBoxLabel{Controls, "ClassTransitBoxLabel", &AircraftPanel, "Transit Altitude"};
  TComboBox ClassTransitBox{Controls, "ClassTransitBox", &AircraftPanel};
  TLabel TSpeedBoxLabel{Controls, "TSpeedBoxLabel", &AircraftPanel, "Cruise Speed"};
  TComboBox TSpeedBox{Controls, "TSpeedBox", &AircraftPanel};
  TLabel IngressSpdBoxLabel{Controls, "IngressSpdBoxLabel", &AircraftPanel, "Ingress Speed"};
  TComboBox IngressSpdBox{Controls, "IngressSpdBox", &AircraftPanel};
  TLabel RangeBoxLabel{Controls, "RangeBoxLabel", &AircraftPanel, "Range"};
  TComboBox RangeBox{Controls, "RangeBox", &AircraftPanel};
  TLabel DPBoxLabel{Controls, "DPBoxLabel", &AircraftPanel, "Default Payload"};
  TComboBox DPBox{Controls, "DPBox", &AircraftPanel};
  TLabel GABoxLabel{Controls, "GABoxLabel", &AircraftPanel, "Ground Attack Payload"};
  TComboBox GABox{Controls, "GABox", &AircraftPanel};
  TLabel LBBoxLabel{Controls, "LBBoxLabel", &AircraftPanel, "Level Attack Payload"};
  TComboBox LBBox{Controls, "LBBox", &AircraftPanel};
  TLabel AABoxLabel{Controls, "AABoxLabel", &AircraftPanel, "Interception Payload"};
  TComboBox AABox{Controls, "AABox", &AircraftPanel};
  TLabel DTBoxLabel{Controls, "DTBoxLabel", &AircraftPanel, "Long Range (Fighter) Payload"};
  TComboBox DTBox{Controls, "DTBox", &AircraftPanel};
  TLabel ASBoxLabel{Controls, "ASBoxLabel", &AircraftPanel, "Anti-Shipping Payload"};
  TComboBox ASBox{Controls, "ASBox", &AircraftPanel};

  // Waypoint settings (WayPanel): the defaults for every squadron on the left, the player
  // squadron's own boxes on the right.
  TMenuItem WaypointEditor{Controls, "WaypointEditor", &EditMenu, "&Waypoint Settings"};
  TButton WayButton{Controls, "WayButton", nullptr, "Waypoint Settings"};
  TPanel WayPanel{Controls, "WayPanel"};
  TLabel WayTitleLabel{Controls, "WayTitleLabel", &WayPanel,
                       "Player Squadron Altitude and Offset Distance Settings"};
  TPanel DefaultSettingsGroup{Controls, "DefaultSettingsGroup", &WayPanel, "Default Settings"};
  TLabel GAltitudeBoxLabel{Controls, "GAltitudeBoxLabel", &DefaultSettingsGroup,
                           "German/Axis Transit Altitude"};
  TComboBox GAltitudeBox{Controls, "GAltitudeBox", &DefaultSettingsGroup};
  TLabel RAltitudeBoxLabel{Controls, "RAltitudeBoxLabel", &DefaultSettingsGroup,
                           "Russian/Allied Transit Altitude"};
  TComboBox RAltitudeBox{Controls, "RAltitudeBox", &DefaultSettingsGroup};
  TLabel TOCircleLabel{Controls, "TOCircleLabel", &DefaultSettingsGroup, "Circling Take Off Path"};
  TComboBox TOCircle{Controls, "TOCircle", &DefaultSettingsGroup};
  TLabel IECoordinatesLabel{Controls, "IECoordinatesLabel", &DefaultSettingsGroup,
                            "Ingress/Egress Coordinates"};
  TComboBox IECoordinates{Controls, "IECoordinates", &DefaultSettingsGroup};
  TLabel RadioBoxLabel{Controls, "RadioBoxLabel", &DefaultSettingsGroup, "Radio Settings"};
  TComboBox RadioBox{Controls, "RadioBox", &DefaultSettingsGroup};
  TLabel TgtIngressAltBoxLabel{Controls, "TgtIngressAltBoxLabel", &WayPanel,
                               "Target Ingress Altitude"};
  TComboBox TgtIngressAltBox{Controls, "TgtIngressAltBox", &WayPanel};
  TLabel IPAltBoxLabel{Controls, "IPAltBoxLabel", &WayPanel, "Initial Point Altitude"};
  TComboBox IPAltBox{Controls, "IPAltBox", &WayPanel};
  TLabel TgtEgressAltBoxLabel{Controls, "TgtEgressAltBoxLabel", &WayPanel,
                              "Target Egress Altitude"};
  TComboBox TgtEgressAltBox{Controls, "TgtEgressAltBox", &WayPanel};
  TLabel TgtAltBoxLabel{Controls, "TgtAltBoxLabel", &WayPanel, "Target Altitude"};
  TComboBox TgtAltBox{Controls, "TgtAltBox", &WayPanel};
  TLabel IPOffsetBoxLabel{Controls, "IPOffsetBoxLabel", &WayPanel, "Initial Point Offset Distance"};
  TComboBox IPOffsetBox{Controls, "IPOffsetBox", &WayPanel};
  TLabel TgtIngressOffsetBoxLabel{Controls, "TgtIngressOffsetBoxLabel", &WayPanel,
                                  "Target Ingress Offset Distance"};
  TComboBox TgtIngressOffsetBox{Controls, "TgtIngressOffsetBox", &WayPanel};
  TLabel TakeOffStepAltBoxLabel{Controls, "TakeOffStepAltBoxLabel", &WayPanel,
                                "Take Off Step Altitude"};
  TComboBox TakeOffStepAltBox{Controls, "TakeOffStepAltBox", &WayPanel};
  TLabel CruiseBoxLabel{Controls, "CruiseBoxLabel", &WayPanel, "Cruise Speed"};
  TComboBox CruiseBox{Controls, "CruiseBox", &WayPanel};
  TLabel TransitAltBoxLabel{Controls, "TransitAltBoxLabel", &WayPanel,
                            "Player Squad Transit Altitude"};
  TComboBox TransitAltBox{Controls, "TransitAltBox", &WayPanel};
  TLabel IngressBoxLabel{Controls, "IngressBoxLabel", &WayPanel, "Ingress Speed"};
  TComboBox IngressBox{Controls, "IngressBox", &WayPanel};

  // Custom mission selection (MissionPanel): the preference and, in the quick preferences,
  // the destination and the enemy squadron to meet.
  TMenuItem CustomMission{Controls, "CustomMission", &EditMenu, "Custom &Mission Settings"};
  TButton MSelectButton{Controls, "MSelectButton", nullptr, "Custom Mission"};
  TPanel MissionPanel{Controls, "MissionPanel"};
  TRadioGroup MissionRadio{Controls, "MissionRadio", &MissionPanel, "Custom Mission Preference"};
  TPanel TargetBox{Controls, "TargetBox", &MissionPanel, "Quick Preferences"};
  TLabel SelectTargetLabel{Controls, "SelectTargetLabel", &TargetBox, "Destination"};
  TComboBox SelectTarget{Controls, "SelectTarget", &TargetBox};
  TLabel LinkBoxLabel{Controls, "LinkBoxLabel", &TargetBox, "Set Enemy"};
  TComboBox LinkBox{Controls, "LinkBox", &TargetBox};

  // Campaign set-up: the new-campaign screen, the wizard, backups, export and import.
  TButton NewCampaign{Controls, "NewCampaign", nullptr, "New Campaign"};
  TMenuItem GenerateCampaign{Controls, "GenerateCampaign", &RunMenu, "Generate &Campaign"};
  TMenuItem WizardMenu{Controls, "WizardMenu", &RunMenu, "Set Up Wizard"};
  TComboBox NewCampBox{Controls, "NewCampBox"};
  TButton CampStartButton{Controls, "CampStartButton", nullptr, "Start"};
  TMenuItem BackupCampaignOption{Controls, "BackupCampaignOption", &FilesMenu, "&Backup Campaign"};
  TMenuItem RestoreCampaign{Controls, "RestoreCampaign", &FilesMenu, "&Restore From Backup"};
  TMenuItem RestoreFromLastMission{Controls, "RestoreFromLastMission", &FilesMenu,
                                   "Restore From &Last Mission"};
  TMenuItem ExportCampaign{Controls, "ExportCampaign", &FilesMenu, "&Export On-Line Campaign"};
  TMenuItem ImportCampaign{Controls, "ImportCampaign", &FilesMenu, "&Import On-Line Campaign"};
  TOpenDialog SetImport{Controls, "SetImport"};

  // Squadron editor (QEPanel): the squadron chosen, its identity, aircraft, base, strength and
  // flags, its side's insignia, its paint and markings, and its pilots.
  TMenuItem QuickEdit{Controls, "QuickEdit", &EditMenu, "Squadron &Editor"};
  TButton QEButton{Controls, "QEButton", nullptr, "Squadron Editor"};
  TPanel QEPanel{Controls, "QEPanel", nullptr, "Squadron Editor"};
  TLabel UnitLabel{Controls, "UnitLabel", &QEPanel};
  TLabel SquadBoxLabel{Controls, "SquadBoxLabel", &QEPanel, "Unit to Edit"};
  TComboBox SquadBox{Controls, "SquadBox", &QEPanel};
  TLabel SquadIDBoxLabel{Controls, "SquadIDBoxLabel", &QEPanel, "Unit ID"};
  TComboBox SquadIDBox{Controls, "SquadIDBox", &QEPanel};
  TLabel SquadNoBoxLabel{Controls, "SquadNoBoxLabel", &QEPanel, "Squadron"};
  TComboBox SquadNoBox{Controls, "SquadNoBox", &QEPanel};
  TLabel PlaneBoxLabel{Controls, "PlaneBoxLabel", &QEPanel, "Aircraft"};
  TComboBox PlaneBox{Controls, "PlaneBox", &QEPanel};
  TComboBox SClassBox{Controls, "SClassBox", &QEPanel};  // hidden: the class of each aircraft
  TLabel APlaneLabel{Controls, "APlaneLabel", &QEPanel};
  TLabel SkillBoxLabel{Controls, "SkillBoxLabel", &QEPanel, "Skill"};
  TComboBox SkillBox{Controls, "SkillBox", &QEPanel};
  TLabel AirfieldBoxLabel{Controls, "AirfieldBoxLabel", &QEPanel, "Airfield/Carrier"};
  TComboBox AirfieldBox{Controls, "AirfieldBox", &QEPanel};
  TLabel DistanceEditLabel{Controls, "DistanceEditLabel", &QEPanel, "To Front"};
  TEdit DistanceEdit{Controls, "DistanceEdit", &QEPanel};
  TLabel MaxBoxLabel{Controls, "MaxBoxLabel", &QEPanel, "Max/Min Planes"};
  TComboBox MaxBox{Controls, "MaxBox", &QEPanel};
  TComboBox MinBox{Controls, "MinBox", &QEPanel};
  TLabel FSizeBoxLabel{Controls, "FSizeBoxLabel", &QEPanel, "Flight Size"};
  TComboBox FSizeBox{Controls, "FSizeBox", &QEPanel};
  TLabel SetRadioBoxLabel{Controls, "SetRadioBoxLabel", &QEPanel, "Radio"};
  TComboBox SetRadioBox{Controls, "SetRadioBox", &QEPanel};
  TCheckBox ActiveBox{Controls, "ActiveBox", &QEPanel, "Active"};
  TCheckBox AIBox{Controls, "AIBox", &QEPanel, "AI Only"};
  TButton SqRemove{Controls, "SqRemove", &QEPanel, "Remove Squadron"};
  TImage RedStar{Controls, "RedStar", &QEPanel};
  TImage IronCross{Controls, "IronCross", &QEPanel};
  TImage FiIcon{Controls, "FiIcon", &QEPanel};
  TImage RoIcon{Controls, "RoIcon", &QEPanel};
  TImage SkIcon{Controls, "SkIcon", &QEPanel};
  TImage HuIcon{Controls, "HuIcon", &QEPanel};
  TImage Iticon{Controls, "Iticon", &QEPanel};
  TImage JaIcon{Controls, "JaIcon", &QEPanel};
  TImage USAAFIcon{Controls, "USAAFIcon", &QEPanel};
  TImage RAFIcon{Controls, "RAFIcon", &QEPanel};
  TImage RAAFIcon{Controls, "RAAFIcon", &QEPanel};
  TImage DuIcon{Controls, "DuIcon", &QEPanel};
  TImage FRIcon{Controls, "FRIcon", &QEPanel};
  TImage plicon{Controls, "plicon", &QEPanel};
  TLabel SkinLabel{Controls, "SkinLabel", &QEPanel, "Paint Scheme"};
  TComboBox SkinBox{Controls, "SkinBox", &QEPanel};
  TLabel MarkingsLabel{Controls, "MarkingsLabel", &QEPanel, "Markings On?"};
  TComboBox SqMark{Controls, "SqMark", &QEPanel};
  TLabel UniformLabel{Controls, "UniformLabel", &QEPanel, "Same Paint for Every Squadron of Type"};
  TButton UniformButton{Controls, "UniformButton", &QEPanel, "Apply to All"};
  TPanel PilotGroupBox{Controls, "PilotGroupBox", &QEPanel, "Pilots"};
  TLabel PInfo{Controls, "PInfo", &PilotGroupBox, "Pilot Information"};
  TListBox PilotListBox{Controls, "PilotListBox", &PilotGroupBox};
  TListBox KillListBox{Controls, "KillListBox", &PilotGroupBox};
  TListBox GrKillListBox{Controls, "GrKillListBox", &PilotGroupBox};

  // Pilot editor (PilotPanel): one pilot's name, rank, counts, birth, portrait, skin, markings
  // and nose art.
  TPanel PilotPanel{Controls, "PilotPanel", nullptr, "Pilot Editor"};
  TLabel PilotNameLabel{Controls, "PilotNameLabel", &PilotPanel};
  TLabel NameEditLabel{Controls, "NameEditLabel", &PilotPanel, "Pilot Name"};
  TEdit NameEdit{Controls, "NameEdit", &PilotPanel};
  TLabel RankBoxLabel{Controls, "RankBoxLabel", &PilotPanel, "Rank"};
  TComboBox RankBox{Controls, "RankBox", &PilotPanel};
  TLabel MFBoxLabel{Controls, "MFBoxLabel", &PilotPanel, "Missions"};
  TComboBox MFBox{Controls, "MFBox", &PilotPanel};
  TLabel KillBoxLabel{Controls, "KillBoxLabel", &PilotPanel, "Kills"};
  TComboBox KillBox{Controls, "KillBox", &PilotPanel};
  TLabel GrKillBoxLabel{Controls, "GrKillBoxLabel", &PilotPanel, "Ground Kills"};
  TComboBox GrKillBox{Controls, "GrKillBox", &PilotPanel};
  TLabel CityEditLabel{Controls, "CityEditLabel", &PilotPanel, "Place of Birth"};
  TEdit CityEdit{Controls, "CityEdit", &PilotPanel};
  TLabel BirthEditLabel{Controls, "BirthEditLabel", &PilotPanel, "Year of Birth"};
  TEdit BirthEdit{Controls, "BirthEdit", &PilotPanel};
  TImage PilotPhoto{Controls, "PilotPhoto", &PilotPanel};
  TLabel PhotoLabel{Controls, "PhotoLabel", &PilotPanel};
  TButton LPicButton{Controls, "LPicButton", &PilotPanel, "<-"};
  TButton RPicButton{Controls, "RPicButton", &PilotPanel, "->"};
  TImage PaintImage{Controls, "PaintImage", &PilotPanel};
  TLabel PaintLabel{Controls, "PaintLabel", &PilotPanel, "Personal Paint Scheme"};
  TComboBox PaintBox{Controls, "PaintBox", &PilotPanel};
  TLabel PMarkLabel{Controls, "PMarkLabel", &PilotPanel, "Markings On?"};
  TComboBox MarkBox{Controls, "MarkBox", &PilotPanel};
  TImage NoseArtImage{Controls, "NoseArtImage", &PilotPanel};
  TLabel NoseArtLabel{Controls, "NoseArtLabel", &PilotPanel, "Nose Art"};
  TComboBox NoseArtBox{Controls, "NoseArtBox", &PilotPanel};
  TButton PilotCloseButton{Controls, "PilotCloseButton", &PilotPanel, "Close/Save"};
  TOpenDialog OpenPilotPhoto{Controls, "OpenPilotPhoto"};

  // Ground war editor: the rest of GroundPanel (front, zones, key places, owners).
  TMenuItem ColumnEditor{Controls, "ColumnEditor", &EditMenu, "&Ground War Editor"};
  TButton GroundButton{Controls, "GroundButton", nullptr, "Ground War"};
  TLabel SelectFrontLabel{Controls, "SelectFrontLabel", &GroundPanel, "Location of Front"};
  TComboBox SelectFront{Controls, "SelectFront", &GroundPanel};
  TLabel DeZoneLabel{Controls, "DeZoneLabel", &GroundPanel, "Axis Zone"};
  TComboBox DeZone{Controls, "DeZone", &GroundPanel};
  TLabel RuZoneLabel{Controls, "RuZoneLabel", &GroundPanel, "Allied Zone"};
  TComboBox RuZone{Controls, "RuZone", &GroundPanel};
  TLabel DeCampEndBoxLabel{Controls, "DeCampEndBoxLabel", &GroundPanel, "Key Axis Location"};
  TComboBox DeCampEndBox{Controls, "DeCampEndBox", &GroundPanel};
  TLabel RuCampEndBoxLabel{Controls, "RuCampEndBoxLabel", &GroundPanel, "Key Allied Location"};
  TComboBox RuCampEndBox{Controls, "RuCampEndBox", &GroundPanel};
  TLabel LocationBoxLabel{Controls, "LocationBoxLabel", &GroundPanel, "Location"};
  TComboBox LocationBox{Controls, "LocationBox", &GroundPanel};
  TLabel LNationBoxLabel{Controls, "LNationBoxLabel", &GroundPanel, "Allegiance"};
  TComboBox LNationBox{Controls, "LNationBox", &GroundPanel};

  // Ground objects editor (ObjectPanel): the columns and the stored static objects.
  TMenuItem GroundObjectSettings{Controls, "GroundObjectSettings", &EditMenu,
                                 "Ground &Object Settings"};
  TButton ColumnButton{Controls, "ColumnButton", nullptr, "Ground Objects"};
  TPanel ObjectPanel{Controls, "ObjectPanel", nullptr, "Ground Objects Editor"};
  TLabel GUBoxLabel{Controls, "GUBoxLabel", &ObjectPanel, "Column"};
  TComboBox GUBox{Controls, "GUBox", &ObjectPanel};
  TLabel GULocationBoxLabel{Controls, "GULocationBoxLabel", &ObjectPanel, "Location"};
  TComboBox GULocationBox{Controls, "GULocationBox", &ObjectPanel};
  TLabel GUNationLabel{Controls, "GUNationLabel", &ObjectPanel, "Allegiance"};
  TEdit GUNation{Controls, "GUNation", &ObjectPanel};
  TLabel GUNameBoxLabel{Controls, "GUNameBoxLabel", &ObjectPanel, "Change Unit...?"};
  TComboBox GUNameBox{Controls, "GUNameBox", &ObjectPanel};
  TLabel GUActiveBoxLabel{Controls, "GUActiveBoxLabel", &ObjectPanel, "Operational?"};
  TEdit GUActiveBox{Controls, "GUActiveBox", &ObjectPanel};
  TLabel ColumnNameEditLabel{Controls, "ColumnNameEditLabel", &ObjectPanel, "Column Name"};
  TEdit ColumnNameEdit{Controls, "ColumnNameEdit", &ObjectPanel};
  TLabel SObBoxLabel{Controls, "SObBoxLabel", &ObjectPanel, "Stationary Object"};
  TComboBox SObBox{Controls, "SObBox", &ObjectPanel};
  TLabel SObNationEditLabel{Controls, "SObNationEditLabel", &ObjectPanel, "Allegiance"};
  TEdit SObNationEdit{Controls, "SObNationEdit", &ObjectPanel};
  TLabel SLocationEditLabel{Controls, "SLocationEditLabel", &ObjectPanel, "Location"};
  TEdit SLocationEdit{Controls, "SLocationEdit", &ObjectPanel};
  TLabel SActiveBoxLabel{Controls, "SActiveBoxLabel", &ObjectPanel, "Active?"};
  TComboBox SActiveBox{Controls, "SActiveBox", &ObjectPanel};

  // Game edition, folders and starting the game: the menu items, the tool button, the version
  // chooser.
  TMenuItem SelectIL2{Controls, "SelectIL2", &FilesMenu, "&Game Program Location"};
  TMenuItem TavrekSelect{Controls, "TavrekSelect", &FilesMenu, "&Tavrek Program Location"};
  TMenuItem SetGameVersion{Controls, "SetGameVersion", &FilesMenu, "&Set Game Version"};
  TMenuItem IL2Game{Controls, "IL2Game", &RunMenu, "Run &Game"};
  TMenuItem VersionInfo{Controls, "VersionInfo", &AboutMenu, "&Version"};
  TButton GameButton{Controls, "GameButton", nullptr, "Run Game"};
  TComboBox VersionBox{Controls, "VersionBox"};

  // Option panels and the dogfight-server link: the general-settings panel with the supply
  // rates, the dogfight-server settings panel, the custom mission panel's save buttons, the
  // About and Exit items and the timer that retries a dogfight mission held back.
  TMenuItem SetDensity{Controls, "SetDensity", &EditMenu, "General Campaign &Settings"};
  TButton DensityButton{Controls, "DensityButton", nullptr, "General Settings"};
  TPanel DensityPanel{Controls, "DensityPanel", nullptr, "General Campaign Settings"};
  TLabel RUSupplyComboBoxLabel{Controls, "RUSupplyComboBoxLabel", &DensityPanel,
                               "Allied Aircraft Supply"};
  TComboBox RUSupplyComboBox{Controls, "RUSupplyComboBox", &DensityPanel};
  TLabel DESupplyComboBoxLabel{Controls, "DESupplyComboBoxLabel", &DensityPanel,
                               "Axis Aircraft Supply"};
  TComboBox DESupplyComboBox{Controls, "DESupplyComboBox", &DensityPanel};
  TMenuItem FBDaemonSettings{Controls, "FBDaemonSettings", &ModeMenu, "Dogfight Server Settings"};
  TMenuItem FBDaemon{Controls, "FBDaemon", &ModeMenu, "FBDaemon Program Location"};
  TOpenDialog SetFBDaemonPath{Controls, "SetFBDaemonPath"};
  TPanel FBDPanel{Controls, "FBDPanel", nullptr, "Dogfight Server Settings"};
  TButton SaveCustomButton{Controls, "SaveCustomButton", &MissionPanel, "Save"};
  TButton CMSaveButton{Controls, "CMSaveButton", &MissionPanel, "Save/Close"};
  TMenuItem ExitMain{Controls, "ExitMain", &FilesMenu, "E&xit"};
  TMenuItem Info{Controls, "Info", &AboutMenu, "&Author"};
  TMenuItem Website1{Controls, "Website1", &AboutMenu, "Visit &Website"};
  TMenuItem OnlineDocumentation{Controls, "OnlineDocumentation", &AboutMenu, "&On-line Help"};
  TTimer FBDWaitTimer{Controls, "FBDWaitTimer"};
};
