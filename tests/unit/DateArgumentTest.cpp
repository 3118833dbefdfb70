#include "tools/quillbook/DateArgument.h"

#include <gtest/gtest.h>

TEST(DateArgument, ReadsRealDatesOnly) {
    Date date;
    ASSERT_TRUE(ParseDateArgument("2024-02-29", date));
    EXPECT_EQ(date.year, 2024);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 29);
    EXPECT_TRUE(ParseDateArgument("2000-02-29", date));
    EXPECT_TRUE(ParseDateArgument("1601-01-01", date));
    EXPECT_TRUE(ParseDateArgument("9999-12-31", date));
    for (const char* wrong :
         {"2023-02-29", "2100-02-29", "2023-04-31", "2023-13-01", "2023-00-10", "2023-01-00", "1600-12-31", "2023-1-01",
          "2023/01/01", "2023-01-01x", "", "+023-01-01", "2023-01-1/", "/023-01-01"})
        EXPECT_FALSE(ParseDateArgument(wrong, date)) << wrong;
}
