#pragma once

#include <span>
#include <string>

namespace Lecterna {

class EncodingMenu;

// The character sets a reading font can be chosen with, and what choosing one does to the
// encoding: a font made for Greek shows the bytes of the book as Greek, so the Greek code-page
// item of the encoding menu becomes the current encoding without the text being decoded again.
class FontCharsets {
public:
    // Numbers as fonts have always carried them (they are also the encoding items' sets).
    static constexpr int kWestern = 0;
    static constexpr int kBaltic = 186;
    static constexpr int kCentralEuropean = 238;
    static constexpr int kCyrillic = 204;
    static constexpr int kGreek = 161;
    static constexpr int kHebrew = 177;
    static constexpr int kArabic = 178;
    static constexpr int kTurkish = 162;
    static constexpr int kVietnamese = 163;
    static constexpr int kThai = 222;
    static constexpr int kOem = 255;

    struct Charset {
        int number;
        const char* name; // the caption in the font chooser (UTF-8)
    };

    // Every set the font chooser knows, in the order it lists them.
    static std::span<const Charset> all();
    // The chooser's caption of a set; the number itself for one it does not know.
    static std::string name(int charset);

    // The encoding that goes with a reading font of `fontCharset` while `currentEncoding` is the
    // current item (-1 for none): the current one when its item carries that set; otherwise the
    // first of the Windows code-page items (Arabic .. Western European, in menu order) that
    // carries it; otherwise -1, no item.
    static int encodingForFont(const EncodingMenu& menu, int currentEncoding, int fontCharset);
};

} // namespace Lecterna
