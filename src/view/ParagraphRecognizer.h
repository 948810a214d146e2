#pragma once

#include "view/LetterTables.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace Lecterna {

class ProgressSink;

// The recognition settings of the TxtParam section.
struct RecognitionOptions {
    // A line that does not begin with a letter starts a new paragraph.
    bool nonAlphaSymbolIsParagraphBegin = true;
    // An empty line goes in front of every paragraph.
    bool addInterParagraphSpace = false;
};

// Rejoins hard-wrapped lines into paragraphs. The result has one paragraph per line, every
// paragraph ended by a single CR (none after the last); empty lines between paragraphs survive
// as empty paragraphs. A line joins the one before it unless an empty line comes between or, by
// the options, it begins with a non-letter or with blanks; a word hyphenated across the break is
// glued together, otherwise the lines are joined with a space. Runs of spaces inside a paragraph
// become one; the indentation of a paragraph's first line is kept.
//
// One linear pass. The reader can skip through the progress sink, which is asked at spaces inside
// paragraphs, at most once every kPollInterval bytes.
class ParagraphRecognizer {
public:
    static constexpr size_t kPollInterval = 32 * 1024;

    ParagraphRecognizer(const LetterTable& letters, RecognitionOptions options)
        : m_letters(letters), m_options(options) {}

    // Builds the paragraphs of `in` in `out`. False when the reader skipped; `out` is then empty.
    bool recognize(std::string_view in, std::string& out, ProgressSink& progress) const;

    // The same, reusing the text's own buffer when the result cannot outgrow it (no empty line
    // between paragraphs), so a large book needs no second copy. When the reader skips, the text
    // is left half rebuilt and has to be made again from its source.
    bool recognizeInPlace(std::string& text, ProgressSink& progress) const;

private:
    // Writes the result at `out`, which may be `in` itself; when Growing, `out` is the buffer of
    // `growable`, which grows as needed. False when skipped; else `length` is the result's length.
    template <bool Growing>
    bool run(const char* in, size_t n, char* out, std::string* growable, size_t& length, ProgressSink& progress) const;

    const LetterTable& m_letters;
    RecognitionOptions m_options;
};

} // namespace Lecterna
