#pragma once

#include <QIcon>
#include <QImage>

class QStyle;

// The window's pictures, drawn here rather than loaded from files.
namespace pictures {

// Button pictures, 14 x 14 at 1x, each drawn when first shown at the size shown.
QIcon openFolder();
QIcon floppyDisk();
QIcon loudspeaker();

// The application icon: a red desk telephone in 16 colours, 16 or 32 pixels;
// the icon draws each size when it is first shown.
QImage telephone(int size);
QIcon applicationIcon();

// The style the application would have anyway, except that the arrow on the
// overflow button of menu bars and toolbars is loaded when first shown: every
// menu bar asks for it when made, loading it opens all the image format
// plugins, and this window's menu bar never overflows.
QStyle *styleWithLazyOverflowArrow();

} // namespace pictures
