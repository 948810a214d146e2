#include "sources/WordSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Lecterna;
using ::testing::StrictMock;

namespace {

struct MockWord : WordAutomation {
    MOCK_METHOD(void, largeScroll, (int), (override));
    MOCK_METHOD(void, run, (std::string_view), (override));
    MOCK_METHOD(int64_t, selectionStart, (), (override));
    MOCK_METHOD(int64_t, selectionEnd, (), (override));
    MOCK_METHOD(std::string, selectionText, (), (override));
    MOCK_METHOD(void, selectAll, (), (override));
    MOCK_METHOD(void, copySelection, (), (override));
    MOCK_METHOD(bool, findExecute, (const FindRequest&), (override));
    MOCK_METHOD(void, fontGrow, (), (override));
    MOCK_METHOD(void, fontShrink, (), (override));
    MOCK_METHOD(void, setParagraphSpacing, (Spacing), (override));
    MOCK_METHOD(void, setLineSpacingPoints, (double), (override));
    MOCK_METHOD(void, setZoomPercentage, (int), (override));
    MOCK_METHOD(void, addBookmark, (std::string_view), (override));
    MOCK_METHOD(void, goToBookmark, (std::string_view), (override));
    MOCK_METHOD(void, setScreenUpdating, (bool), (override));
};

} // namespace

TEST(WordSession, CommandsTakeTheTextBranchUnlessWordShowsTheDocument) {
    WordSession session;
    EXPECT_FALSE(session.documentShown());
    EXPECT_FALSE(session.pageScroll(1));
    EXPECT_FALSE(session.startAutoscroll());

    StrictMock<MockWord> word;
    session.attach(word);
    EXPECT_CALL(word, largeScroll(-1));
    EXPECT_CALL(word, largeScroll(1));
    EXPECT_CALL(word, run(std::string_view("AutoScroll")));
    EXPECT_TRUE(session.pageScroll(-3));
    EXPECT_TRUE(session.pageScroll(1));
    EXPECT_TRUE(session.startAutoscroll());

    session.detach();
    EXPECT_FALSE(session.pageScroll(1));
}
