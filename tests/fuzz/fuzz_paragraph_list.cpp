// Splitting arbitrary bytes into paragraphs: every byte lands in exactly one paragraph or break.
#include "document/ParagraphList.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Lecterna::ParagraphList list;
    list.setTextKeepingNul(std::string(reinterpret_cast<const char*>(data), size));
    size_t covered = 0;
    for (size_t i = 0; i < list.count(); ++i)
        covered += list.span(i).length;
    if (covered > size)
        std::abort();
    return 0;
}
