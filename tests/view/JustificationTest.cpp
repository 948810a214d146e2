#include "view/Justification.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace Lecterna;

namespace {

// Letters 10 px wide, spaces 4 px, TAB stops every 80 px.
ByteMetrics tenPixelLetters() {
    ByteMetrics m = ByteMetrics::fixedPitch(10, 80);
    m.advance[' '] = toFixed(4);
    return m;
}

// The classic loop for lines with TABs, one step at a time: the reference the fast search must
// agree with.
Justification stepByStep(std::string_view line, const ByteMetrics& m, int available) {
    Justification start = Justification::forLine(line, m, available);
    if (line.find('\t') == std::string_view::npos)
        return start;
    int spaces = 0;
    for (char c : line)
        spaces += c == ' ';
    const int64_t a = toFixed(available);
    const int64_t w = m.width(line);
    if (spaces == 0 || w > a || w * 100 < a * 85)
        return {};
    int64_t gap = a - w;
    while (gap > 0) {
        if (Justification{spaces, gap}.width(line, m) <= a)
            break;
        gap -= toFixed(spaces);
    }
    return gap < toFixed(1) ? Justification{} : Justification{spaces, gap};
}

} // namespace

TEST(Justification, StretchesOnlyLinesFillingAtLeast85PercentThatHaveASpace) {
    const ByteMetrics m = tenPixelLetters();
    struct Case {
        std::string line;
        bool stretched;
    } cases[] = {
        {std::string(83, 'a') + " a", false},          // 84 + 0.4 letters of 100: 84.4% stays ragged
        {std::string(85, 'a') + " a", true},           // 86.4%
        {std::string(95, 'a'), false},                 // no space: never stretched
        {std::string(99, 'a') + " a", false},          // 100.4%: wider than the room
        {"a " + std::string(85, 'a') + "\ta", true},   // TABs go through the stepwise rule
    };
    for (const Case& c : cases) {
        const Justification j = Justification::forLine(c.line, m, 1000);
        EXPECT_EQ(j.isActive(), c.stretched) << c.line.size();
        if (c.stretched)
            EXPECT_LE(j.width(c.line, m), toFixed(1000));
    }
}

TEST(Justification, SpreadsFractionalGapSoTheLineEndsExactlyAtTheMargin) {
    ByteMetrics m = tenPixelLetters();
    m.advance['a'] = 595; // 9.296875 px: the gap is not a whole number of pixels
    const std::string line = std::string(30, 'a') + " " + std::string(30, 'a') + " " + std::string(29, 'a') + " a";
    const Justification j = Justification::forLine(line, m, 900);
    ASSERT_TRUE(j.isActive());
    EXPECT_EQ(j.spaces, 3);
    EXPECT_EQ(j.width(line, m), toFixed(900));
    // The units that do not divide evenly go one each to the first spaces.
    EXPECT_GE(j.spaceExtra(0), j.spaceExtra(1));
    EXPECT_GE(j.spaceExtra(1), j.spaceExtra(2));
    EXPECT_LE(j.spaceExtra(0) - j.spaceExtra(2), 1);
}

TEST(Justification, TabLinesAgreeWithTheStepByStepRule) {
    ByteMetrics m = tenPixelLetters();
    m.advance['b'] = 437;
    std::mt19937 rng(7);
    const char alphabet[] = {'a', 'b', 'b', ' ', '\t'};
    int stretched = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string line(static_cast<size_t>(20 + rng() % 90), 'a');
        for (char& c : line)
            c = alphabet[rng() % 5];
        const int available = static_cast<int>(m.width(line) / 64) + static_cast<int>(rng() % 140);
        const Justification fast = Justification::forLine(line, m, available);
        const Justification slow = stepByStep(line, m, available);
        ASSERT_EQ(fast.isActive(), slow.isActive()) << line;
        if (fast.isActive()) {
            ++stretched;
            ASSERT_EQ(fast.extra, slow.extra) << line;
        }
    }
    EXPECT_GT(stretched, 300); // the table really exercised the stretching branch
}
