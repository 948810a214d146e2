#include "view/gui/FontCommands.h"

#include "app/Settings.h"
#include "app/gui/MainWindow.h"
#include "app/gui/ReaderActions.h"
#include "view/Reader.h"
#include "view/gui/FontDialog.h"

#include <QAction>
#include <QApplication>

namespace Lecterna {

namespace {

// The hourglass for the length of a scope, also when the work throws.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// "Ждите..." in the window caption for the length of a scope; the caption comes back after.
class WaitCaption {
public:
    explicit WaitCaption(QWidget& window) : m_window(window), m_kept(window.windowTitle()) {
        m_window.setWindowTitle(QString::fromUtf8(FontCommands::kWaitCaption));
    }
    ~WaitCaption() { m_window.setWindowTitle(m_kept); }
    WaitCaption(const WaitCaption&) = delete;
    WaitCaption& operator=(const WaitCaption&) = delete;

private:
    QWidget& m_window;
    QString m_kept;
};

} // namespace

FontCommands::FontCommands(MainWindow& window, Reader& reader, const Settings& settings, std::function<void()> refresh,
                           QObject* parent)
    : QObject(parent), m_window(window), m_reader(reader), m_settings(settings), m_refresh(std::move(refresh)) {
    ReaderActions& actions = window.actions();
    connect(actions.action(ReaderActions::ChooseFont), &QAction::triggered, this, &FontCommands::chooseFont);
    connect(actions.action(ReaderActions::FitSize), &QAction::triggered, this, [this] { fitSize(false); });

    m_invertedFit = new QAction(this);
    m_invertedFit->setObjectName(QStringLiteral("fitSizeInvertedAction"));
    m_invertedFit->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F9));
    m_invertedFit->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_invertedFit);
    connect(m_invertedFit, &QAction::triggered, this, [this] {
        // Enabled together with the plain command, which knows whether a book is open.
        if (m_window.actions().action(ReaderActions::FitSize)->isEnabled())
            fitSize(true);
    });
}

void FontCommands::chooseFont() {
    if (!m_reader.isOpen())
        return;
    const ReadingFont kept = m_reader.view().font;
    const int keptCharset = m_reader.charset();

    FontDialog dialog({kept, keptCharset}, m_window.logicalDpiY(), &m_window);
    bool previewed = false;
    connect(&dialog, &FontDialog::applied, this, [&](const FontDialog::Choice& choice) {
        {
            const WaitCursor wait;
            m_reader.previewFont(choice.font);
            previewed = true;
        }
        m_refresh();
    });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    {
        const WaitCursor wait;
        if (accepted)
            m_reader.setFont(dialog.choice().font);
        else if (previewed)
            m_reader.previewFont(kept); // the lines were never laid out for the previewed font
        m_reader.setFontCharset(accepted ? dialog.choice().charset : keptCharset);
    }
    m_refresh();
}

void FontCommands::fitSize(bool invertOnce) {
    if (!m_reader.isOpen())
        return;
    {
        const WaitCursor wait;
        const WaitCaption caption(m_window);
        // Ctrl+Alt+F9 inverts the setting for this fitting only: equal, the widest line decides.
        m_reader.fitFontSize(m_settings.flag(Settings::Key::SmartFontSearch) != invertOnce);
    }
    m_refresh();
}

} // namespace Lecterna
