#include "util/string_table.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

TEST(StringTable, ReaderTextsAreWordForWord) {
  EXPECT_EQ(loadString(2011), "This is not a valid MSF file.\r\n");
  EXPECT_EQ(loadString(2013), "\r\nDo you wish to proceed regardless?");
  EXPECT_EQ(loadString(2031),
            "The first line of text should be the sequence ID (Name) receded by a \">\" "
            "(greater than sign).");
  EXPECT_EQ(loadString(2025),
            "The Sequence Length given in the file header (%d)\r\n\tdid not match the real "
            "Sequence Lengths (%s)!");
}

TEST(StringTable, EveryReaderIdIsPresent) {
  for (int id : {2011, 2012, 2013, 2014, 2015, 2016, 2017, 2018, 2019, 2021, 2022,
                 2023, 2024, 2025, 2026, 2027, 2028, 2029, 2030, 2031, 2032, 2033,
                 2034, 2035, 2036, 2039, 2040, 2041, 2042, 2043, 2044, 2045, 2046}) {
    EXPECT_TRUE(hasString(id)) << id;
  }
}

TEST(StringTable, UnknownIdGivesEmptyText) {
  EXPECT_FALSE(hasString(1));
  EXPECT_TRUE(loadString(1).empty());
}

}  // namespace
}  // namespace hueset
