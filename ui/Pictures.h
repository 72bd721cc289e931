#pragma once

#include <QIcon>
#include <QImage>

// The window's pictures, drawn here rather than loaded from files.
namespace pictures {

// Button pictures, 14 x 14 at 1x (and sharper on high-density screens).
QIcon openFolder();
QIcon floppyDisk();
QIcon loudspeaker();

// The application icon: a red desk telephone in 16 colours, 16 or 32 pixels.
QImage telephone(int size);
QIcon applicationIcon();

} // namespace pictures
