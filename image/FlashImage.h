#pragma once

#include "image/Layout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The editor's copy of the device's flash: always exactly 524,288 bytes,
// every access bounds-checked (a bad index is the subscript-out-of-range error).
class FlashImage
{
public:
    static constexpr int Size = layout::ImageSize;

    FlashImage();
    // The first Size bytes of data, zeros for what it lacks; exactly Size bytes
    // are taken over as they are, without a copy.
    explicit FlashImage(QByteArray data);

    unsigned char at(qint64 index) const;
    void set(qint64 index, unsigned char value);

    // Copies bytes to offset; the whole range is checked before anything is written.
    void writeBytes(qint64 offset, QByteArrayView bytes);

    // count characters from offset, one per byte; a count of 0 or less gives "".
    QString getText(qint32 offset, qint32 count) const;
    // One byte per character, nothing padded. Bytes before a failing position stay written.
    void putText(qint32 offset, const QString &text);

    // The first Size bytes of data; what data lacks reads as zero.
    void load(QByteArrayView data);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
