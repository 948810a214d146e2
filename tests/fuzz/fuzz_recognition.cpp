// Paragraph recognition over arbitrary text: the copying and the in-place forms agree, and without
// inter-paragraph lines the result never outgrows the text (which the in-place form relies on).
#include "app/ProgressSink.h"
#include "view/LetterTables.h"
#include "view/ParagraphRecognizer.h"

#include <cstdlib>
#include <string>

using namespace Lecterna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    static const LetterTables tables({866, 1251});
    RecognitionOptions options;
    options.nonAlphaSymbolIsParagraphBegin = data[0] & 1;
    options.addInterParagraphSpace = data[0] & 2;
    const ParagraphRecognizer recognizer((data[0] & 4) ? tables.oem() : tables.ansi(), options);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    NullProgress progress;
    std::string copied;
    if (!recognizer.recognize(text, copied, progress))
        std::abort();
    std::string inPlace = text;
    if (!recognizer.recognizeInPlace(inPlace, progress) || inPlace != copied)
        std::abort();
    if (!options.addInterParagraphSpace && copied.size() > text.size())
        std::abort();
    if (copied.find('\n') != std::string::npos)
        std::abort();
    return 0;
}
