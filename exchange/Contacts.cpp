#include "Contacts.h"

#include "FixedText.h"
#include "Layout.h"
#include "Rules.h"

namespace exchange {

namespace rules {

bool isDigits(const QString &text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString describeCharacter(char32_t code)
{
    const QString hex = QString::number(quint32(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    // Control characters are shown by their code alone.
    if (code < 0x20 || (code >= 0x7F && code < 0xA0))
        return QStringLiteral("U+") + hex;
    return QStringLiteral("U+%1 '%2'").arg(hex, QString::fromUcs4(&code, 1));
}

bool checkName(QString &name, int line, ReadResult &result)
{
    name = trimmedRight(name);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (cp1252::toByte(c) >= 0)
            continue;
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, name.at(i + 1));
        result.errors.append({line, QStringLiteral("name \"%1\" holds %2, which is not in Windows-1252")
                                        .arg(name, describeCharacter(code))});
        return false;
    }
    if (name.size() > layout::NameLength) {
        const QString cut = name.left(layout::NameLength);
        result.warnings.append(
            {line, QStringLiteral("name \"%1\" cut to %2 characters: \"%3\"").arg(name).arg(layout::NameLength).arg(cut)});
        name = cut;
    }
    return true;
}

} // namespace rules

QString trimmedRight(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

Format detectFormat(const QByteArray &bytes)
{
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    rest = rest.trimmed();
    constexpr QByteArrayView Begin("BEGIN:VCARD");
    if (rest.size() >= Begin.size() && rest.first(Begin.size()).compare(Begin, Qt::CaseInsensitive) == 0)
        return Format::VCard;
    return Format::Csv;
}

ReadResult readContacts(const QByteArray &bytes)
{
    return detectFormat(bytes) == Format::VCard ? readVCard(bytes) : readCsv(bytes);
}

} // namespace exchange
