#pragma once

#include <QWidget>

namespace Lecterna {

// The small window shown while the program starts: the program's name and "Загрузка . . .".
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 222;
    static constexpr int ClientHeight = 86;
    static constexpr int BorderWidth = 5;

    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window centred and paints it before the caller goes on with the slow start.
    void showNow();

    // The fonts in use, after substitution (tests check the fallback).
    QFont titleFont() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Lecterna
