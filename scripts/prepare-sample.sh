#!/usr/bin/env bash
# Prepares a working program folder from the shipped sample, so runs never change the shipped
# files: copies the reference data, the sample campaign and the sample game folder into
# <target dir> and writes a tavrek.ini there that points the campaign and game folders at the
# copies. The target is used as the program folder (put or build the executable there).
#
#   scripts/prepare-sample.sh <target dir>
set -euo pipefail
if (($# != 1)); then
  echo "usage: $0 <target dir>" >&2
  exit 2
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
target=$(cd "$1" && pwd)

rm -rf "$target/sample"
mkdir -p "$target/sample"
cp -R "$source_dir/sample/campaign" "$source_dir/sample/game" "$target/sample/"
mkdir -p "$target/data"
cp -R "$source_dir/data/." "$target/data/"
mkdir -p "$target/Backup"

program_folder="$target/"
campaign_folder="$target/sample/campaign/Okinawa45/"
game_folder="$target/sample/game/"

# The settings file: three folders, eleven option texts, then 65 key=value lines, in this order.
settings=(
  "$program_folder" "$campaign_folder" "$game_folder"
  "Two" "Default" "Default" "Default" "Moderate" "Full" "Full" "Squadron Defaults"
  "250 Kilometers" "Default" "Default"
  "MassedBombers=False" "FrontMovement=True" "CopyMission=False" "Dogfight=False" "Coop=False"
  "FBDActive=No" "AutoGeneration=False" "Primary=False" "DSTimes=True" "Paras=False"
  "Briefing=True" "ShipRoF=10.0" "HistDates=True" "IL2SCUse=False" "LogFileDate=None"
  "Tracking=True" "NoTransfers=False" "Night=False" "DGEN_Replacement=False" "TankDG=True"
  "TransitAlt=Default" "TgtEgressAlt=Transit Altitude" "TgtAlt=Transit Altitude"
  "TgtIngressAlt=Transit Altitude" "IPAlt=Transit Altitude" "TgtIngressOffset=Default"
  "IPOffset=Default" "TOStepAltBox=Default" "NormandyBase=False" "Death=False"
  "AirStarts=False" "TOCircle=Only Escorts & Escorted" "IECoordinates=Only Level Bombers Use"
  "CruiseSpeed=Default" "Language=English" "GameID=1946" "NGEN_Replacement=False"
  "SingleMap=False" "PalmTrees=True" "RuSupplyRate=1/Squadron/Day"
  "DeSupplyRate=1/Squadron/Day" "TrackPlayerRanks=True" "AircraftDowngrades=False"
  "LinkMax=False" "DataFiles=" "DeShipSkill=Rookie" "RuShipSkill=Rookie" "ShipSunk=False"
  "ActiveFront=True" "DDRoF=10.0" "BridgeRepairTime=1 Mission" "BornPlaceRadius=3000"
  "TimePassage=Normal" "ServerInfo=" "ServerActive=False" "Balance=Default"
  "SCPlaneLimits=No" "SCTimeLimits=No Time Limit" "SquadronManagement=False"
  "IngressSpeed=Default" "FixedStartDates=False" "CountStaticPlanes=Yes" "VoteLevel=100"
  "Radio=Campaign Default" "RandomNoseArt=False"
)
if ((${#settings[@]} != 79)); then
  echo "internal error: ${#settings[@]} settings lines instead of 79" >&2
  exit 1
fi
printf '%s\r\n' "${settings[@]}" >"$target/tavrek.ini"
echo "Sample prepared in $target"
