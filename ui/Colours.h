#pragma once

#include <QColor>
#include <QPalette>

// The window's fixed colours, kept where they read well and given up where a
// theme's background would hide them.
enum class FixedColour {
    Display,           // the count and flags displays' dark grey, on the base colour
    Caption,           // the "Numbers" caption's black, on the window colour
    ModifiedCaption,   // the caption's dark red while the book is changed
};

// WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The colour to draw a fixed colour in under this palette: the fixed one where
// its contrast with the background is at least 4.5:1 (displays) or 3:1
// (caption); otherwise the palette's text colour, and for the changed caption
// the red nearest the fixed one that reaches 3:1.
QColor readableColour(FixedColour use, const QPalette &palette);
