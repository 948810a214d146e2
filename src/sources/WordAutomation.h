#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Lecterna {

// The members of an installed Word's automation object that the reading commands call when Word
// shows the document in place of the reading area. Nothing on this system implements it: no Word
// can be driven here, so WordSession never holds one and every command takes its text branch.
// The interface keeps the place where such a branch belongs, and lets tests fake one.
//
// Any member may fail; an implementation throws std::runtime_error with the server's own text,
// which the command reports before its own message.
class WordAutomation {
public:
    virtual ~WordAutomation() = default;

    // Macros of the template Lecterna.dot.
    static constexpr std::string_view kStartOfWindow = "StartOfWindow"; // selection to the first visible character
    static constexpr std::string_view kEndOfWindow = "EndOfWindow";     // selection to the last visible character
    static constexpr std::string_view kAutoScroll = "AutoScroll";       // Word's own scrolling

    // ActiveWindow.LargeScroll: one screen down (1) or up (-1).
    virtual void largeScroll(int direction) = 0;
    // Run with MacroName.
    virtual void run(std::string_view macroName) = 0;

    // Selection.Start / End: character positions; after selecting everything End is the length.
    virtual int64_t selectionStart() = 0;
    virtual int64_t selectionEnd() = 0;
    // Selection.Text, in the book's code page.
    virtual std::string selectionText() = 0;
    // ActiveDocument.Select (the whole document).
    virtual void selectAll() = 0;
    // Selection.Copy.
    virtual void copySelection() = 0;

    // Selection.Find.Execute with Wrap 0: true when found, the match then selected.
    struct FindRequest {
        std::string text;
        bool matchCase = false;
        bool matchWholeWord = false;
        bool forward = true;
    };
    virtual bool findExecute(const FindRequest& request) = 0;

    // Selection.Font.Grow / Shrink.
    virtual void fontGrow() = 0;
    virtual void fontShrink() = 0;
    // ParagraphFormat of the Normal style: Space1, Space15, Space2, or LineSpacing in points.
    enum class Spacing { Single, OneAndHalf, Double };
    virtual void setParagraphSpacing(Spacing spacing) = 0;
    virtual void setLineSpacingPoints(double points) = 0;

    // ActiveWindow.View.Zoom.Percentage.
    virtual void setZoomPercentage(int percent) = 0;

    // Bookmarks.Add at the selection; Selection.GoTo(-1, , , name).
    virtual void addBookmark(std::string_view name) = 0;
    virtual void goToBookmark(std::string_view name) = 0;

    // ScreenUpdating.
    virtual void setScreenUpdating(bool on) = 0;
};

} // namespace Lecterna
