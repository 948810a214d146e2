#include "sources/WordSession.h"

namespace Lecterna {

bool WordSession::pageScroll(int direction) {
    if (!documentShown())
        return false;
    m_word->largeScroll(direction < 0 ? -1 : 1);
    return true;
}

bool WordSession::startAutoscroll() {
    if (!documentShown())
        return false;
    m_word->run(WordAutomation::kAutoScroll);
    return true;
}

} // namespace Lecterna
