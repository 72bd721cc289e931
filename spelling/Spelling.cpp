#include "spelling/Spelling.h"

#include "image/FixedText.h"

#if VIRE_HAVE_ICU
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <QMutex>

#include <array>
#include <memory>
#endif

namespace cp1252 {

namespace {

// The transforms, made the first time a name needs one (Any-Latin alone
// takes about 12 ms to make).
enum class Script { None, Latin, Cyrillic, Greek, Kana, Other };

#if VIRE_HAVE_ICU

enum Transform { Bgn, Ungegn, KatakanaHiragana, HiraganaLatin, AnyLatin, LatinAscii, TransformCount };

const char *const TransformIds[TransformCount] = {"Russian-Latin/BGN", "Greek-Latin/UNGEGN", "Katakana-Hiragana",
                                                  "Hiragana-Latin", "Any-Latin", "Latin-ASCII"};

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
QString transliterate(Script script, const QString &run)
{
    // Katakana goes to hiragana first, a step of its own: within one compound
    // transform ICU 72 spells "キャ" as "ki~ya", alone as "kya".
    const QString source = script == Script::Kana ? run.normalized(QString::NormalizationForm_KC) : run;
    icu::UnicodeString text(reinterpret_cast<const UChar *>(source.utf16()), int32_t(source.size()));
    {
        QMutexLocker locker(&transformLock);
        switch (script) {
        case Script::Cyrillic: apply(Bgn, text); break;
        case Script::Greek: apply(Ungegn, text); break;
        case Script::Kana:
            apply(KatakanaHiragana, text);
            apply(HiraganaLatin, text);
            break;
        case Script::Latin: break;
        default: apply(AnyLatin, text); break;
        }
        apply(LatinAscii, text);
    }
    QString out(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
    // BGN's "t·s" tells тс from ц, kana's "~" a small kana standing alone, and
    // a mark left over has no letter: none belongs in a name.
    out.removeIf([](QChar c) {
        return c == QChar(0x00B7) || c == QLatin1Char('~') || c.category() == QChar::Mark_NonSpacing;
    });
    return out;
}

Script scriptOf(char32_t code)
{
    switch (QChar::script(code)) {
    case QChar::Script_Cyrillic: return Script::Cyrillic;
    case QChar::Script_Greek: return Script::Greek;
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
    s.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        int units = 1;
        const char32_t code = codeAt(text, i, units);
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
                if ((next < 0x10000 && holds(QChar(char16_t(next)))) || !wordPart(next))
                    break;
                const Script nextScript = scriptOf(next);
                const QChar::Script raw = QChar::script(next);
                if (nextScript != script && raw != QChar::Script_Common && raw != QChar::Script_Inherited)
                    break;
                cased = cased || QChar::isUpper(next) || QChar::isLower(next) || QChar::isTitleCase(next);
                end += more;
            }
            QString latin = transliterate(script, text.mid(i, end - i));
            for (qsizetype k = 0; k < latin.size(); ++k) {
                if (!holds(latin.at(k))) {
                    latin[k] = QLatin1Char('?');
                    ++s.unspelled;
                }
            }
            if (!cased) {
                // Each word takes a capital, as a name written in Latin letters has.
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

} // namespace cp1252
