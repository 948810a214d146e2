#include "view/gui/StatusBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

// A status bar at the bottom of a real window, so that the layout gives its panels their places.
struct Frame {
    Frame() {
        window.resize(800, 300);
        bar = new StatusBar(&window);
        bar->setSizeActions(&larger, &smaller);
        bar->setSpeedActions(&faster, &slower);
        window.setStatusBar(bar);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }
    void settle() { QCoreApplication::processEvents(); }
    QToolButton* button(const char* name) const { return bar->findChild<QToolButton*>(QString::fromLatin1(name)); }
    bool visible(const char* name) const { return button(name)->isVisibleTo(bar); }

    QMainWindow window;
    StatusBar* bar = nullptr;
    QAction larger{QStringLiteral("Увеличить шрифт")};
    QAction smaller{QStringLiteral("Уменьшить шрифт")};
    QAction faster{QStringLiteral("Увеличить скорость")};
    QAction slower{QStringLiteral("Уменьшить скорость")};
};

} // namespace

TEST(StatusBar, PanelsStandInOrderWithTheirHints) {
    Frame f;
    const std::vector<std::pair<StatusBar::Panel, QString>> hints = {
        {StatusBar::PercentPanel, QStringLiteral("Объём прочитанного текста")},
        {StatusBar::ReadingTimePanel,
         QStringLiteral("Продолжительность чтения файла (Предполагаемое время до окончания чтения)")},
        {StatusBar::FileSizePanel, QStringLiteral("Размер файла")},
        {StatusBar::FileNamePanel, QStringLiteral("Название файла (Описание файла)")},
        {StatusBar::SegmentPanel, QString()},
        {StatusBar::SizeButtonsPanel, QString()},
    };
    for (const auto& [panel, hint] : hints)
        EXPECT_EQ(f.bar->panel(panel)->toolTip(), hint) << panel;

    // With one segment panel 1 takes no room; the rest stand left to right, the name filling the rest.
    EXPECT_FALSE(f.bar->panel(StatusBar::SegmentPanel)->isVisible());
    int previousRight = -1;
    for (StatusBar::Panel panel : {StatusBar::PercentPanel, StatusBar::ReadingTimePanel, StatusBar::FileSizePanel,
                                   StatusBar::SizeButtonsPanel, StatusBar::FileNamePanel}) {
        const QRect r = f.bar->panel(panel)->geometry();
        EXPECT_GT(r.left(), previousRight) << panel;
        previousRight = r.right();
    }
    EXPECT_GT(f.bar->panel(StatusBar::ReadingTimePanel)->width(), f.bar->panel(StatusBar::PercentPanel)->width());
    EXPECT_GT(f.bar->panel(StatusBar::FileNamePanel)->width(), f.bar->panel(StatusBar::PercentPanel)->width());

    f.bar->setSegmentPanelShown(true);
    f.settle();
    EXPECT_TRUE(f.bar->panel(StatusBar::SegmentPanel)->isVisible());
    EXPECT_LT(f.bar->panel(StatusBar::PercentPanel)->x(), f.bar->panel(StatusBar::SegmentPanel)->x());
    EXPECT_LT(f.bar->panel(StatusBar::SegmentPanel)->x(), f.bar->panel(StatusBar::ReadingTimePanel)->x());
}

TEST(StatusBar, ALongFileNameDoesNotWidenTheWindow) {
    Frame f;
    const int before = f.window.minimumSizeHint().width();
    f.bar->setPanelText(StatusBar::FileNamePanel, QString(400, QLatin1Char('x')));
    f.settle();
    EXPECT_EQ(f.window.minimumSizeHint().width(), before);
}

TEST(StatusBar, SegmentButtons) {
    Frame f;
    QMenu menu;
    menu.addAction(QStringLiteral("1"));
    f.bar->setSegmentMenu(&menu);
    f.bar->setSegmentPanelShown(true);
    f.bar->setCurrentSegment(1);
    EXPECT_EQ(f.button("currentSegmentButton")->text(), QStringLiteral("2"));
    EXPECT_EQ(f.button("currentSegmentButton")->toolTip(), QStringLiteral("Текущий сегмент файла"));
    EXPECT_EQ(f.button("nextSegmentButton")->text(), QStringLiteral(">>"));
    EXPECT_EQ(f.button("nextSegmentButton")->toolTip(), QStringLiteral("Перейти к следующему сегменту (Ctrl+PgDn)"));

    QSignalSpy next(f.bar, &StatusBar::nextSegmentRequested);
    f.button("nextSegmentButton")->click();
    EXPECT_EQ(next.size(), 1);
    f.bar->setNextSegmentEnabled(false);
    f.button("nextSegmentButton")->click();
    EXPECT_EQ(next.size(), 1) << "no next segment after the last";

    f.button("currentSegmentButton")->click();
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

TEST(StatusBar, AutoscrollSwapsTheButtonPairAndAddsTheSeventhPanel) {
    Frame f;
    EXPECT_TRUE(f.visible("fontLargerButton"));
    EXPECT_FALSE(f.visible("speedUpButton"));
    EXPECT_EQ(f.button("fontLargerButton")->defaultAction(), &f.larger);
    EXPECT_EQ(f.button("fontLargerButton")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    const int nameWidth = f.bar->panel(StatusBar::FileNamePanel)->width();

    f.bar->setSpeedButtonsShown(true);
    f.bar->showExtraPanel(QStringLiteral("60.0 %"), QStringLiteral("Относительная скорость автоскроллинга"));
    f.settle();
    EXPECT_FALSE(f.visible("fontLargerButton"));
    EXPECT_FALSE(f.visible("fontSmallerButton"));
    EXPECT_TRUE(f.visible("speedUpButton"));
    EXPECT_TRUE(f.visible("slowDownButton"));
    EXPECT_EQ(f.button("slowDownButton")->defaultAction(), &f.slower);

    QWidget* extra = f.bar->panel(StatusBar::ExtraPanel);
    EXPECT_TRUE(extra->isVisible());
    EXPECT_EQ(f.bar->panelText(StatusBar::ExtraPanel), QStringLiteral("60.0 %"));
    EXPECT_EQ(extra->toolTip(), QStringLiteral("Относительная скорость автоскроллинга"));
    EXPECT_GT(extra->x(), f.bar->panel(StatusBar::FileNamePanel)->geometry().right());
    // The name panel gives up what the seventh panel takes, spacing aside.
    const int shrink = nameWidth - f.bar->panel(StatusBar::FileNamePanel)->width();
    EXPECT_GE(shrink, extra->width());
    EXPECT_LE(shrink, extra->width() + 12);

    f.bar->setPanelText(StatusBar::ExtraPanel, QStringLiteral("Пауза"));
    EXPECT_EQ(f.bar->panelText(StatusBar::ExtraPanel), QStringLiteral("Пауза"));

    f.bar->setSpeedButtonsShown(false);
    f.bar->hideExtraPanel();
    f.settle();
    EXPECT_TRUE(f.visible("fontLargerButton"));
    EXPECT_FALSE(f.visible("speedUpButton"));
    EXPECT_FALSE(f.bar->extraPanelShown());
    EXPECT_EQ(f.bar->panel(StatusBar::FileNamePanel)->width(), nameWidth);
}
