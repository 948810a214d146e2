#include "document/ParagraphList.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {
std::vector<std::string> paragraphs(std::string text) {
    ParagraphList list;
    list.setTextKeepingNul(std::move(text));
    std::vector<std::string> out;
    for (size_t i = 0; i < list.count(); ++i)
        out.emplace_back(list.paragraph(i));
    return out;
}
} // namespace

TEST(ParagraphList, SplitsAtEveryKindOfBreakKeepingNul) {
    using V = std::vector<std::string>;
    EXPECT_EQ(paragraphs(""), V{});
    EXPECT_EQ(paragraphs("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(paragraphs("a\n"), V{"a"});          // a final break adds no empty paragraph
    EXPECT_EQ(paragraphs("a\n\rb"), (V{"a", "", "b"})); // LF CR is two breaks
    EXPECT_EQ(paragraphs(std::string("x\0y\nz", 5)), (V{std::string("x\0y", 3), "z"}));
}
