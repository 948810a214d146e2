#pragma once

#include <QStatusBar>

#include <array>

class QAction;
class QMenu;
class QToolButton;

namespace Lecterna {

class StatusPanel;

// The reading window's status bar: six panels, and a seventh while autoscroll runs or the Buffer
// is open. It only shows what it is given; the reading statistics are computed elsewhere.
//
//   0 percentage read or a progress caption   1 segment buttons (hidden with one segment)
//   2 reading time                            3 file size
//   4 font size buttons / speed buttons       5 file name, taking the rest of the width
//   6 autoscroll speed or "БУФЕР", 100 px at the right
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum Panel {
        PercentPanel = 0,
        SegmentPanel = 1,
        ReadingTimePanel = 2,
        FileSizePanel = 3,
        SizeButtonsPanel = 4,
        FileNamePanel = 5,
        ExtraPanel = 6,
    };
    static constexpr int PanelCount = 7;

    explicit StatusBar(QWidget* parent = nullptr);

    // Text of a text panel (0, 2, 3, 5, 6); the button panels ignore it.
    void setPanelText(Panel panel, const QString& text);
    QString panelText(Panel panel) const;
    // Panel 0 text painted at once, for captions shown while the event loop is blocked.
    void showStatus(const QString& text);
    // The panel's widget (tests and the placement of pop-ups use it).
    QWidget* panel(Panel panel) const { return m_panels[panel]; }

    // Segment buttons of panel 1: the current segment's number opens `menu` at the mouse.
    void setSegmentMenu(QMenu* menu) { m_segmentMenu = menu; }
    void setSegmentPanelShown(bool shown);
    bool segmentPanelShown() const;
    void setCurrentSegment(int segment);
    void setNextSegmentEnabled(bool enabled);

    // Button pairs of panel 4; the buttons show only the actions' images.
    void setSizeActions(QAction* larger, QAction* smaller);
    void setSpeedActions(QAction* faster, QAction* slower);
    // During autoscroll the speed pair replaces the font size pair.
    void setSpeedButtonsShown(bool shown);
    bool speedButtonsShown() const { return m_speedShown; }

    // The seventh panel with its text and hint; panel 5 gives up the width it takes.
    void showExtraPanel(const QString& text, const QString& hint);
    void hideExtraPanel();
    bool extraPanelShown() const;

signals:
    void nextSegmentRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyWidths();
    int scaled(int designWidth) const;
    QToolButton* makeButton(QWidget* parent, const QString& objectName);

    std::array<QWidget*, PanelCount> m_panels{};
    QToolButton* m_currentSegmentButton = nullptr;
    QToolButton* m_nextSegmentButton = nullptr;
    std::array<QToolButton*, 2> m_sizeButtons{};
    std::array<QToolButton*, 2> m_speedButtons{};
    QMenu* m_segmentMenu = nullptr;
    bool m_speedShown = false;
};

} // namespace Lecterna
