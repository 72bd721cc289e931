#include "exchange/CodePage.h"

#include "image/FixedText.h"

#include <QSet>

#include <algorithm>
#include <bitset>
#include <climits>
#include <cmath>

#if VIRE_HAVE_ICU
#include <unicode/ucnv.h>

#include <memory>
#endif

namespace exchange::codepage {

namespace {

// A character no name holds and no code page reads a letter as.
bool foreign(char32_t c)
{
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c < 0xA0) || c == 0xFFFD)
        return true;
    const QChar::Category cat = QChar::category(c);
    return cat == QChar::Other_NotAssigned || cat == QChar::Other_PrivateUse || cat == QChar::Other_Surrogate;
}

// The alphabets of the languages written in Latin letters in a Windows code
// page: the letters beyond ASCII their words hold, then those they hold
// now and then (loan words, old spellings).
struct Alphabet
{
    const char16_t *common;
    const char16_t *occasional;
};

const Alphabet Alphabets[] = {
    {u"åäö", u"éü"},                        // Swedish
    {u"æøå", u"éóòôü"},                     // Norwegian
    {u"æøå", u"éüöä"},                      // Danish
    {u"äö", u"åšž"},                        // Finnish
    {u"äöüß", u"é"},                        // German
    {u"àâçéèêëîïôùû", u"œæÿü"},             // French
    {u"áéíñóúüªº", u"¡¿"},                  // Spanish, Galician
    {u"àçéèíïòóúü·ªº", u""},                // Catalan
    {u"áâãàçéêíóôõúªº", u"ü"},              // Portuguese
    {u"àèéìíòóùªº", u"îú"},                 // Italian
    {u"éëïöü", u"áèêóôúçàäí"},              // Dutch, Afrikaans
    {u"áðéíóúýþæö", u""},                   // Icelandic
    {u"ąćęłńóśźż", u""},                    // Polish
    {u"áčďéěíňóřšťúůýž", u""},              // Czech
    {u"áäčďéíľňóôšťúýž", u"ĺŕ"},            // Slovak
    {u"áéíóöőúüű", u""},                    // Hungarian
    {u"ăâîșțşţ", u""},                      // Romanian
    {u"čćđšž", u""},                        // Croatian, Bosnian, Serbian, Slovenian
    {u"çğıİöşü", u"âîû"},                   // Turkish
    {u"āčēģīķļņšūž", u""},                  // Latvian
    {u"ąčęėįšųūž", u""},                    // Lithuanian
    {u"äöõüšž", u""},                       // Estonian
    {u"çë", u""},                           // Albanian
    {u"áéíóú", u""},                        // Irish
    {u"âêîôûŵŷ", u"áéíóúàèìòùäëïöüẅÿ"},     // Welsh
};
constexpr int AlphabetCount = int(sizeof Alphabets / sizeof Alphabets[0]);
static_assert(AlphabetCount <= 32, "one bit each");

// The languages that write a letter: in their common letters, in any of theirs.
struct Writers
{
    quint32 common = 0, any = 0;
};

constexpr char32_t LetterLimit = 0x1E86;   // ẅ is the last letter listed

const std::vector<Writers> &writers()
{
    static const std::vector<Writers> table = [] {
        std::vector<Writers> t(LetterLimit);
        for (int a = 0; a < AlphabetCount; ++a) {
            for (const char16_t *p = Alphabets[a].common; *p; ++p) {
                t[*p].common |= 1u << a;
                t[*p].any |= 1u << a;
            }
            for (const char16_t *p = Alphabets[a].occasional; *p; ++p)
                t[*p].any |= 1u << a;
        }
        return t;
    }();
    return table;
}

// The letter as the alphabets list it: lower case, but İ, whose lower case is ASCII.
char32_t letterKey(char32_t c)
{
    const char32_t lower = QChar::toLower(c);
    return lower < 0x80 ? c : lower;
}

// How candidates' readings of the same bytes are told apart for CJK text:
// the more often a character is used, the likelier the reading.
enum class Family { Single, ShiftJis, Gb, Big5, Korean };

struct Candidate
{
    const char *name;     // as messages name it; ICU knows it by this name too
    Family family;
};

// In the order a tie is broken: Western first, as these files were read before.
// Without ICU, only what the image's own table reads.
#if VIRE_HAVE_ICU
const Candidate Candidates[] = {
    {"windows-1252", Family::Single}, {"windows-1250", Family::Single}, {"windows-1251", Family::Single},
    {"windows-1257", Family::Single}, {"windows-1254", Family::Single}, {"windows-1253", Family::Single},
    {"windows-1255", Family::Single}, {"windows-1256", Family::Single}, {"windows-874", Family::Single},
    {"macintosh", Family::Single},    {"Shift_JIS", Family::ShiftJis},  {"GB18030", Family::Gb},
    {"Big5", Family::Big5},           {"windows-949", Family::Korean},
};
#else
const Candidate Candidates[] = {{"windows-1252", Family::Single}};
#endif
constexpr int CandidateCount = int(sizeof Candidates / sizeof Candidates[0]);

// GB and Korean (EUC): the first level's lead bytes from 0xB0 up to
// commonLast, the second level's from lessFirst to lessLast.
double eucLevel(uchar lead, uchar trail, uchar commonLast, uchar lessFirst, uchar lessLast)
{
    if (trail < 0xA1)
        return 0.1;
    if (lead >= 0xB0 && lead <= commonLast)
        return 1;
    return lead >= lessFirst && lead <= lessLast ? 0.5 : 0.1;
}

// How common the character at these bytes is, 0.1 to 1: the first level of
// each standard's ideographs (and the kana and hangul syllables everybody
// writes) is common, the second less so, extensions and user areas rare.
double commonness(Family family, uchar lead, uchar trail)
{
    const int code = lead << 8 | trail;
    switch (family) {
    case Family::Single: return 1;
    case Family::ShiftJis:
        if (lead >= 0xA1 && lead <= 0xDF)
            return 0.5;   // half-width katakana
        if ((code >= 0x829F && code <= 0x82F1) || (code >= 0x8340 && code <= 0x8396) || (code >= 0x889F && code <= 0x9872))
            return 1;
        return code >= 0x989F && code <= 0xEAA4 ? 0.5 : 0.1;
    case Family::Gb: return eucLevel(lead, trail, 0xD7, 0xD8, 0xF7);
    case Family::Big5:
        if (code >= 0xA440 && code <= 0xC67E)
            return 1;
        return code >= 0xC940 && code <= 0xF9D5 ? 0.5 : 0.1;
    case Family::Korean: return eucLevel(lead, trail, 0xC8, 0xCA, 0xFD);
    }
    return 1;
}

// Scripts, each a bit; Latin stands for itself in the alphabets.
enum Group : quint32 {
    Latin = 1, Cyrillic = 2, Greek = 4, Hebrew = 8, Arabic = 16, Thai = 32, Han = 64, Kana = 128, Hangul = 256,
    OtherScript = 512
};

quint32 groupOf(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Latin: return Latin;
    case QChar::Script_Cyrillic: return Cyrillic;
    case QChar::Script_Greek: return Greek;
    case QChar::Script_Hebrew: return Hebrew;
    case QChar::Script_Arabic: return Arabic;
    case QChar::Script_Thai: return Thai;
    case QChar::Script_Han: return Han;
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana: return Kana;
    case QChar::Script_Hangul: return Hangul;
    case QChar::Script_Common:
    case QChar::Script_Inherited: return 0;
    default: return OtherScript;
    }
}

// A letter that takes part in a word: not a modifier letter (ˆ ˜ of Mac
// Roman), nor one of no script (µ).
bool isLetter(char32_t c)
{
    return QChar::isLetter(c) && QChar::category(c) != QChar::Letter_Modifier && QChar::script(c) != QChar::Script_Common;
}

bool isMark(char32_t c)
{
    return QChar::isMark(c);
}

// One character of a reading: the code point and where its bytes start.
struct Point
{
    char32_t code;
    int offset;
    bool high;        // made of bytes beyond ASCII: what tells code pages apart
    double common;
    quint32 group;    // its script
    bool letter, mark, upper, lower;
};

// What a code page made of the sample's words.
struct Reading
{
    int candidate = 0;
    bool impossible = false;
    int words = 0, bad = 0;
    int badOffset = -1;
    double weighted = 0, weight = 0;   // commonness, per high character
    std::bitset<LetterLimit> letters;  // the Latin letters beyond ASCII
    quint32 groups = 0;
    int cover = 0;
    int commonCover = 0;   // the languages that write the letters commonly
    QString text;
    QVector<int32_t> offsets;

    double quality() const { return weight > 0 ? weighted / weight : 1; }

    void fail(int offset)
    {
        ++bad;
        if (badOffset < 0)
            badOffset = offset;
    }
};

// Punctuation beyond ASCII a word may have before it, after it, or either
// side (quotes, dashes, an apostrophe, marks of trade).
bool opening(char32_t c)
{
    return c == 0x00A1 || c == 0x00BF || c == 0x201C || c == 0x201E || c == 0x00AB || c == 0x2039 || c == 0x201A
        || c == 0x2018;
}
bool closing(char32_t c)
{
    return c == 0x201D || c == 0x00BB || c == 0x203A || c == 0x2122 || c == 0x00AE || c == 0x00A9 || c == 0x00B0;
}
bool inside(char32_t c)
{
    return c == 0x2019 || c == 0x2013 || c == 0x2014 || c == 0x00AD || c == 0x2026
        || c == 0x05F3 || c == 0x05F4;   // Hebrew geresh and gershayim, as in דוא״ל
}

// Signs a text holds now and then: money, marks of trade, fractions.
bool usual(char32_t c)
{
    return opening(c) || closing(c) || inside(c) || c == 0x20AC || c == 0x00A3 || c == 0x00A2 || c == 0x00A5
        || c == 0x00A7 || c == 0x2022 || c == 0x2020 || c == 0x00BD || c == 0x00BC || c == 0x00BE || c == 0x00D7
        || c == 0x00B1 || c == 0x201A;
}

bool cyrillicVowel(char32_t c)
{
    static const char16_t vowels[] = u"аеёиоуыэюяіїєАЕЁИОУЫЭЮЯІЇЄ";
    return std::find(std::begin(vowels), std::end(vowels) - 1, char16_t(c)) != std::end(vowels) - 1;
}

void judgeWord(const QVector<Point> &word, Reading &r)
{
    quint32 groups = 0;
    int letters = 0, upper = 0, lower = 0, high = 0;
    const int at = word.first().offset;
    if (word.first().mark)
        return r.fail(at);
    quint32 base = 0;
    for (const Point &p : word) {
        const quint32 g = p.group;
        if (!p.mark) {
            base = g;
            groups |= g;
            ++letters;
            upper += p.upper;
            lower += p.lower;
            high += p.high;
        } else if (p.high && ((base & (Latin | Cyrillic | Greek)) || (g && g != base))) {
            // A combining mark of another script on a letter (an Arabic vowel
            // sign on "N"), or on a letter of a cased script, which code pages
            // give whole.
            return r.fail(p.offset);
        }
    }
    ++r.words;
    const bool cjk = (groups & (Han | Kana | Hangul)) != 0;
    const bool mixed = cjk ? (groups & ~quint32(Han | Kana | Hangul)) != 0 || (groups & Kana && groups & Hangul)
                           : (groups & (groups - 1)) != 0;
    if (mixed)
        return r.fail(at);
    for (qsizetype i = 1; i < word.size(); ++i) {
        // A capital after a small letter, one of them read from beyond ASCII: "StrÈm", "éR".
        if (word[i].upper && word[i - 1].lower && (word[i].high || word[i - 1].high))
            return r.fail(word[i].offset);
    }
    double weight = 1;
    if (groups == Latin) {
        // Latin words are mostly ASCII: three letters or more all beyond it are another script's.
        if (high == letters && letters >= 3)
            return r.fail(at);
        const std::vector<Writers> &table = writers();
        quint32 any = ~0u, common = ~0u;
        for (const Point &p : word) {
            if (!p.high || p.mark)
                continue;
            const char32_t key = letterKey(p.code);
            if (key >= LetterLimit || table[key].any == 0)
                return r.fail(p.offset);
            any &= table[key].any;
            common &= table[key].common;
        }
        if (any == 0)
            return r.fail(at);
        // Icelandic starts words with þ and never with ð: Turkish ş and ğ read as Windows-1252 do otherwise.
        for (qsizetype i = 0; i < word.size(); ++i) {
            const char32_t key = letterKey(word[i].code);
            if ((key == 0x00FE && i > 0) || (key == 0x00F0 && i == 0))
                return r.fail(word[i].offset);
        }
        weight = (common ? 1 : 0.25) * (high == letters ? 0.5 : 1);
        for (const Point &p : word) {
            if (p.high && !p.mark)
                r.letters.set(letterKey(p.code));
        }
    } else if (groups == Cyrillic || groups == Greek) {
        // Words have vowels, but for abbreviations (ООО, ЧП); no word starts
        // with a sign; a Greek final sigma ends a word.
        const bool vowel = groups == Greek
            || std::any_of(word.cbegin(), word.cend(), [](const Point &p) { return cyrillicVowel(p.code); });
        static const char16_t signs[] = u"ьъыЬЪЫ";
        const bool sign = std::find(std::begin(signs), std::end(signs) - 1, char16_t(word.first().code)) != std::end(signs) - 1;
        const bool finalSigma = std::any_of(word.cbegin(), word.cend() - 1, [](const Point &p) { return p.code == 0x03C2; });
        // Capitals, a capital and small letters, or small letters: "ΝΣδ" is none.
        const bool cased = upper == letters || lower == letters || (upper == 1 && word.first().upper);
        // A Greek word has one accent at most.
        const auto accents = std::count_if(word.cbegin(), word.cend(), [](const Point &p) {
            return (p.code >= 0x03AC && p.code <= 0x03B0) || p.code == 0x03CC || p.code == 0x03CD || p.code == 0x03CE
                || p.code == 0x0390 || p.code == 0x0386 || (p.code >= 0x0388 && p.code <= 0x038F);
        });
        if ((letters >= 3 && !vowel && !(upper == letters && letters <= 4)) || sign || finalSigma || !cased || accents > 1)
            return r.fail(at);
        // Names and headers start with a capital; misread text mostly does not.
        if (lower == letters)
            weight = 0.5;
        r.groups |= groups;
    } else if (cjk) {
        double sum = 0;
        int n = 0;
        for (const Point &p : word) {
            if (p.high) {
                sum += p.common;
                ++n;
            }
        }
        weight = n ? sum / n : 1;
        if (weight < 0.5)
            return r.fail(at);
        r.groups |= groups & Kana ? Kana : groups & Hangul ? Hangul : Han;
    } else {
        r.groups |= groups;
    }
    int fromHigh = 0;
    for (const Point &p : word)
        fromHigh += p.high;
    r.weighted += weight * fromHigh;
    r.weight += fromHigh;
}

// The words of a reading judged, stopping at a character no text holds.
void judge(const QVector<Point> &points, Reading &r)
{
    QVector<Point> word;
    bool judged = false;
    auto wordChar = [&](qsizetype i) {
        return i >= 0 && i < points.size() && (points[i].letter || (points[i].mark && i > 0));
    };
    for (qsizetype i = 0; i <= points.size(); ++i) {
        if (i < points.size() && (points[i].letter || points[i].mark)) {
            word.append(points[i]);
            judged = judged || points[i].high;
            continue;
        }
        if (judged)
            judgeWord(word, r);
        word.clear();
        judged = false;
        if (i == points.size())
            break;
        const Point &p = points[i];
        if (!p.high || QChar::isSpace(p.code))
            continue;
        if (foreign(p.code)) {
            r.impossible = true;
            r.badOffset = p.offset;
            return;
        }
        const bool before = wordChar(i - 1), after = wordChar(i + 1);
        // The Catalan middle dot stands between two l's (col·legi) alone.
        auto isL = [&](qsizetype k) { return k >= 0 && k < points.size() && (points[k].code | 0x20) == 'l'; };
        const bool ellDot = p.code == 0x00B7 && isL(i - 1) && isL(i + 1);
        if ((before || after) && !inside(p.code) && !ellDot && !(opening(p.code) && !before) && !(closing(p.code) && !after)) {
            r.fail(p.offset);
        } else if (!usual(p.code)) {
            // A sign standing alone is seldom what a file meant.
            r.weighted += 0.1;
            r.weight += 1;
        }
    }
}

// How few languages the letters take, by all their letters or by their
// common ones alone (a letter no language writes commonly then counts as any).
int languagesOf(std::bitset<LetterLimit> rest, bool commonOnly)
{
    const std::vector<Writers> &table = writers();
    int count = 0;
    while (rest.any()) {
        int best = -1;
        size_t most = 0;
        for (int a = 0; a < AlphabetCount; ++a) {
            size_t n = 0;
            for (const char16_t *p = Alphabets[a].common; *p; ++p)
                n += rest.test(*p);
            for (const char16_t *p = Alphabets[a].occasional; *p && !commonOnly; ++p)
                n += rest.test(*p);
            if (n > most) {
                most = n;
                best = a;
            }
        }
        if (best < 0) {
            if (!commonOnly)
                break;
            commonOnly = false;
            continue;
        }
        for (size_t c = 0; c < rest.size(); ++c) {
            const quint32 writers = commonOnly ? table[c].common : table[c].any;
            if (rest.test(c) && writers & (1u << best))
                rest.reset(c);
        }
        ++count;
    }
    return count;
}

// How few languages and scripts the text's letters take.
int coverOf(const Reading &r)
{
    const int count = languagesOf(r.letters, false);
    int groups = 0;
    for (quint32 g = r.groups & ~quint32(Latin); g; g &= g - 1)
        ++groups;
    // A text of no letters takes one language as much as one of letters.
    return std::max(count + groups, 1);
}

#if VIRE_HAVE_ICU

struct ConverterCloser
{
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter open(const QByteArray &name)
{
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open(name.constData(), &status));
    if (U_FAILURE(status))
        c.reset();
    return c;
}

// The bytes as UTF-16, each unit with the offset of the bytes it came from;
// what has no character comes as U+FFFD or U+001A.
bool toUnicode(const QByteArray &name, QByteArrayView bytes, QString &text, QVector<int32_t> &offsets)
{
    const Converter c = open(name);
    if (!c)
        return false;
    text.resize(2 * bytes.size() + 16);
    offsets.resize(text.size());
    UChar *target = reinterpret_cast<UChar *>(text.data());
    const char *source = bytes.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(c.get(), &target, target + text.size(), &source, source + bytes.size(), offsets.data(), true, &status);
    if (U_FAILURE(status))
        return false;
    const qsizetype n = target - reinterpret_cast<UChar *>(text.data());
    text.truncate(n);
    offsets.resize(n);
    return true;
}

#else

bool is1252(const QByteArray &name)
{
    const QByteArray n = name.toLower();
    return n == "windows-1252" || n == "cp1252";
}

bool isUtf8(const QByteArray &name)
{
    const QByteArray n = name.toLower();
    return n == "utf-8" || n == "utf8";
}

// Windows-1252 by the image's own table, and UTF-8; U+FFFD for what is none.
bool toUnicode(const QByteArray &name, QByteArrayView bytes, QString &text, QVector<int32_t> &offsets)
{
    text.clear();
    offsets.clear();
    if (is1252(name)) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            text += cp1252::toChar(uchar(bytes[i]));
            offsets.append(int32_t(i));
        }
        return true;
    }
    if (!isUtf8(name))
        return false;
    text = QString::fromUtf8(bytes);
    offsets.fill(0, text.size());
    return true;
}

#endif

QVector<Point> pointsOf(const QString &text, const QVector<int32_t> &offsets, QByteArrayView bytes, Family family)
{
    QVector<Point> points;
    points.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        const int offset = offsets.at(i);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        const uchar lead = offset >= 0 && offset < bytes.size() ? uchar(bytes[offset]) : 0;
        bool high = lead >= 0x80;
        // Full-width Latin letters are Latin letters, as Japanese phones write romaji.
        if (code >= 0xFF21 && code <= 0xFF5A && QChar::isLetter(code)) {
            code -= 0xFF21 - 0x41;
            high = false;
        }
        const uchar trail = offset + 1 < bytes.size() ? uchar(bytes[offset + 1]) : 0;
        Point p{code, offset, high, 1, 0, false, false, false, false};
        if (code < 0x80) {
            p.upper = code >= 'A' && code <= 'Z';
            p.lower = code >= 'a' && code <= 'z';
            p.letter = p.upper || p.lower;
            p.group = p.letter ? quint32(Latin) : 0u;
        } else {
            p.group = groupOf(code);
            p.letter = isLetter(code);
            p.mark = !p.letter && isMark(code);
            p.upper = QChar::isUpper(code);
            p.lower = QChar::isLower(code);
            if (high && (p.group & (Han | Kana | Hangul)))
                p.common = commonness(family, lead, trail);
        }
        points.append(p);
    }
    return points;
}

bool better(const Reading &a, const Reading &b)
{
    if (a.impossible != b.impossible)
        return !a.impossible;
    if (a.bad != b.bad)
        return a.bad < b.bad;
    if (a.cover != b.cover)
        return a.cover < b.cover;
    if (a.commonCover != b.commonCover)
        return a.commonCover < b.commonCover;
    if (std::abs(a.quality() - b.quality()) > 1e-9)
        return a.quality() > b.quality();
    return a.candidate < b.candidate;
}

bool separator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',' || c == ';' || c == '"' || c == ':';
}

} // namespace

Guess guess(const QVector<Sample> &samples)
{
    // The words that hold bytes beyond ASCII, each once, one to a line.
    constexpr qsizetype Budget = 4 * 1024;
    QByteArray joined;
    QVector<std::pair<int, int>> starts;   // offset in joined, line in the file
    QSet<QByteArrayView> seen;
    seen.reserve(512);
    for (const Sample &s : samples) {
        int line = s.line;
        const QByteArrayView b = s.bytes;
        for (qsizetype i = 0; i < b.size() && joined.size() < Budget;) {
            if (separator(b[i])) {
                line += b[i] == '\n';
                ++i;
                continue;
            }
            qsizetype end = i;
            bool high = false;
            for (; end < b.size() && !separator(b[end]); ++end)
                high = high || uchar(b[end]) >= 0x80;
            const QByteArrayView token = b.sliced(i, end - i);
            if (high && !seen.contains(token)) {
                seen.insert(token);
                starts.append({int(joined.size()), line});
                joined += token;
                joined += '\n';
            }
            i = end;
        }
    }
    Guess g;
    if (joined.isEmpty()) {
        g.name = Candidates[0].name;
        return g;
    }
    auto lineAt = [&](int offset) {
        const auto it = std::upper_bound(starts.cbegin(), starts.cend(), std::pair<int, int>{offset, INT_MAX});
        return it == starts.cbegin() ? starts.first().second : std::prev(it)->second;
    };

    auto read = [&](int c, QByteArrayView bytes) {
        Reading r;
        r.candidate = c;
        if (!toUnicode(Candidates[c].name, bytes, r.text, r.offsets))
            r.impossible = true;
        else
            judge(pointsOf(r.text, r.offsets, bytes, Candidates[c].family), r);
        return r;
    };
    // Every code page on the first words, then the few that read them best on all.
    const qsizetype head = starts.size() > 1 && joined.size() > 1024
        ? std::prev(std::upper_bound(starts.cbegin(), starts.cend(), std::pair<int, int>{1024, INT_MAX}))->first
        : joined.size();
    QVector<int> promising;
    int fewest = INT_MAX;
    QVector<Reading> first;
    for (int c = 0; c < CandidateCount; ++c) {
        first.append(read(c, QByteArrayView(joined).first(head > 0 ? head : joined.size())));
        if (!first.last().impossible)
            fewest = std::min(fewest, first.last().bad);
    }
    QVector<Reading> readings;
    for (Reading &r : first) {
        if (r.impossible || r.bad > fewest + 2)
            continue;
        if (head < joined.size())
            r = read(r.candidate, joined);
        if (r.impossible)
            continue;
        r.cover = coverOf(r);
        r.commonCover = std::max(languagesOf(r.letters, true), 1);
        readings.append(std::move(r));
    }
    if (readings.isEmpty()) {
        g.line = starts.first().second;
        return g;
    }
    std::sort(readings.begin(), readings.end(), better);
    const Reading &best = readings.first();
    if (best.bad > 0 && best.bad * 50 > best.words) {
        g.line = lineAt(best.badOffset);
        return g;
    }
    // Two readings as good, into different text: which is meant cannot be
    // told, unless one is the system's own code page.
    auto alike = [&](const Reading &r) {
        return r.bad == best.bad && r.cover == best.cover && r.commonCover == best.commonCover
            && std::abs(r.quality() - best.quality()) <= 1e-9;
    };
    const QByteArray own = systemCodePage();
    for (const Reading &r : readings) {
        if (alike(r) && own == Candidates[r.candidate].name) {
            g.name = own;
            return g;
        }
    }
    if (readings.size() > 1 && best.candidate != 0) {
        const Reading &next = readings.at(1);
        if (alike(next) && next.text != best.text) {
            qsizetype i = 0;
            while (i < best.text.size() && i < next.text.size() && best.text.at(i) == next.text.at(i))
                ++i;
            g.line = lineAt(best.offsets.value(std::min(i, best.offsets.size() - 1)));
            g.first = Candidates[best.candidate].name;
            g.second = Candidates[next.candidate].name;
            return g;
        }
    }
    g.name = Candidates[best.candidate].name;
    return g;
}

bool decode(const QByteArray &name, QByteArrayView bytes, QString &text, qsizetype &bad)
{
    bad = -1;
    QVector<int32_t> offsets;
    if (!toUnicode(name, bytes, text, offsets)) {
        bad = 0;
        return false;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
        if (foreign(code)) {
            bad = offsets.at(i) >= 0 ? offsets.at(i) : 0;
            return false;
        }
        if (code > 0xFFFF)
            ++i;
    }
    // A byte order mark the converter kept.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

#if VIRE_HAVE_ICU

bool known(const QByteArray &name)
{
    return !name.isEmpty() && open(name) != nullptr;
}

bool asciiCompatible(const QByteArray &name)
{
    const Converter c = open(name);
    if (!c || ucnv_getMinCharSize(c.get()) != 1)
        return false;
    int replaced = 0;
    static const char ascii[] = "BEGIN:VCARD\r\nnumber,name;\"0-9\"";
    return encode(name, QString::fromLatin1(ascii), replaced) == QByteArray(ascii);
}

namespace {

struct Count
{
    int replaced = 0;
};

void countAndSubstitute(const void *context, UConverterFromUnicodeArgs *args, const UChar *units, int32_t length,
                        UChar32 codePoint, UConverterCallbackReason reason, UErrorCode *err)
{
    if (reason == UCNV_UNASSIGNED || reason == UCNV_ILLEGAL || reason == UCNV_IRREGULAR)
        ++static_cast<Count *>(const_cast<void *>(context))->replaced;
    UCNV_FROM_U_CALLBACK_SUBSTITUTE(nullptr, args, units, length, codePoint, reason, err);
}

} // namespace

QByteArray encode(const QByteArray &name, const QString &text, int &replaced)
{
    replaced = 0;
    const Converter c = open(name);
    if (!c)
        return QByteArray();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(c.get(), "?", 1, &status);
    Count count;
    status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(c.get(), countAndSubstitute, &count, nullptr, nullptr, &status);
    QByteArray out(int(text.size()) * ucnv_getMaxCharSize(c.get()) + 16, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(c.get(), out.data(), int32_t(out.size()), reinterpret_cast<const UChar *>(text.utf16()),
                                      int32_t(text.size()), &status);
    if (U_FAILURE(status))
        return QByteArray();
    out.truncate(n);
    replaced = count.replaced;
    return out;
}

#else

bool known(const QByteArray &name)
{
    return is1252(name) || isUtf8(name);
}

bool asciiCompatible(const QByteArray &name)
{
    return known(name);
}

QByteArray encode(const QByteArray &name, const QString &text, int &replaced)
{
    replaced = 0;
    if (isUtf8(name))
        return text.toUtf8();
    QByteArray out;
    for (QChar c : text) {
        const int b = cp1252::toByte(c);
        replaced += b < 0;
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

#endif

} // namespace exchange::codepage
