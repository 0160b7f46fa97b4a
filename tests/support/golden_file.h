#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/file_tree.h"

// Compares a text with a reviewed golden file under tests/fixtures/goldens/. With the
// environment variable TAVREK_UPDATE_GOLDENS=1 the golden file is written from the text
// instead (and the comparison passes), so a change is reviewed in the diff of the golden file.
// On a difference the message shows the first differing lines with their numbers, control
// characters made visible.
::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& golden_name);

// The readable difference of two texts: up to `max_lines` lines around the first difference.
std::string GoldenDifference(const std::string& expected, const std::string& actual,
                             int max_lines = 12);

// The text with every occurrence of `folder` (a test's temporary folder) read as
// `placeholder`, so that goldens hold on any machine.
std::string WithPlaceholder(std::string text, const std::string& folder,
                            const std::string& placeholder);

// The files of a folder against goldens "<name>/<path>" ("/" in a path read as "_"): each file
// named in `compared` against a golden of its own, and every other one as a line of the golden
// "<name>/digest.txt" with its size and a fingerprint of its bytes, so that a large folder is
// checked whole while its goldens stay small enough to review. Every text is taken with `folder`
// read as `placeholder` first (see WithPlaceholder).
::testing::AssertionResult MatchesFolderGoldens(const FileTree& files,
                                                const std::vector<std::string>& compared,
                                                const std::string& name, const std::string& folder,
                                                const std::string& placeholder);
