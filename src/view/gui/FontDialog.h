#pragma once

#include "view/Reader.h"

#include <QDialog>
#include <QFontDatabase>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace Lecterna {

// The reading font chooser: name, character height in pixels (2..255, with the points it makes
// beside it), bold, the character set, and a sample drawn in the font. "Применить" announces the
// font so the page can preview it while the chooser stays open; OK and Cancel close it as usual.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        ReadingFont font;
        int charset = 0;
    };

    // `dpi` converts pixels into the points shown beside the height.
    FontDialog(const Choice& initial, double dpi, QWidget* parent = nullptr);

    Choice choice() const;
    void setChoice(const Choice& choice);

    // The script a character set stands for among the fonts' writing systems.
    static QFontDatabase::WritingSystem writingSystem(int charset);
    // The character sets a font family can show, in the chooser's order.
    static std::vector<int> charsetsOf(const QString& family);

signals:
    void applied(const FontDialog::Choice& choice);

private:
    void fillCharsets(int wanted);
    void updatePreview();

    double m_dpi;
    QComboBox* m_family;
    QSpinBox* m_height;
    QLabel* m_points;
    QCheckBox* m_bold;
    QComboBox* m_charset;
    QLabel* m_preview;
    QDialogButtonBox* m_buttons;
};

} // namespace Lecterna
