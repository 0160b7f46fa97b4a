#pragma once

#include <array>
#include <string_view>

// The English texts of the [Errors] message section that this program carries itself. They
// stand in when the English message file holds no text at all, so that an error never reaches
// the user as an empty box. Lines 2 and 9 are not used.
inline constexpr int kBuiltInErrorTextCount = 24;
const std::array<std::string_view, kBuiltInErrorTextCount>& BuiltInErrorTexts();
