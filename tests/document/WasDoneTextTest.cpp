#include "document/WasDoneText.h"

#include <gtest/gtest.h>

using namespace Lecterna;

TEST(WasDoneText, FormatsWithTheUsersSeparator) {
    EXPECT_EQ(WasDoneText::format(45.2, "."), "45.20 %");
    EXPECT_EQ(WasDoneText::format(45.2, ","), "45,20 %");
    EXPECT_EQ(WasDoneText::format(0, ","), "0,00 %");
    EXPECT_EQ(WasDoneText::format(100, "."), "100.00 %");
    EXPECT_EQ(WasDoneText::format(99.999, "."), "100.00 %");
}

TEST(WasDoneText, DecidesWhetherTheLastBookReopens) {
    struct Case {
        const char* text;
        const char* separator;
        bool reopens;
    };
    for (const Case& c : {
             Case{"45.20 %", ".", true},
             Case{"45,20 %", ",", true},
             Case{"99.98 %", ".", true},
             Case{"99.99 %", ".", false},
             Case{"100.00 %", ".", false},
             Case{"45.20 %", ",", false}, // written under another number format
             Case{"?", ".", false},
             Case{"", ".", false},
             Case{"abc %", ".", false},
             Case{"inf %", ".", false},
             Case{"0 %", ".", true},
             Case{"45 20 %", ",", false},
         })
        EXPECT_EQ(WasDoneText::allowsReopen(c.text, c.separator), c.reopens) << c.text << " with " << c.separator;

    // What is written is read back, whatever the separator.
    for (const char* sep : {".", ",", "\u066B"})
        EXPECT_DOUBLE_EQ(*WasDoneText::parse(WasDoneText::format(12.34, sep), sep), 12.34) << sep;
}
