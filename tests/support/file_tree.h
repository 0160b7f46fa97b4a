#pragma once

#include <map>
#include <string>
#include <vector>

// The files of a folder tree, by their paths below it ("Missions/Campaign/RU/campaign.ini"),
// with their bytes: what a test compares to show that a run changed, or did not change, a
// folder.
using FileTree = std::map<std::string, std::string>;

// Every file below `folder`; files whose name is one of `left_out` are not taken.
FileTree FilesBelow(const std::string& folder, const std::vector<std::string>& left_out = {});

// The paths whose bytes differ between two trees, and those only one of them has, in order.
std::vector<std::string> ChangedPaths(const FileTree& before, const FileTree& after);

// Makes `folder` hold exactly the files of `tree`: files it does not list are removed (but for
// those named in `left_out`), the others written with their bytes.
void RestoreFilesBelow(const std::string& folder, const FileTree& tree,
                       const std::vector<std::string>& left_out = {});
