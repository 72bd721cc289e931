#include "exchange/Contacts.h"

#include "image/FixedText.h"
#include "image/Layout.h"
#include "exchange/CodePage.h"
#include "exchange/Rules.h"
#include "spelling/Spelling.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace exchange {

namespace rules {

bool isDigits(QStringView text)
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

void checkName(QString &name, int line, ReadResult &result, const QString &phonetic)
{
    // Composed first: é written as e and a combining accent is é. Below
    // U+0300, where combining marks begin, text is composed already.
    if (!std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x300; }))
        name = name.normalized(QString::NormalizationForm_C);
    name = trimmedRight(name);
    if (cp1252::spellable(name)) {
        if (name.size() > layout::NameLength) {
            // What the cut leaves at the end is padding in the image, so it goes too.
            const QString cut = trimmedRight(name.left(layout::NameLength));
            result.warnings.append(Problem::at(line, QStringLiteral("name \"%1\" cut to %2 characters: \"%3\"")
                                              .arg(name, QString::number(layout::NameLength), cut)));
            name = cut;
        }
        return;
    }
    // One warning says all that became of the name. The phonetic name wins
    // unless it cannot be spelled either (kana, built without ICU).
    QString heard = trimmedRight(phonetic);
    cp1252::Spelling spelling = cp1252::spell(heard);
    if (heard.isEmpty() || spelling.unspelled > 0) {
        heard.clear();
        spelling = cp1252::spell(name);
    }
    QStringList how;
    if (spelling.dropped > 0)
        how << QStringLiteral("invisible characters and emoji left out");
    if (!heard.isEmpty())
        how << QStringLiteral("from its phonetic name \"%1\"").arg(heard);
    if (spelling.latin)
        how << QStringLiteral("spelled in Latin letters");
    if (spelling.unspelled > 0)
        how << QStringLiteral("\"?\" for what Windows-1252 cannot spell");
    // What was left out may leave spaces where it stood.
    QString stored = spelling.dropped > 0 ? spelling.text.simplified() : trimmedRight(spelling.text);
    if (stored.size() > layout::NameLength) {
        stored = trimmedRight(stored.left(layout::NameLength));
        how << QStringLiteral("cut to %1 characters").arg(layout::NameLength);
    }
    result.warnings.append(Problem::at(line, QStringLiteral("name \"%1\" stored as \"%2\" (%3)").arg(name, stored, how.join(QLatin1String(", ")))));
    name = stored;
}

void keep(Contact &&contact, ReadResult &result)
{
    const bool special = contact.number == BookEntry::hiddenLabel() || contact.number == BookEntry::unknownLabel();
    if (!special && ++result.users > layout::MaxUserRecords + 1)
        return;
    contact.number.squeeze();
    contact.name.squeeze();
    result.contacts.append(std::move(contact));
}

void reject(Mode mode, int line, const QString &text, ReadResult &result)
{
    if (mode != Mode::Add) {
        result.errors.append(Problem::at(line, text));
    } else {
        result.warnings.append(Problem::at(line, text + QStringLiteral("; skipped")));
        ++result.skipped;
    }
}

namespace {

bool isSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('/')
        || c == QLatin1Char('(') || c == QLatin1Char(')');
}

// Every decimal digit as its ASCII one (full-width, Arabic-Indic,
// Devanagari ...), full-width signs as theirs.
QString asciiDigits(QStringView raw)
{
    if (std::all_of(raw.cbegin(), raw.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return raw.toString();
    const QString text = raw.toString().normalized(QString::NormalizationForm_KC);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        const int value = QChar::category(code) == QChar::Number_DecimalDigit ? QChar::digitValue(code) : -1;
        if (value >= 0)
            out += QChar(char16_t(u'0' + value));
        else
            out += QString::fromUcs4(&code, 1);
    }
    return out;
}

QString cleaned(QStringView raw)
{
    QString text = asciiDigits(raw).trimmed();
    if (text.startsWith(QLatin1Char('+')))
        text.replace(0, 1, QStringLiteral("00"));
    // "+46 (0)8 ...": the trunk zero after a country code of 1 to 3 digits.
    if (text.startsWith(QLatin1String("00"))) {
        const qsizetype zero = text.indexOf(QLatin1String("(0)"));
        if (zero > 2) {
            QString code = text.mid(2, zero - 2);
            code.removeIf(isSeparator);
            if (!code.isEmpty() && code.size() <= 3 && isDigits(code))
                text.remove(zero, 3);
        }
    }
    text.removeIf(isSeparator);
    return text;
}

} // namespace

QString cleanedNumber(QStringView raw)
{
    return cleaned(raw);
}

qsizetype firstName(const QStringList &names, int line, ReadResult &result, bool &invisible)
{
    invisible = false;
    for (qsizetype k = 0; k < names.size(); ++k) {
        // Blank as the readers have it: plain spaces only (a card's name may be control characters, written so).
        if (std::all_of(names.at(k).cbegin(), names.at(k).cend(), [](QChar c) { return c == QLatin1Char(' '); }))
            continue;
        if (!cp1252::onlyInvisible(names.at(k))) {
            if (invisible)
                result.warnings.append(Problem::at(line, QStringLiteral("name of only invisible characters; \"%1\" taken "
                                                                        "instead").arg(names.at(k).trimmed())));
            invisible = false;
            return k;
        }
        invisible = true;
    }
    return -1;
}

QString who(const char *kind, const QString &name)
{
    return name.isEmpty() ? QStringLiteral("%1 without a name").arg(QLatin1String(kind))
                          : QStringLiteral("%1 \"%2\"").arg(QLatin1String(kind), name);
}

namespace {

// The number without an extension after it (";ext=102", "x123", "ext. 5",
// "extension 7"), and the extension's digits; raw itself where it has none.
QString withoutExtension(const QString &raw, QString &extension)
{
    static const QRegularExpression ext(QStringLiteral("^(.*\\d.*?)\\s*(?:;ext=|,?\\s*(?:extension|ext\\.?|x)\\s*)(\\d+)\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = ext.match(asciiDigits(raw));
    if (!m.hasMatch())
        return raw;
    extension = m.captured(2);
    return m.captured(1);
}

} // namespace

bool takeNumber(const QString &raw, Mode mode, int line, const char *kind, const QString &name, QString &number,
                ReadResult &result)
{
    number = cleaned(raw);
    if (!number.isEmpty() && number.size() <= layout::NumberLength && isDigits(number))
        return true;
    // No caller rings from an extension: the number is kept, the extension named.
    QString extension;
    const QString main = withoutExtension(raw, extension);
    if (!extension.isEmpty()) {
        const QString digits = cleaned(main);
        if (!digits.isEmpty() && digits.size() <= layout::NumberLength && isDigits(digits)) {
            number = digits;
            result.warnings.append(Problem::at(line, QStringLiteral("%1: number \"%2\" kept without its extension %3")
                                                         .arg(who(kind, name), raw.trimmed(), extension)));
            return true;
        }
    }
    const QString what = QStringLiteral("%1: number \"%2\"").arg(who(kind, name), raw.trimmed());
    if (!number.isEmpty() && isDigits(number)) {
        reject(mode, line, QStringLiteral("%1 has more than %2 digits").arg(what).arg(layout::NumberLength), result);
        return false;
    }
    const QString problem = number.isEmpty() ? QStringLiteral("%1 is empty").arg(what)
                                             : QStringLiteral("%1 holds characters other than digits").arg(what);
    if (mode != Mode::Replace) {
        reject(mode, line, problem, result);
        return false;
    }
    // The decoder reads any 16 characters, so a whole book may hold such a number.
    if (raw.size() > layout::NumberLength || !cp1252::spellable(raw)) {
        result.errors.append(Problem::at(line, problem + QStringLiteral(", and the image cannot hold it as written")));
        return false;
    }
    number = raw;
    result.warnings.append(Problem::at(line, problem + QStringLiteral("; kept as written")));
    return true;
}

} // namespace rules

namespace charset {

namespace {

// UTF-16 without a byte order mark, as Apple's Address Book may write it: in
// the first kilobyte zero bytes at one parity only, the first pair's among
// them, in at least a quarter of the pairs (ASCII text has one in every
// pair). Our own exports start with text, so names holding zero bytes never
// make one look like UTF-16. 0: not UTF-16, 1: little endian, 2: big endian.
int bareUtf16(QByteArrayView bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 1024) & ~qsizetype(1);
    qsizetype even = 0, odd = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        even += bytes[i] == 0;
        odd += bytes[i + 1] == 0;
    }
    if (n == 0 || (even > 0) == (odd > 0))
        return 0;
    if (8 * qMax(even, odd) < n || bytes[odd > 0 ? 1 : 0] != 0)
        return 0;
    return odd > 0 ? 1 : 2;
}

} // namespace

QByteArrayView body(const QByteArray &bytes, QByteArray &holder)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        return view.sliced(3);
    bool le = view.startsWith("\xFF\xFE"), be = view.startsWith("\xFE\xFF");
    if (le || be) {
        view = view.sliced(2);
    } else {
        const int bare = bareUtf16(view);
        le = bare == 1;
        be = bare == 2;
    }
    if (!le && !be)
        return view;
    QStringDecoder decoder(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
    holder = QString(decoder(view)).toUtf8();
    return holder;
}

qsizetype firstNonUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        uchar low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;   // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= n)
                return i;
            const uchar c = p[i + k];
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return i;
        }
        i += more + 1;
    }
    return -1;
}

QString untold(const QByteArray &first, const QByteArray &second)
{
    const QString why = first.isEmpty()
        ? QStringLiteral("no code page reads its words as names")
        : QStringLiteral("it reads as well in %1 as in %2, as different names").arg(QString::fromLatin1(first),
                                                                                    QString::fromLatin1(second));
    return QStringLiteral("not UTF-8, and the code page cannot be told from the text: %1; state it with --encoding "
                          "(windows-1252, windows-1250, windows-1251, Shift_JIS, GB18030, macintosh ...)")
        .arg(why);
}

QString noCharacter(uchar byte, const QString &codePage, bool guessed)
{
    return QStringLiteral("byte 0x%1 is no letter of %2%3; state the file's code page with --encoding")
        .arg(QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0')), codePage,
             guessed ? QStringLiteral(" (guessed)") : QString());
}

bool fileText(const QByteArray &bytes, const QByteArray &stated, QString &text, ReadResult &result)
{
    QByteArray holder;
    const QByteArrayView body = stated.isEmpty() ? charset::body(bytes, holder) : QByteArrayView(bytes);
    if (stated.isEmpty() && firstNonUtf8(body) < 0) {
        text = QString::fromUtf8(body);
        return true;
    }
    QByteArray name = stated;
    if (name.isEmpty()) {
        const codepage::Guess guess = codepage::guess({{body, 1}});
        if (guess.name.isEmpty()) {
            result.errors.append(Problem::at(guess.line, untold(guess.first, guess.second)));
            return false;
        }
        name = guess.name;
    }
    result.codePage = QString::fromLatin1(name);
    result.codePageGuessed = stated.isEmpty();
    qsizetype bad = -1;
    if (!codepage::decode(name, body, text, bad)) {
        bad = qBound<qsizetype>(0, bad, body.size() - 1);
        result.errors.append(Problem::at(int(body.first(bad).count('\n')) + 1,
                                         noCharacter(body.isEmpty() ? 0 : uchar(body[bad]), result.codePage,
                                                     result.codePageGuessed)));
        return false;
    }
    return true;
}

} // namespace charset

QString trimmedRight(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    // A field never written holds zero bytes (a short or erased image): no
    // name, nor is one of spaces and zero bytes (what a cut may leave of one).
    if (std::all_of(text.cbegin(), text.cbegin() + n, [](QChar c) { return c.unicode() == 0 || c == u' '; }))
        return QString();
    return text.left(n);
}

Format detectFormat(const QByteArray &bytes)
{
    QByteArray holder;
    const QByteArrayView rest = charset::body(bytes, holder).trimmed();
    constexpr QByteArrayView Begin("BEGIN:VCARD");
    if (rest.size() >= Begin.size() && rest.first(Begin.size()).compare(Begin, Qt::CaseInsensitive) == 0)
        return Format::VCard;
    return Format::Csv;
}

namespace {

// Nothing but white space after any byte order mark; looked at without decoding the file.
bool isBlank(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    const bool le = view.startsWith("\xFF\xFE"), be = view.startsWith("\xFE\xFF");
    const qsizetype step = le || be ? 2 : 1;
    if (step == 2)
        view = view.sliced(2);
    if (view.size() % step != 0)
        return false;
    for (qsizetype i = 0; i < view.size(); i += step) {
        const uchar lo = uchar(view[i + (be ? step - 1 : 0)]), hi = step == 2 ? uchar(view[i + (be ? 0 : 1)]) : 0;
        if (hi != 0 || !(lo == ' ' || (lo >= '\t' && lo <= '\r')))
            return false;
    }
    return true;
}

} // namespace

ReadResult readContacts(const QByteArray &bytes, Mode mode, const QByteArray &codePage)
{
    if (isBlank(bytes))
        return {};
    return detectFormat(bytes) == Format::VCard ? readVCard(bytes, mode, codePage) : readCsv(bytes, mode, codePage);
}

} // namespace exchange
