// The harness's dump: encoding and field look-up for `wait`.
#include <gtest/gtest.h>

#include "app/state_dump.h"

TEST(StateDump, WritesAFlatObjectInFieldOrder)
{
    StateDump dump;
    dump.number("frame", 12);
    dump.number("aimAngle", -0.7);
    dump.text("tex", "power_\"0\".png");
    dump.numbers("holeStrokes", {3, 0, 12, 0});
    dump.raw("ball", "[[0,1,2]]");
    EXPECT_EQ(dump.json(),
              "{\"frame\":12,\"aimAngle\":-0.7,\"tex\":\"power_\\\"0\\\".png\",\"holeStrokes\":[3,0,12,0],"
              "\"ball\":[[0,1,2]]}");
}

TEST(StateDump, NumbersReadBackExactlyInTheirShortestForm)
{
    struct Row { double value; const char* text; };
    const Row rows[] = {{0, "0"}, {-0.0, "0"}, {1, "1"}, {0.1, "0.1"}, {13000, "13000"},
                        {1.0 / 3, "0.3333333333333333"}, {-2.5e-7, "-2.5e-07"}};
    for (const Row& row : rows) EXPECT_EQ(encodeNumber(row.value), row.text);
}

TEST(StateDump, LooksUpScalarsAndOneBasedArrayElements)
{
    StateDump dump;
    dump.number("currentHole", 15);
    dump.text("meter", "power_24.png");
    dump.numbers("holeStrokes", {3, 4});
    dump.raw("ball", "[[0,1,2]]");
    struct Row { const char* field; bool found; const char* value; bool isNumber; };
    const Row rows[] = {{"currentHole", true, "15", true},    {"meter", true, "power_24.png", false},
                        {"holeStrokes[1]", true, "3", true},  {"holeStrokes[2]", true, "4", true},
                        {"holeStrokes[3]", false, "", false}, {"holeStrokes[0]", false, "", false},
                        {"holeStrokes", false, "", false},    {"ball", false, "", false},
                        {"missing", false, "", false}};
    for (const Row& row : rows) {
        std::string value;
        bool isNumber = false;
        EXPECT_EQ(dump.lookup(row.field, value, isNumber), row.found) << row.field;
        if (!row.found) continue;
        EXPECT_EQ(value, row.value) << row.field;
        EXPECT_EQ(isNumber, row.isNumber) << row.field;
    }
}
