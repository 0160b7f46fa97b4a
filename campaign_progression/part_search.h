#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Whether any of a fixed set of parts occurs in a text, in one pass over the text: the parts are
// compared only where a character that starts one of them stands. It answers as a search for
// each part in turn would. Every part has at least one character.
template <std::size_t N>
class PartSearch {
 public:
  constexpr explicit PartSearch(const std::array<std::string_view, N>& parts) : parts_(parts) {
    for (const std::string_view part : parts) starts_[static_cast<unsigned char>(part[0])] = true;
  }

  bool In(std::string_view text) const {
    for (std::size_t at = 0; at < text.size(); ++at) {
      if (starts_[static_cast<unsigned char>(text[at])] && AnyStartsAt(text.substr(at))) {
        return true;
      }
    }
    return false;
  }

 private:
  bool AnyStartsAt(std::string_view rest) const {
    for (const std::string_view part : parts_) {
      if (rest.starts_with(part)) return true;
    }
    return false;
  }

  std::array<std::string_view, N> parts_;
  std::array<bool, 256> starts_{};
};
