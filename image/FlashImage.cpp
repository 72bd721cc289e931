#include "image/FlashImage.h"

#include "image/FixedText.h"
#include "problem/Problem.h"

#include <cstring>
#include <limits>

namespace {

bool inRange(qint64 index)
{
    return index >= 0 && index < FlashImage::Size;
}

} // namespace

FlashImage::FlashImage() : m_bytes(Size, '\0') {}

FlashImage::FlashImage(QByteArray data) : m_bytes(std::move(data))
{
    if (m_bytes.size() > Size)
        m_bytes.truncate(Size);
    else if (m_bytes.size() < Size)
        m_bytes.append(QByteArray(Size - m_bytes.size(), '\0'));
}

unsigned char FlashImage::at(qint64 index) const
{
    if (!inRange(index))
        throw VireError::subscriptOutOfRange();
    return static_cast<unsigned char>(m_bytes.constData()[index]);
}

void FlashImage::set(qint64 index, unsigned char value)
{
    if (!inRange(index))
        throw VireError::subscriptOutOfRange();
    m_bytes.data()[index] = static_cast<char>(value);
}

void FlashImage::writeBytes(qint64 offset, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    if (!inRange(offset) || bytes.size() > Size - offset)
        throw VireError::subscriptOutOfRange();
    std::memcpy(m_bytes.data() + offset, bytes.data(), static_cast<size_t>(bytes.size()));
}

QString FlashImage::getText(qint32 offset, qint32 count) const
{
    if (count <= 0)
        return QString();
    const qint64 end = qint64(offset) + count;   // no overflow in 64 bits
    if (!inRange(offset) || end > Size)
        throw VireError::subscriptOutOfRange();
    QString text(count, Qt::Uninitialized);
    QChar *out = text.data();
    const auto *in = reinterpret_cast<const unsigned char *>(m_bytes.constData()) + offset;
    for (qint32 i = 0; i < count; ++i)
        out[i] = cp1252::toChar(in[i]);
    return text;
}

void FlashImage::putText(qint32 offset, const QString &text)
{
    // The device tools count characters in 16 bits: a longer text never starts.
    if (text.size() > std::numeric_limits<qint16>::max())
        throw VireError::overflow();
    if (text.isEmpty())
        return;
    if (!inRange(offset))
        throw VireError::subscriptOutOfRange();
    // The characters that fit the image are written; one beyond its end is the error.
    const qsizetype fits = qMin<qint64>(text.size(), Size - offset);
    const QChar *in = text.constData();
    char *out = m_bytes.data() + offset;
    for (qsizetype i = 0; i < fits; ++i) {
        const int code = cp1252::toByte(in[i]);
        if (code < 0)
            throw VireError::overflow();
        out[i] = static_cast<char>(code);
    }
    if (fits < text.size())
        throw VireError::subscriptOutOfRange();
}

void FlashImage::load(QByteArrayView data)
{
    const qsizetype n = qMin<qsizetype>(data.size(), Size);
    char *dst = m_bytes.data();
    if (n > 0)
        std::memcpy(dst, data.data(), static_cast<size_t>(n));
    std::memset(dst + n, 0, static_cast<size_t>(Size - n));
}
