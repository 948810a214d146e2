#include "app/gui/SplashWindow.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScreen>

namespace Lecterna {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

QFont SplashWindow::titleFont() const {
    // Without the named face, fontconfig's substitute or at least some monospace.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    font.setBold(true);
    font.setPixelSize(40);
    return font;
}

QFont SplashWindow::captionFont() const {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")});
    font.setPixelSize(17);
    return font;
}

void SplashWindow::showNow() {
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // A raised outer edge, then the inner border, then a sunken edge around the text.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    const QRect inner = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(inner.adjusted(0, 0, -1, -1));

    const QRect text = inner.adjusted(1, 1, -1, -1);
    painter.setFont(titleFont());
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Lecterna"));
    painter.setFont(captionFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text.adjusted(0, 0, 0, -2), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Загрузка . . ."));
}

} // namespace Lecterna
