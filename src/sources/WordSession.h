#pragma once

#include "sources/WordAutomation.h"

namespace Lecterna {

// Whether Word shows the open document in place of the reading area, and the automation object
// that does it. Every reading command with a Word branch asks here first and takes the text
// branch when the answer is no, which on this system it always is: nothing attaches a Word.
class WordSession {
public:
    bool documentShown() const { return m_word != nullptr; }
    WordAutomation* word() const { return m_word; }

    // The document is shown by `word` (not owned) until detach().
    void attach(WordAutomation& word) { m_word = &word; }
    void detach() { m_word = nullptr; }

    // The Word branches of the reading commands of the navigation. Each returns false when no
    // Word document is shown, and the caller goes on with its text branch.
    // PgUp / PgDn: one screen of the Word window.
    bool pageScroll(int direction);
    // The autoscroll command: Word's own scrolling through the template's macro.
    bool startAutoscroll();

private:
    WordAutomation* m_word = nullptr;
};

} // namespace Lecterna
