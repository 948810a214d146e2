#pragma once

#include <QFrame>
#include <QString>

namespace Lecterna {

// One text panel of the status bar: a sunken frame showing a single line, cut with an ellipsis
// when it does not fit. Its width comes from the bar, never from its text, so a long file name
// does not push the window wider; in a narrow window panels give way down to nothing.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setPreferredWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_preferredWidth = 0;
};

} // namespace Lecterna
