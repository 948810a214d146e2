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
