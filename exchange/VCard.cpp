#include "exchange/Contacts.h"

#include "image/FixedText.h"
#include "exchange/CodePage.h"
#include "exchange/Rules.h"
#include "exchange/VCardSyntax.h"
#include "spelling/Spelling.h"

#include <QStringList>

#include <algorithm>
#include <deque>

namespace exchange {

using namespace vcard;

namespace {

struct Reader
{
    Mode mode;
    ReadResult result;
    QByteArray stated;     // the code page of every value without a CHARSET of its own
    QByteArray guessed;    // else the one told from the values that are not UTF-8

    // Bytes of the file as text: in the code page stated, else UTF-8 when
    // valid, else in the code page told; an error on the line otherwise.
    QString text(QByteArrayView bytes, int line)
    {
        if (stated.isEmpty() && charset::firstNonUtf8(bytes) < 0)
            return QString::fromUtf8(bytes);
        const QByteArray &name = stated.isEmpty() ? guessed : stated;
        QString out;
        qsizetype bad = -1;
        if (!name.isEmpty() && codepage::decode(name, bytes, out, bad))
            return out;
        bad = qBound<qsizetype>(0, bad, bytes.size() - 1);
        result.errors.append(Problem::at(line, name.isEmpty() ? charset::untold()
                                                              : charset::noCharacter(bytes.isEmpty() ? 0 : uchar(bytes[bad]),
                                                                                     QString::fromLatin1(name),
                                                                                     stated.isEmpty())));
        return QString();
    }

    // The value as text: quoted-printable undone, then its CHARSET where one
    // is given and known, else as text().
    QString valueText(const Property &p)
    {
        QString decoded;
        QByteArray holder;
        const QByteArrayView bytes = ownCharset(p, holder, decoded);
        if (!decoded.isNull())
            return decoded;
        return text(bytes, p.line);
    }

    // The value's bytes, quoted-printable undone into holder; decoded holds
    // its text when its own CHARSET reads it.
    QByteArrayView ownCharset(const Property &p, QByteArray &holder, QString &decoded)
    {
        if (isQuotedPrintable(p))
            holder = decodeQuotedPrintable(p.value);
        const QByteArrayView bytes = isQuotedPrintable(p) ? QByteArrayView(holder) : p.value;
        const QByteArray charset = paramValue(p, "CHARSET=");
        if (!charset.isEmpty() && charset != "UTF-8" && charset != "US-ASCII") {
            qsizetype bad = -1;
            if (codepage::known(charset) && codepage::decode(charset, bytes, decoded, bad))
                return bytes;
            decoded = QString();
            result.warnings.append(Problem::at(p.line, QStringLiteral("character set \"%1\" unknown or not matching the value; "
                                                                      "read as the rest of the file")
                                                           .arg(QString::fromLatin1(charset))));
        }
        return bytes;
    }
};

struct Card
{
    int begin = 0;
    int nameLine = 0;
    QString fn, n, org;
    // How the card says its name is spoken: the SORT-AS of N (family, given)
    // and of ORG, the phonetic properties phones and Apple write.
    QString nSortAs, orgSortAs, phoneticGiven, phoneticMiddle, phoneticFamily, phoneticOrg;
    QString soundN;   // SOUND;X-IRMC-N, the reading Japanese phones give as N is written: family;given;...
    QVector<std::pair<int, QString>> tels;
    int faxes = 0;
};

// Only plain spaces are trimmed: whatever else a value holds came on purpose,
// encoded as likely as not, and a round trip brings it back.
QString spacesTrimmed(const QString &text)
{
    qsizetype from = 0;
    while (from < text.size() && text.at(from) == QLatin1Char(' '))
        ++from;
    return trimmedRight(text.mid(from));
}

bool blank(const QString &text)
{
    return spacesTrimmed(text).isEmpty();
}

QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!blank(part))
            kept << spacesTrimmed(part);
    }
    return kept.join(QLatin1Char(' '));
}

// The phonetic name for the name taken, in the order the card writes its
// name: family name first when FN starts with it, as Japanese cards do.
QString phoneticName(const Card &card, bool fromOrg)
{
    if (fromOrg)
        return blank(card.phoneticOrg) ? spacesTrimmed(textComponents(card.orgSortAs).value(0))
                                       : joined(textComponents(card.phoneticOrg));
    const QStringList sortAs = card.nSortAs.split(QLatin1Char(','));
    const QStringList sound = textComponents(card.soundN);
    const QString given = !blank(card.phoneticGiven) ? card.phoneticGiven
        : !blank(sound.value(1))                    ? spacesTrimmed(sound.value(1))
                                                    : sortAs.value(1);
    const QString family = !blank(card.phoneticFamily) ? card.phoneticFamily
        : !blank(sound.value(0))                      ? spacesTrimmed(sound.value(0))
                                                      : sortAs.value(0);
    const QStringList n = textComponents(card.n);
    const QString fn = spacesTrimmed(card.fn), nFamily = spacesTrimmed(n.value(0)), nGiven = spacesTrimmed(n.value(1));
    const bool familyFirst = !nFamily.isEmpty() && !nGiven.isEmpty() && fn.startsWith(nFamily) && !fn.startsWith(nGiven);
    return familyFirst ? joined({family, given, card.phoneticMiddle}) : joined({given, card.phoneticMiddle, family});
}

void finishCard(const Card &card, Reader &r)
{
    // FN, else the given, additional and family names of N, else the organisation.
    QStringList names{blank(card.fn) ? QString() : trimmedRight(card.fn)};
    // The others only where needed: most cards have an FN.
    const bool more = names.first().isEmpty() || cp1252::onlyInvisible(names.first());
    const QStringList n = more ? textComponents(card.n) : QStringList();
    names << (more ? joined({n.value(1), n.value(2), n.value(0)}) : QString())
          << (more ? spacesTrimmed(textComponents(card.org).value(0)) : QString());
    QString name;
    for (const QString &one : names) {
        if (name.isEmpty())
            name = one;
    }
    if (card.tels.isEmpty()) {
        // A card of faxes only is counted with the faxes left out.
        if (card.faxes == 0) {
            r.result.warnings.append(Problem::at(card.begin, QStringLiteral("%1 has no telephone number; skipped").arg(rules::who("card", name))));
            ++r.result.skipped;
        }
        return;
    }
    // A name of invisible characters only (bidi marks) is none: the next one is taken, or the card skipped.
    const int nameLine = card.nameLine ? card.nameLine : card.begin;
    bool invisible = false;
    const qsizetype chosen = rules::firstName(names, nameLine, r.result, invisible);
    if (invisible) {
        rules::reject(r.mode, nameLine, QStringLiteral("card has a name of only invisible characters and no other"), r.result);
        return;
    }
    name = chosen >= 0 ? names.at(chosen) : QString();
    const bool fromOrg = chosen == 2;
    if (name.isEmpty())
        r.result.warnings.append(Problem::at(card.begin, QStringLiteral("card has no name (FN, N or ORG); its entries have none")));
    rules::checkName(name, nameLine, r.result, cp1252::spellable(name) ? QString() : phoneticName(card, fromOrg));

    for (const auto &[line, raw] : card.tels) {
        QString value = raw;
        if (value.trimmed().startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
            // URI parameters go, but for an extension, which the number rule names as it leaves it out.
            const QStringList parts = value.trimmed().mid(4).split(QLatin1Char(';'));
            value = parts.first();
            for (const QString &param : parts.mid(1)) {
                if (param.startsWith(QLatin1String("ext="), Qt::CaseInsensitive))
                    value += QLatin1Char(';') + param;
            }
        }
        Contact c{QString(), name, 0, line};
        if (rules::takeNumber(value, r.mode, line, "card", name, c.number, r.result))
            rules::keep(std::move(c), r.result);
    }
}

// The SORT-AS parameter's value as written, its quotes dropped.
QByteArrayView sortAsBytes(const Property &p)
{
    for (QByteArrayView param : p.params) {
        if (param.size() > 8 && same(param.first(8), "SORT-AS=")) {
            QByteArrayView v = param.sliced(8);
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                v = v.sliced(1, v.size() - 2);
            return v;
        }
    }
    return QByteArrayView();
}

QString sortAs(const Property &p, Reader &r)
{
    return r.text(sortAsBytes(p), p.line);
}

// The properties a card's entries are made of.
bool wanted(QByteArrayView name)
{
    return same(name, "FN") || same(name, "N") || same(name, "ORG") || same(name, "TEL") || same(name, "SOUND")
        || (name.size() > 11 && same(name.first(11), "X-PHONETIC-"));
}

void take(const Property &p, Card &card, Reader &r)
{
    bool pager = false;
    if (same(p.name, "TEL") && faxOrPager(p, &pager)) {
        // No caller rings from a fax or a pager.
        ++card.faxes;
        ++r.result.leftOut;
        r.result.pagers += pager;
        return;
    }
    const QString text = r.valueText(p);
    if (same(p.name, "TEL")) {
        card.tels.append({p.line, text});
    } else if (same(p.name, "FN") && blank(card.fn)) {
        card.fn = textComponents(text).join(QLatin1Char(';'));
        if (!blank(card.fn))
            card.nameLine = p.line;
    } else if (same(p.name, "N") && card.n.isEmpty()) {
        card.n = text;
        card.nSortAs = sortAs(p, r);
        if (blank(card.fn))
            card.nameLine = p.line;
    } else if (same(p.name, "ORG") && card.org.isEmpty()) {
        card.org = text;
        card.orgSortAs = sortAs(p, r);
    } else if (same(p.name, "X-PHONETIC-FIRST-NAME")) {
        card.phoneticGiven = joined(textComponents(text));
    } else if (same(p.name, "X-PHONETIC-MIDDLE-NAME")) {
        card.phoneticMiddle = joined(textComponents(text));
    } else if (same(p.name, "X-PHONETIC-LAST-NAME")) {
        card.phoneticFamily = joined(textComponents(text));
    } else if (same(p.name, "X-PHONETIC-ORG")) {
        card.phoneticOrg = text;
    } else if (same(p.name, "SOUND") && card.soundN.isEmpty()
               && std::any_of(p.params.cbegin(), p.params.cend(), [](QByteArrayView q) { return same(q, "X-IRMC-N"); })) {
        card.soundN = text;
    }
}


// Each property of the text, unfolded, with the line it starts on.
template<class Handle>
void eachProperty(QByteArrayView body, Handle &&handle)
{
    Lines lines(body);
    QByteArrayView line;
    int number = 0;
    QByteArray pending;
    while (lines.next(line, number)) {
        if (line.trimmed().isEmpty())
            continue;
        const int start = number;
        // A folded line, or a quoted-printable value whose line ends in "="
        // (vCard 2.1), goes on in the next line.
        const bool softBreak = line.endsWith('=') && line.toByteArray().toUpper().contains("QUOTED-PRINTABLE");
        if (!lines.continues() && !softBreak) {
            handle(line, start);
            continue;
        }
        pending = line.toByteArray();
        while (lines.continues() && lines.next(line, number))
            pending += line.sliced(1);
        if (pending.endsWith('=') && pending.toUpper().contains("QUOTED-PRINTABLE")) {
            while (pending.endsWith('=') && lines.next(line, number)) {
                pending.chop(1);
                pending += line;
            }
        }
        handle(pending, start);
    }
}

// Whether some value may need a code page: bytes beyond ASCII that are no
// UTF-8, or quoted-printable values, which may hide such bytes.
bool mayNeedCodePage(QByteArrayView body)
{
    if (charset::firstNonUtf8(body) >= 0)
        return true;
    static const char qp[] = "QUOTED-PRINTABLE";
    for (qsizetype i = body.indexOf('-'); i >= 0; i = body.indexOf('-', i + 1)) {
        if (i >= 6 && i + 10 <= body.size() && qstrnicmp(body.data() + i - 6, qp, 16) == 0)
            return true;
    }
    return false;
}

// The code page of the values that are neither UTF-8 nor read by their own
// CHARSET, told from all of them together. False with an error when it cannot be told.
bool tellCodePage(QByteArrayView body, Reader &r)
{
    std::deque<QByteArray> held;
    QVector<codepage::Sample> samples;
    ReadResult quiet;
    std::swap(quiet, r.result);   // the CHARSET warnings come again when the cards are read
    eachProperty(body, [&](QByteArrayView text, int line) {
        const QByteArrayView name = propertyName(text);
        if (!wanted(name))
            return;
        const Property p = parse(text, line, name);
        QString decoded;
        QByteArray holder;
        const QByteArrayView bytes = r.ownCharset(p, holder, decoded);
        if (decoded.isNull() && charset::firstNonUtf8(bytes) >= 0) {
            held.push_back(bytes.toByteArray());
            samples.append({held.back(), line});
        }
        // Copied: an unfolded line's bytes are reused for the next one.
        const QByteArrayView sort = sortAsBytes(p);
        if (charset::firstNonUtf8(sort) >= 0) {
            held.push_back(sort.toByteArray());
            samples.append({held.back(), line});
        }
    });
    std::swap(quiet, r.result);
    if (samples.isEmpty())
        return true;
    const codepage::Guess guess = codepage::guess(samples);
    if (guess.name.isEmpty()) {
        r.result.errors.append(Problem::at(guess.line, charset::untold(guess.first, guess.second)));
        return false;
    }
    r.guessed = guess.name;
    r.result.codePage = QString::fromLatin1(guess.name);
    r.result.codePageGuessed = true;
    return true;
}

} // namespace

ReadResult readVCard(const QByteArray &bytes, Mode mode, const QByteArray &codePage)
{
    Reader r{mode, {}, codePage, {}};
    QByteArray holder;
    QByteArrayView body;
    if (!codePage.isEmpty()) {
        r.result.codePage = QString::fromLatin1(codePage);
        if (!codepage::asciiCompatible(codePage)) {
            // UTF-16 and the like: the whole file to UTF-8 first, as a byte order mark would have it.
            QString text;
            qsizetype bad = -1;
            if (!codepage::decode(codePage, bytes, text, bad)) {
                r.result.errors.append(Problem::at(1, charset::noCharacter(bytes.isEmpty() ? 0 : uchar(bytes[qMin(bad, bytes.size() - 1)]),
                                                                           r.result.codePage, false)));
                return r.result;
            }
            holder = text.toUtf8();
            r.stated = "UTF-8";
        }
        body = holder.isNull() ? QByteArrayView(bytes) : QByteArrayView(holder);
    } else {
        body = charset::body(bytes, holder);
        if (mayNeedCodePage(body) && !tellCodePage(body, r))
            return r.result;
    }

    bool inCard = false;
    Card card;
    eachProperty(body, [&](QByteArrayView text, int line) {
        const QByteArrayView name = propertyName(text);
        const bool begin = same(name, "BEGIN");
        if (begin || same(name, "END")) {
            const QByteArrayView value = parse(text, line, name).value.trimmed();
            const bool vcard = same(value, "VCARD");
            if (vcard && begin) {
                if (inCard)
                    r.result.errors.append(Problem::at(card.begin, QStringLiteral("card has no END:VCARD")));
                card = Card{};
                card.begin = line;
                inCard = true;
            } else if (!begin && inCard && value.size() >= 5 && same(value.first(5), "VCARD")) {
                // A Sony Ericsson backup ends "END:VCARD.": the card ends there all the same.
                if (!vcard)
                    r.result.warnings.append(Problem::at(line, QStringLiteral("\"%1\" read as END:VCARD, the rest of the line ignored")
                                                                   .arg(QString::fromUtf8(text.trimmed()))));
                finishCard(card, r);
                inCard = false;
            }
        } else if (inCard && wanted(name)) {
            take(parse(text, line, name), card, r);
        }
    });
    if (inCard)
        r.result.errors.append(Problem::at(card.begin, QStringLiteral("card has no END:VCARD")));
    if (!r.result.ok())
        r.result.contacts.clear();
    return r.result;
}

} // namespace exchange
