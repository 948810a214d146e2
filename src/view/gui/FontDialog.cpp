#include "view/gui/FontDialog.h"

#include "view/FontCharsets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Lecterna {

namespace {

constexpr int kMinHeight = 2;
constexpr int kMaxHeight = 255;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QFontDatabase::WritingSystem FontDialog::writingSystem(int charset) {
    switch (charset) {
    case FontCharsets::kCyrillic: return QFontDatabase::Cyrillic;
    case FontCharsets::kGreek: return QFontDatabase::Greek;
    case FontCharsets::kHebrew: return QFontDatabase::Hebrew;
    case FontCharsets::kArabic: return QFontDatabase::Arabic;
    case FontCharsets::kVietnamese: return QFontDatabase::Vietnamese;
    case FontCharsets::kThai: return QFontDatabase::Thai;
    // Western, Central European, Baltic and Turkish text is Latin script with its own accents;
    // the DOS code pages share the ASCII half.
    default: return QFontDatabase::Latin;
    }
}

std::vector<int> FontDialog::charsetsOf(const QString& family) {
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    std::vector<int> result;
    for (const FontCharsets::Charset& c : FontCharsets::all())
        if (systems.isEmpty() || systems.contains(writingSystem(c.number)))
            result.push_back(c.number);
    return result;
}

FontDialog::FontDialog(const Choice& initial, double dpi, QWidget* parent) : QDialog(parent), m_dpi(dpi) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Шрифт"));

    m_family = new QComboBox(this);
    m_family->setObjectName(QStringLiteral("fontFamilyBox"));
    m_family->addItems(QFontDatabase::families());
    m_family->setMaxVisibleItems(20);

    m_height = new QSpinBox(this);
    m_height->setObjectName(QStringLiteral("fontHeightBox"));
    m_height->setRange(kMinHeight, kMaxHeight);
    m_height->setSuffix(QStringLiteral(" пикс."));
    m_points = new QLabel(this);
    m_points->setObjectName(QStringLiteral("fontPointsLabel"));
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(m_height);
    heightRow->addWidget(m_points, 1);

    m_bold = new QCheckBox(QStringLiteral("&Полужирный"), this);
    m_bold->setObjectName(QStringLiteral("fontBoldBox"));

    m_charset = new QComboBox(this);
    m_charset->setObjectName(QStringLiteral("charsetBox"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Шрифт:"), m_family);
    auto* heightLabel = new QLabel(QStringLiteral("&Размер:"), this);
    heightLabel->setBuddy(m_height); // a row of two widgets gets no buddy by itself
    form->addRow(heightLabel, heightRow);
    form->addRow(QString(), m_bold);
    form->addRow(QStringLiteral("&Набор символов:"), m_charset);

    auto* sample = new QGroupBox(QStringLiteral("Образец"), this);
    m_preview = new QLabel(sample);
    m_preview->setObjectName(QStringLiteral("previewLabel"));
    m_preview->setAlignment(Qt::AlignCenter);
    // A fixed room: a 255-pixel sample is cut rather than blowing the dialog up.
    m_preview->setFixedSize(360, 90);
    auto* sampleLayout = new QVBoxLayout(sample);
    sampleLayout->addWidget(m_preview);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    m_buttons->button(QDialogButtonBox::Apply)->setText(QStringLiteral("Применить"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { emit applied(choice()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sample);
    layout->addWidget(m_buttons);

    setChoice(initial);

    connect(m_family, &QComboBox::currentIndexChanged, this, [this] {
        fillCharsets(m_charset->currentData().toInt());
        updatePreview();
    });
    connect(m_height, &QSpinBox::valueChanged, this, &FontDialog::updatePreview);
    connect(m_bold, &QCheckBox::toggled, this, &FontDialog::updatePreview);
    connect(m_charset, &QComboBox::currentIndexChanged, this, &FontDialog::updatePreview);
}

void FontDialog::setChoice(const Choice& choice) {
    const QString family = qs(choice.font.name);
    // A name the font database resolves by substitution ("Arial" on a system without it) is kept
    // as the book has it: the reader must not rename a font the user never touched.
    int index = m_family->findText(family, Qt::MatchFixedString);
    if (index < 0) {
        m_family->insertItem(0, family);
        index = 0;
    }
    const QSignalBlocker block(m_family);
    m_family->setCurrentIndex(index);
    m_height->setValue(std::clamp(choice.font.pixelHeight, kMinHeight, kMaxHeight));
    m_bold->setChecked(choice.font.bold);
    fillCharsets(choice.charset);
    updatePreview();
}

FontDialog::Choice FontDialog::choice() const {
    Choice c;
    c.font.name = m_family->currentText().toStdString();
    c.font.pixelHeight = m_height->value();
    c.font.bold = m_bold->isChecked();
    c.charset = m_charset->currentData().toInt();
    return c;
}

void FontDialog::fillCharsets(int wanted) {
    const QSignalBlocker block(m_charset);
    m_charset->clear();
    std::vector<int> sets = charsetsOf(m_family->currentText());
    // The set the font has now stays on offer, so opening and closing the chooser changes nothing.
    if (std::find(sets.begin(), sets.end(), wanted) == sets.end())
        sets.insert(sets.begin(), wanted);
    for (int set : sets)
        m_charset->addItem(qs(FontCharsets::name(set)), set);
    m_charset->setCurrentIndex(std::max(0, m_charset->findData(wanted)));
}

void FontDialog::updatePreview() {
    const Choice c = choice();
    QFont font(qs(c.font.name));
    font.setPixelSize(c.font.pixelHeight);
    font.setBold(c.font.bold);
    m_preview->setFont(font);
    m_preview->setText(QFontDatabase::writingSystemSample(writingSystem(c.charset)));
    const double points = c.font.pixelHeight * 72.0 / (m_dpi > 0 ? m_dpi : 96.0);
    m_points->setText(QStringLiteral("(%1 пт)").arg(points, 0, 'f', points == std::floor(points) ? 0 : 1));
}

} // namespace Lecterna
