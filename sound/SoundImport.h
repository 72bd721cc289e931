#pragma once

#include "sound/wavmodule.h"

#include <QString>

class FlashImage;

// The sound name a file gets: its file name without the last four characters
// (when it has more than four), spelled as the image can hold it
// (cp1252::spell), padded with blanks or cut to 16 characters.
QString soundNameForPath(const QString &path);

// Loads the WAV file at path and copies up to 65,520 of its sample bytes into
// the sample area of sound bank 1..7; the rest of that area keeps its bytes.
// Returns the bank's new 16-character name, for the bank's sound-name box.
// Throws VireError (the loader's failures; 9 for a bank outside 1..7), and
// then nothing in the image has changed. format, when given, receives what
// the file says of its samples; taken, the bytes copied into the bank.
QString importWave(FlashImage &fb, int bank, const QString &path, wavmodule::WaveFormat *format = nullptr,
                   qint64 *taken = nullptr);
