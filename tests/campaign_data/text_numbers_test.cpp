#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

// An integer field reads as what it spells, or as the fallback when it spells none.
TEST(StrToInt, WholeTextsOnlyWithinTheRangeOfAnInt) {
  const struct {
    std::string text;
    std::optional<int> value;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"  7", 7},
      {"+5", 5},
      {"-0", 0},
      {"-12", -12},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"+-1", std::nullopt},
      {"12 ", std::nullopt},
      {"1.5", std::nullopt},
      {"\t3", std::nullopt},
      {"3x", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrToIntDef(c.text, -99), c.value.value_or(-99)) << '"' << c.text << '"';
    if (c.value) {
      EXPECT_EQ(StrToInt(c.text), *c.value) << '"' << c.text << '"';
    } else {
      EXPECT_THROW(StrToInt(c.text), ConversionError) << '"' << c.text << '"';
    }
  }
}

}  // namespace
