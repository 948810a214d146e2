#pragma once

namespace Lecterna {

struct ByteMetrics;

// Letter spacing modes as stored with a book. Any other stored value reads as normal.
enum class LetterSpacingMode { Condensed = 1, Normal = 2, Wide = 3 };

// Extra pixels after every character for a stored mode and a font size in points: condensed
// takes away `condensedPercent` of the size, wide adds `widePercent` of it, both rounded to
// whole pixels (halves to even). Modes other than 1 and 3 give 0.
int letterSpacingPixels(int mode, double pointSize, int condensedPercent, int widePercent);

// Adds `pixels` to the advance of every byte that takes room in a line (TAB and zero-width bytes
// keep theirs). A condensed spacing never makes an advance negative, so widths still grow with
// every byte added to a line.
void applyLetterSpacing(ByteMetrics& metrics, int pixels);

} // namespace Lecterna
