#include "view/gui/StatusPanel.h"

#include <QPainter>

namespace Lecterna {

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void StatusPanel::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void StatusPanel::setPreferredWidth(int width) {
    m_preferredWidth = width;
    updateGeometry();
}

QSize StatusPanel::sizeHint() const {
    return {m_preferredWidth, fontMetrics().height() + 2 * (frameWidth() + 1)};
}

QSize StatusPanel::minimumSizeHint() const {
    return {0, fontMetrics().height() + 2 * (frameWidth() + 1)};
}

void StatusPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(3, 0, -3, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    // Panels show one line; a tab (the context menu's separator) or a break would only garble it.
    QString line = m_text;
    line.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(line, Qt::ElideRight, area.width()));
}

} // namespace Lecterna
