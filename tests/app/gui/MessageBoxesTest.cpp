#include "app/gui/MessageBoxes.h"
#include "view/gui/StatusBar.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Lecterna;

TEST(MessageBoxes, AreRecordedWithTheirCaptionsAndTexts) {
    RecordedMessageBoxes boxes;
    ErrorBox(QStringLiteral("Файл 'a.txt' не найден"));
    ErrorBoxWithCause(QStringLiteral("Не удалось открыть файл"), std::runtime_error("Permission denied"));
    ErrorBoxWithCause(QStringLiteral("Ошибка чтения"), QStringLiteral("Нет места"));
    InfoBox(QStringLiteral("Вид панели кнопок будет изменён после перезапуска программы."), QStringLiteral("Внимание"));

    using Kind = RecordedMessageBoxes::Kind;
    ASSERT_EQ(boxes.boxes().size(), 4u);
    const auto& b = boxes.boxes();
    EXPECT_EQ(b[0].kind, Kind::Error);
    EXPECT_EQ(b[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(b[0].text, QStringLiteral("Файл 'a.txt' не найден"));
    EXPECT_EQ(b[1].text, QStringLiteral("Permission denied\n\nНе удалось открыть файл"));
    EXPECT_EQ(b[2].text, QStringLiteral("Нет места\n\nОшибка чтения"));
    EXPECT_EQ(b[3].kind, Kind::Info);
    EXPECT_EQ(b[3].caption, QStringLiteral("Внимание"));
}

TEST(MessageBoxes, RecordersNestAndTheErrorCaptionCanBeTranslated) {
    RecordedMessageBoxes outer;
    {
        RecordedMessageBoxes inner;
        setErrorCaption(QStringLiteral("Error"));
        ErrorBox(QStringLiteral("x"));
        setErrorCaption(QStringLiteral("Ошибка"));
        ASSERT_EQ(inner.boxes().size(), 1u);
        EXPECT_EQ(inner.boxes()[0].caption, QStringLiteral("Error"));
    }
    InfoBox(QStringLiteral("y"), QStringLiteral("z"));
    ASSERT_EQ(outer.boxes().size(), 1u);
    EXPECT_EQ(outer.boxes()[0].text, QStringLiteral("y"));
}

TEST(MessageBoxes, ShowStatusWritesTheFirstPanelOfTheRegisteredBar) {
    ShowStatus(QStringLiteral("Loading...")); // nowhere to go: must not crash
    {
        StatusBar bar;
        setStatusTarget(&bar);
        ShowStatus(QStringLiteral("Wraping..."));
        EXPECT_EQ(bar.panelText(StatusBar::PercentPanel), QStringLiteral("Wraping..."));
    }
    ShowStatus(QStringLiteral("Text out...")); // the bar is gone: forgotten, not dangling
    setStatusTarget(nullptr);
}

TEST(MessageBoxes, WaitWithMessagesKeepsEventsFlowingForAtLeastTheTime) {
    bool delivered = false;
    QTimer::singleShot(5, [&] { delivered = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    WaitWithMessages(40);
    EXPECT_GE(elapsed.elapsed(), 40);
    EXPECT_TRUE(delivered);

    bool posted = false;
    QTimer::singleShot(0, [&] { posted = true; });
    WaitWithMessages(0);
    EXPECT_TRUE(posted) << "even a zero wait lets pending events through";
}
