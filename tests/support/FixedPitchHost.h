#pragma once

#include "view/Reader.h"

#include <string>
#include <vector>

namespace Lecterna::Test {

// A reading-session host without a screen: every byte is half the character height wide (so
// wrap widths are easy to reason about), 96 dpi, and message boxes are recorded, not shown.
class FixedPitchHost final : public ReaderHost {
public:
    ByteMetrics prepareFont(const ReadingFont& font, int, bool, int letterSpacing) override {
        ByteMetrics m =
            ByteMetrics::fixedPitch(std::max(1, font.pixelHeight / 2 + letterSpacing), 8 * font.pixelHeight / 2);
        m.textHeight = m.charHeight = font.pixelHeight;
        return m;
    }
    double screenDpi() const override { return 96; }
    int scrollBarWidth() const override { return 16; }
    RecodeObserver& recodeObserver() override { return observer; }
    void showStatus(std::string_view) override {}
    void errorBox(const std::string& text) override { errors.push_back(text); }
    void infoBox(const std::string& text, const std::string&) override { infos.push_back(text); }

    NullRecodeObserver observer;
    std::vector<std::string> errors;
    std::vector<std::string> infos;
};

} // namespace Lecterna::Test
