#pragma once

#include "image/Layout.h"

#include <QString>
#include <array>

class FlashImage;
class PhoneBook;

// Working names of sound banks 1..7 (element 0 is bank 1).
using SoundNames = std::array<QString, layout::BankCount>;

// Decodes the phone-book area and the sound names. Throws VireError (kind
// NotAnImage or TooManyEntries), changing nothing, when the image is not one
// of this device family or holds more user records than the phone-book area
// has room for.
void readFB(const FlashImage &fb, PhoneBook &book, SoundNames &names);
SoundNames readSoundNames(const FlashImage &fb);

// Encodes the sound names and the phone book into the image; every other byte
// keeps its value. A book too large for the image is refused before any byte
// is written.
void buildFB(FlashImage &fb, const PhoneBook &book, const SoundNames &names);
void writeSoundNames(FlashImage &fb, const SoundNames &names);
void writeFB(FlashImage &fb, const PhoneBook &book);
