#include "view/gui/StatusBar.h"

#include "view/gui/StatusPanel.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace Lecterna {

namespace {

// Widths the panels were designed for with a small system font whose letters average 6 px;
// they grow and shrink with the average letter width of the font actually used.
constexpr std::array<int, StatusBar::PanelCount> kDesignWidths = {100, 55, 125, 100, 55, 50, 100};
constexpr double kDesignLetterWidth = 6.0;

QWidget* makeButtonPanel(QWidget* parent, const QString& objectName) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(objectName);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(1);
    return panel;
}

} // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusBar"));
    for (int i = 0; i < PanelCount; ++i) {
        if (i == SegmentPanel || i == SizeButtonsPanel)
            continue;
        m_panels[i] = new StatusPanel(this);
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i));
    }
    m_panels[PercentPanel]->setToolTip(QStringLiteral("Объём прочитанного текста"));
    m_panels[ReadingTimePanel]->setToolTip(
        QStringLiteral("Продолжительность чтения файла (Предполагаемое время до окончания чтения)"));
    m_panels[FileSizePanel]->setToolTip(QStringLiteral("Размер файла"));
    m_panels[FileNamePanel]->setToolTip(QStringLiteral("Название файла (Описание файла)"));

    m_panels[SegmentPanel] = makeButtonPanel(this, QStringLiteral("panel1"));
    m_currentSegmentButton = makeButton(m_panels[SegmentPanel], QStringLiteral("currentSegmentButton"));
    m_currentSegmentButton->setToolTip(QStringLiteral("Текущий сегмент файла"));
    m_currentSegmentButton->setText(QStringLiteral("1"));
    m_nextSegmentButton = makeButton(m_panels[SegmentPanel], QStringLiteral("nextSegmentButton"));
    m_nextSegmentButton->setToolTip(QStringLiteral("Перейти к следующему сегменту (Ctrl+PgDn)"));
    m_nextSegmentButton->setText(QStringLiteral(">>"));
    connect(m_currentSegmentButton, &QToolButton::clicked, this, [this] {
        if (m_segmentMenu && !m_segmentMenu->isEmpty())
            m_segmentMenu->popup(QCursor::pos());
    });
    connect(m_nextSegmentButton, &QToolButton::clicked, this, &StatusBar::nextSegmentRequested);

    m_panels[SizeButtonsPanel] = makeButtonPanel(this, QStringLiteral("panel4"));
    const std::array<const char*, 2> sizeNames = {"fontLargerButton", "fontSmallerButton"};
    const std::array<const char*, 2> speedNames = {"speedUpButton", "slowDownButton"};
    for (size_t i = 0; i < 2; ++i) {
        m_sizeButtons[i] = makeButton(m_panels[SizeButtonsPanel], QString::fromLatin1(sizeNames[i]));
        m_speedButtons[i] = makeButton(m_panels[SizeButtonsPanel], QString::fromLatin1(speedNames[i]));
        m_speedButtons[i]->hide();
    }

    for (int i = 0; i < PanelCount; ++i)
        addWidget(m_panels[i], i == FileNamePanel ? 1 : 0);
    m_panels[SegmentPanel]->hide();
    m_panels[ExtraPanel]->hide();
    applyWidths();
}

QToolButton* StatusBar::makeButton(QWidget* parent, const QString& objectName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    parent->layout()->addWidget(button);
    return button;
}

int StatusBar::scaled(int designWidth) const {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double letterWidth = QFontMetricsF(font()).horizontalAdvance(alphabet) / alphabet.size();
    return qRound(designWidth * letterWidth / kDesignLetterWidth);
}

void StatusBar::applyWidths() {
    for (int i = 0; i < PanelCount; ++i) {
        if (auto* textPanel = qobject_cast<StatusPanel*>(m_panels[i]))
            textPanel->setPreferredWidth(scaled(kDesignWidths[i]));
        else
            m_panels[i]->setFixedWidth(scaled(kDesignWidths[i]));
    }
    // The name panel takes what is left, so the layout treats its minimum as its wish; without a
    // real minimum a narrow window would squeeze the name away before the figures gave way.
    m_panels[FileNamePanel]->setMinimumWidth(scaled(kDesignWidths[FileNamePanel]));
    const int iconSide = qMax(12, fontMetrics().height() - 2);
    for (QToolButton* button : {m_sizeButtons[0], m_sizeButtons[1], m_speedButtons[0], m_speedButtons[1]})
        button->setIconSize(QSize(iconSide, iconSide));
}

void StatusBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyWidths();
}

void StatusBar::setPanelText(Panel panel, const QString& text) {
    if (auto* textPanel = qobject_cast<StatusPanel*>(m_panels[panel]))
        textPanel->setText(text);
}

QString StatusBar::panelText(Panel panel) const {
    auto* textPanel = qobject_cast<StatusPanel*>(m_panels[panel]);
    return textPanel ? textPanel->text() : QString();
}

void StatusBar::showStatus(const QString& text) {
    setPanelText(PercentPanel, text);
    m_panels[PercentPanel]->repaint();
}

void StatusBar::setSegmentPanelShown(bool shown) {
    m_panels[SegmentPanel]->setVisible(shown);
}

bool StatusBar::segmentPanelShown() const {
    return !m_panels[SegmentPanel]->isHidden();
}

void StatusBar::setCurrentSegment(int segment) {
    m_currentSegmentButton->setText(QString::number(segment + 1));
}

void StatusBar::setNextSegmentEnabled(bool enabled) {
    m_nextSegmentButton->setEnabled(enabled);
}

void StatusBar::setSizeActions(QAction* larger, QAction* smaller) {
    m_sizeButtons[0]->setDefaultAction(larger);
    m_sizeButtons[1]->setDefaultAction(smaller);
}

void StatusBar::setSpeedActions(QAction* faster, QAction* slower) {
    m_speedButtons[0]->setDefaultAction(faster);
    m_speedButtons[1]->setDefaultAction(slower);
}

void StatusBar::setSpeedButtonsShown(bool shown) {
    m_speedShown = shown;
    for (size_t i = 0; i < 2; ++i) {
        m_sizeButtons[i]->setVisible(!shown);
        m_speedButtons[i]->setVisible(shown);
    }
}

void StatusBar::showExtraPanel(const QString& text, const QString& hint) {
    setPanelText(ExtraPanel, text);
    m_panels[ExtraPanel]->setToolTip(hint);
    m_panels[ExtraPanel]->show();
}

void StatusBar::hideExtraPanel() {
    m_panels[ExtraPanel]->hide();
    setPanelText(ExtraPanel, QString());
}

bool StatusBar::extraPanelShown() const {
    return !m_panels[ExtraPanel]->isHidden();
}

} // namespace Lecterna
