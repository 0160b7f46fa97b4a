#pragma once

#include <string>
#include <vector>

// The code under which Data\bridges.tavrek lists a bridge of a map: one character for the
// bridge number modulo 64 ("0".."9", "a".."z", "A".."Z", "-", "+"), then the decimal quotient
// when it is not 0. Bridge 5 is "5", 70 is "61", 100 is "A1", 768 is "012": no two bridges
// share a code.
std::string BridgeCode(long long number);

// The reference lines of the current map's section in bridges.tavrek.
struct BridgeReference {
  std::vector<std::string> lines;
  // The first line whose first word is the code; empty when none is.
  std::string LineFor(const std::string& code) const;
};
// `map_name` and `load_path` name the current map; a section belongs to it when its header is
// "[<map_name>]" or, with a load path of more than 4 characters other than "None", when the
// header's text is part of the load path (both lower-cased).
BridgeReference MapBridgeReference(const std::vector<std::string>& file_lines,
                                   const std::string& map_name, const std::string& load_path);
