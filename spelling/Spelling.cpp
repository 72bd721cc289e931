#include "spelling/Spelling.h"

#include "image/FixedText.h"

#if VIRE_HAVE_ICU
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <QMutex>

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#endif

namespace cp1252 {

namespace {

// The transforms, made the first time a name needs one (Any-Latin alone
// takes about 12 ms to make).
enum class Script { None, Latin, Cyrillic, Greek, Kana, Arabic, Hebrew, Other };

// Invisible characters that only steer how text is shown or joined (bidi
// marks and controls, ZWJ, ZWNJ, byte order mark, variation selectors):
// nothing a name is spelled with. The soft hyphen, which the code page
// holds, stays.
bool invisible(char32_t code)
{
    if (code < 0x10000 && holds(QChar(char16_t(code))))
        return false;
    return QChar::category(code) == QChar::Other_Format || (code >= 0xFE00 && code <= 0xFE0F)
        || (code >= 0xE0100 && code <= 0xE01EF);
}

// Pictures: emoji and their skin tones, flags' regional letters, keycaps,
// dingbats and the like.
bool emoji(char32_t code)
{
    if ((code >= 0x1F1E6 && code <= 0x1F1FF) || (code >= 0x1F3FB && code <= 0x1F3FF) || code == 0x20E3)
        return true;
    return QChar::category(code) == QChar::Symbol_Other
        && (code >= 0x1F000 || (code >= 0x2600 && code <= 0x27BF) || (code >= 0x2B00 && code <= 0x2BFF));
}

#if VIRE_HAVE_ICU

enum Transform {
    RussianBgn, UkrainianBgn, BelarusianBgn, KazakhBgn, MacedonianBgn, SerbianBgn, ArabicBgn, PersianBgn, HebrewBgn,
    Ungegn, KatakanaHiragana, HiraganaLatin, AnyLatin, LatinAscii, TransformCount
};

const char *const TransformIds[TransformCount] = {
    "Russian-Latin/BGN", "Ukrainian-Latin/BGN", "Belarusian-Latin/BGN", "Kazakh-Latin/BGN", "Macedonian-Latin/BGN",
    "Serbian-Latin/BGN", "Arabic-Latin/BGN", "Persian-Latin/BGN", "Hebrew-Latin/BGN", "Greek-Latin/UNGEGN",
    "Katakana-Hiragana", "Hiragana-Latin", "Any-Latin", "Latin-ASCII"};

// Which language's BGN transform spells the text's Cyrillic, by the letters
// it holds, the more telling first: ў is Belarusian alone; ґ є ї Ukrainian;
// қ ғ ү ұ һ ә ө Kazakh; ѓ ќ ѕ Macedonian; ђ ћ ј љ њ џ Serbian; і, left
// after Belarusian and Kazakh, Ukrainian; else Russian. And the Arabic
// script's: Persian by the letters Arabic lacks.
struct Languages
{
    Transform cyrillic = RussianBgn;
    Transform arabic = ArabicBgn;
};

Languages languagesOf(const QString &text)
{
    static const struct
    {
        const char16_t *letters;
        Transform transform;
    } cyrillic[] = {{u"ў", BelarusianBgn}, {u"ґєї", UkrainianBgn}, {u"қғүұһәө", KazakhBgn}, {u"ѓќѕ", MacedonianBgn},
                    {u"ђћјљњџ", SerbianBgn}, {u"і", UkrainianBgn}};
    Languages l;
    const QString lower = text.toLower();
    for (const auto &c : cyrillic) {
        if (std::any_of(lower.cbegin(), lower.cend(), [&](QChar ch) { return std::u16string_view(c.letters).find(ch.unicode()) != std::u16string_view::npos; })) {
            l.cyrillic = c.transform;
            break;
        }
    }
    static const std::u16string_view persian = u"پچژگکی";
    if (std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return persian.find(ch.unicode()) != std::u16string_view::npos; }))
        l.arabic = PersianBgn;
    return l;
}

QMutex transformLock;
std::array<std::unique_ptr<icu::Transliterator>, TransformCount> transforms;
std::array<bool, TransformCount> tried{};

void apply(Transform t, icu::UnicodeString &text)
{
    if (!tried[t]) {
        tried[t] = true;
        UErrorCode status = U_ZERO_ERROR;
        transforms[t].reset(icu::Transliterator::createInstance(icu::UnicodeString(TransformIds[t]), UTRANS_FORWARD,
                                                                 status));
        if (U_FAILURE(status))
            transforms[t].reset();
    }
    if (transforms[t])
        transforms[t]->transliterate(text);
}

// The run in Latin letters, still to be checked letter by letter.
QString transliterate(Script script, const QString &run, const Languages &languages)
{
    // Katakana goes to hiragana first, a step of its own: within one compound
    // transform ICU 72 spells "キャ" as "ki~ya", alone as "kya".
    const QString source = run.normalized(script == Script::Kana ? QString::NormalizationForm_KC : QString::NormalizationForm_C);
    icu::UnicodeString text(reinterpret_cast<const UChar *>(source.utf16()), int32_t(source.size()));
    {
        QMutexLocker locker(&transformLock);
        switch (script) {
        case Script::Cyrillic: apply(languages.cyrillic, text); break;
        case Script::Greek: apply(Ungegn, text); break;
        case Script::Kana:
            apply(KatakanaHiragana, text);
            apply(HiraganaLatin, text);
            break;
        // BGN spells the letters it knows; Any-Latin what it leaves.
        case Script::Arabic:
            apply(languages.arabic, text);
            apply(AnyLatin, text);
            break;
        case Script::Hebrew:
            apply(HebrewBgn, text);
            apply(AnyLatin, text);
            break;
        case Script::Latin: break;
        default: apply(AnyLatin, text); break;
        }
        apply(LatinAscii, text);
    }
    QString out(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
    // BGN's "t·s" tells тс from ц, kana's "~" a small kana standing alone, and
    // a mark left over has no letter: none belongs in a name. Nor does the
    // sign for ayin and hamza (ʿ ʾ ‘ ’, an apostrophe once ASCII).
    const bool semitic = script == Script::Arabic || script == Script::Hebrew;
    out.removeIf([&](QChar c) {
        return c == QChar(0x00B7) || c == QLatin1Char('~') || c.category() == QChar::Mark_NonSpacing
            || (semitic && (c.category() == QChar::Letter_Modifier || c == QLatin1Char('\'') || c == QChar(0x2018)
                            || c == QChar(0x2019)));
    });
    return out;
}

Script scriptOf(char32_t code)
{
    switch (QChar::script(code)) {
    case QChar::Script_Cyrillic: return Script::Cyrillic;
    case QChar::Script_Greek: return Script::Greek;
    case QChar::Script_Arabic: return Script::Arabic;
    case QChar::Script_Hebrew: return Script::Hebrew;
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana: return Script::Kana;
    case QChar::Script_Latin:
    case QChar::Script_Common:
    case QChar::Script_Inherited:
    case QChar::Script_Unknown: return Script::None;
    default: return Script::Other;
    }
}

// A letter, mark or number of the script, which takes part in a word of it.
bool wordPart(char32_t code)
{
    return QChar::isLetterOrNumber(code) || QChar::isMark(code);
}

#endif

// The code point at i and how many UTF-16 units it takes.
char32_t codeAt(const QString &text, qsizetype i, int &units)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    units = 1;
    return c.unicode();
}

} // namespace

bool transliterates()
{
#if VIRE_HAVE_ICU
    return true;
#else
    return false;
#endif
}

Spelling spell(const QString &text)
{
    Spelling s;
    if (spellable(text)) {
        s.text = text;
        return s;
    }
    // Emoji go where the text has letters; alone they are all a name has, a "?" each.
    bool letters = false;
    for (qsizetype i = 0; i < text.size() && !letters;) {
        int units = 1;
        letters = QChar::isLetter(codeAt(text, i, units));
        i += units;
    }
#if VIRE_HAVE_ICU
    const Languages languages = languagesOf(text);
#endif
    s.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        int units = 1;
        const char32_t code = codeAt(text, i, units);
        if (invisible(code) || (letters && emoji(code))) {
            s.runs.append({i, units, s.text.size(), 0});
            ++s.dropped;
            i += units;
            continue;
        }
        // A Latin letter and the combining marks after it (é decomposed, as
        // macOS and some phones write it): the one character the code page
        // has for them, else the base letter.
        qsizetype marksEnd = i + units;
        while (marksEnd < text.size() && QChar::isMark(text.at(marksEnd).unicode()) && !invisible(text.at(marksEnd).unicode()))
            ++marksEnd;
        if (marksEnd > i + units
            && ((code < 0x10000 && holds(QChar(char16_t(code)))) || QChar::script(code) == QChar::Script_Latin)) {
            const QString composed = text.mid(i, marksEnd - i).normalized(QString::NormalizationForm_C);
            QString letter;
            for (QChar c : composed) {
                if (holds(c))
                    letter += c;
                else if (!c.isMark())
                    letter += nearest(QString(c));
            }
            s.unspelled += int(letter.count(QLatin1Char('?')));
            s.latin = s.latin || letter != composed;
            s.runs.append({i, marksEnd - i, s.text.size(), letter.size()});
            s.text += letter;
            i = marksEnd;
            continue;
        }
        if (code < 0x10000 && holds(QChar(char16_t(code)))) {
            s.text.append(QChar(char16_t(code)));
            ++i;
            continue;
        }
#if VIRE_HAVE_ICU
        Script script = wordPart(code) ? scriptOf(code) : Script::None;
        // A Latin letter without a base letter may still have an ASCII
        // spelling (Ǆ DZ, ɛ e): a run of its own.
        const bool latinRest = script == Script::None && units == 1 && QChar::script(code) == QChar::Script_Latin
            && nearest(QString(QChar(char16_t(code)))) == QLatin1String("?");
        if (latinRest)
            script = Script::Latin;
        if (script != Script::None) {
            // The run goes on through the script's own letters and the
            // marks and signs (the kana length mark) common to scripts.
            qsizetype end = i + units;
            bool cased = QChar::isUpper(code) || QChar::isLower(code) || QChar::isTitleCase(code);
            while (!latinRest && end < text.size()) {
                int more = 1;
                const char32_t next = codeAt(text, end, more);
                if ((next < 0x10000 && holds(QChar(char16_t(next)))) || !wordPart(next) || invisible(next))
                    break;
                const Script nextScript = scriptOf(next);
                const QChar::Script raw = QChar::script(next);
                if (nextScript != script && raw != QChar::Script_Common && raw != QChar::Script_Inherited)
                    break;
                cased = cased || QChar::isUpper(next) || QChar::isLower(next) || QChar::isTitleCase(next);
                end += more;
            }
            QString latin = transliterate(script, text.mid(i, end - i), languages);
            for (qsizetype k = 0; k < latin.size(); ++k) {
                if (!holds(latin.at(k))) {
                    latin[k] = QLatin1Char('?');
                    ++s.unspelled;
                }
            }
            // Each word takes a capital, as a name written in Latin letters
            // has, where the script has no case to carry over: Georgian and
            // Armenian are written in small letters as names are.
            if (!cased || script == Script::Other) {
                bool start = s.text.isEmpty() || !s.text.back().isLetter();
                for (QChar &c : latin) {
                    if (start && c.isLetter())
                        c = c.toUpper();
                    start = !c.isLetter();
                }
            }
            s.runs.append({i, end - i, s.text.size(), latin.size()});
            s.text += latin;
            s.latin = true;
            i = end;
            continue;
        }
#endif
        if (units == 2) {
            // One "?" for a character beyond 16 bits, an emoji.
            s.runs.append({i, 2, s.text.size(), 1});
            s.text.append(QLatin1Char('?'));
            ++s.unspelled;
        } else if (QChar::category(code) == QChar::Separator_Space || code == 0x30FB || code == 0xFF65) {
            // A space of another script, or the kana middle dot between a
            // foreign given and family name.
            s.text.append(QLatin1Char(' '));
            s.latin = true;
        } else {
            const QString one = nearest(QString(QChar(char16_t(code))));
            if (one == QLatin1String("?"))
                ++s.unspelled;
            else
                s.latin = true;
            s.text += one;
        }
        i += units;
    }
    return s;
}

bool onlyInvisible(const QString &text)
{
    bool any = false;
    for (qsizetype i = 0; i < text.size();) {
        int units = 1;
        const char32_t code = codeAt(text, i, units);
        if (code < 0x80 && code != ' ')
            return false;
        if (!invisible(code) && !QChar::isSpace(code))
            return false;
        any = any || invisible(code);
        i += units;
    }
    return any;
}

} // namespace cp1252
