#include "exchange/Contacts.h"

#include "exchange/Layouts.h"
#include "exchange/Rules.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace exchange {

namespace {

using layouts::Role;

// Our own columns by role: number, name, sound, sbit1 to sbit4.
constexpr int OwnColumns = 7;
int ownSlot(Role role)
{
    return int(role) - int(Role::Number);
}

const QStringList &ownNames()
{
    static const QStringList names = layouts::ownHeader();
    return names;
}

// The parts that name a row of another program's table, by role.
constexpr int Parts = 5;
int partSlot(Role role)
{
    return int(role) - int(Role::Given);
}

QString lowerName(const Cell &cell)
{
    return cell.text.trimmed().toLower();
}

bool isBlank(const QVector<Cell> &row)
{
    return std::all_of(row.cbegin(), row.cend(), [](const Cell &c) { return c.text.trimmed().isEmpty(); });
}

// "", or a decimal value from 0 to max.
bool smallValue(const QString &text, int max, int &value)
{
    const QString t = text.trimmed();
    value = 0;
    if (t.isEmpty())
        return true;
    if (t.size() > 1 || t.at(0) < QLatin1Char('0') || t.at(0) > QLatin1Char('9'))
        return false;
    value = t.at(0).unicode() - '0';
    return value <= max;
}

QString who(const QString &name)
{
    return rules::who("entry", name);
}

// A number from a spreadsheet's number cell lost what made it text.
void numericCell(const Cell &cell, int line, const QString &name, ReadResult &result)
{
    if (cell.numeric)
        result.warnings.append(Problem::at(line, QStringLiteral("%1: number %2 comes from a number cell; leading zeros may have "
                                                     "been lost (format the column as text)")
                                          .arg(who(name), cell.text.trimmed())));
}

// Extra empty fields at the end of a row are what spreadsheets leave; others break the row.
bool fieldsFit(const QVector<Cell> &row, qsizetype width, int line, Mode mode, ReadResult &result)
{
    if (row.size() <= width || std::all_of(row.cbegin() + width, row.cend(), [](const Cell &c) { return c.text.isEmpty(); }))
        return true;
    rules::reject(mode, line, QStringLiteral("row has %1 fields, the header %2").arg(row.size()).arg(width), result);
    return false;
}

using OwnAt = std::array<int, OwnColumns>;

void ownRow(const QVector<Cell> &row, int line, const OwnAt &at, qsizetype width, Mode mode, ReadResult &result)
{
    if (!fieldsFit(row, width, line, mode, result))
        return;
    static const Cell none;
    auto field = [&](Role role) -> const Cell & {
        const int col = at[size_t(ownSlot(role))];
        return col >= 0 && col < row.size() ? row.at(col) : none;
    };

    Contact c;
    c.line = line;
    c.name = field(Role::Name).text;
    rules::checkName(c.name, line, result);
    const int errors = int(result.errors.size()), skipped = result.skipped;
    // Adding, a skipped row gets one warning, for what broke first; replacing, every fault is an error.
    auto reject = [&](const QString &text) {
        if (result.skipped == skipped)
            rules::reject(mode, line, text, result);
    };
    int sound = 0;
    if (!smallValue(field(Role::Sound).text, 7, sound))
        reject(QStringLiteral("%1: sound \"%2\" is not 0 to 7").arg(who(c.name), field(Role::Sound).text.trimmed()));
    BookEntry::SwitchBits bits{};
    if (!field(Role::Sound).text.trimmed().isEmpty())
        c.given |= BookEntry::SoundMask;
    for (int b = 0; b < BookEntry::SwitchCount; ++b) {
        const Role role = Role(int(Role::Sbit1) + b);
        int bit = 0;
        if (!smallValue(field(role).text, 1, bit))
            reject(QStringLiteral("%1: %2 \"%3\" is not 0 or 1")
                       .arg(who(c.name), ownNames().at(ownSlot(role)), field(role).text.trimmed()));
        bits[size_t(b)] = bit != 0;
        if (!field(role).text.trimmed().isEmpty())
            c.given |= BookEntry::switchMask(b);
    }
    c.flags = BookEntry::composeFlags(sound, bits);
    if (result.errors.size() > errors || result.skipped > skipped)
        return;

    const QString raw = field(Role::Number).text;
    if (raw.trimmed() == BookEntry::hiddenLabel() || raw.trimmed() == BookEntry::unknownLabel()) {
        c.number = raw.trimmed();
    } else {
        if (!rules::takeNumber(raw, mode, line, "entry", c.name, c.number, result))
            return;
        numericCell(field(Role::Number), line, c.name, result);
    }
    rules::keep(std::move(c), result);
}

// Where another program's table keeps what we read.
struct Columns
{
    std::array<int, Parts> part;     // the first cell of each name part, -1 for none
    std::array<int, 4> reading;      // how the given, middle, family and display names are spoken
    struct Phone
    {
        int col;
        int kind;                    // the cell labelling it, -1 for none
    };
    QVector<Phone> phones;
    QVector<int> leftOut;            // faxes and pagers
    QVector<int> pagers;             // of those, the pagers
    // Columns the layout does not list, and what they were seen to hold.
    struct Unlisted
    {
        int col;
        int values = 0, numbers = 0;
    };
    QVector<Unlisted> unlisted;
};

Columns columnsOf(const layouts::Header &header, const QVector<Cell> &cells)
{
    Columns cols;
    cols.part.fill(-1);
    cols.reading.fill(-1);
    for (int f = 0; f < header.roles.size(); ++f) {
        const Role role = header.roles.at(f);
        if (role >= Role::ReadingGiven && role <= Role::ReadingDisplay) {
            int &slot = cols.reading[size_t(int(role) - int(Role::ReadingGiven))];
            if (slot < 0)
                slot = f;
        } else if (role >= Role::Given && role <= Role::Company) {
            int &slot = cols.part[size_t(partSlot(role))];
            if (slot < 0)
                slot = f;
        } else if (role == Role::Phone) {
            int kind = -1;
            for (int k = 0; k < header.roles.size() && kind < 0; ++k) {
                if (header.roles.at(k) == Role::PhoneKind && header.tags.at(k) == header.tags.at(f))
                    kind = k;
            }
            cols.phones.append({f, kind});
        } else if (role == Role::Fax || role == Role::Pager) {
            cols.leftOut.append(f);
            if (role == Role::Pager)
                cols.pagers.append(f);
        } else if (role == Role::Unlisted && !cells.at(f).text.trimmed().isEmpty()) {
            cols.unlisted.append(Columns::Unlisted{f});
        }
    }
    return cols;
}

// Google labels each number: "Work Fax", "Pager", "Mobile".
bool faxOrPager(const QString &label)
{
    return label.contains(QLatin1String("fax"), Qt::CaseInsensitive)
        || label.contains(QLatin1String("pager"), Qt::CaseInsensitive);
}

void otherRow(const QVector<Cell> &row, int line, Columns &cols, qsizetype width, Mode mode, ReadResult &result)
{
    for (Columns::Unlisted &u : cols.unlisted) {
        const QString value = u.col < row.size() ? row.at(u.col).text.trimmed() : QString();
        if (value.isEmpty())
            continue;
        ++u.values;
        const QString digits = rules::cleanedNumber(value);
        if (digits.size() >= 5 && digits.size() <= layout::NumberLength && rules::isDigits(digits))
            ++u.numbers;
    }
    if (!fieldsFit(row, width, line, mode, result))
        return;
    auto text = [&](Role role) {
        const int col = cols.part[size_t(partSlot(role))];
        return col >= 0 && col < row.size() ? row.at(col).text.trimmed() : QString();
    };
    QStringList parts{text(Role::Given), text(Role::Middle), text(Role::Family)};
    parts.removeAll(QString());
    // A name of invisible characters only (bidi marks) is none: the next one is taken, or the row skipped.
    const QStringList names{parts.join(QLatin1Char(' ')), text(Role::Display), text(Role::Company)};
    bool invisible = false;
    const qsizetype chosen = rules::firstName(names, line, result, invisible);
    if (invisible) {
        rules::reject(mode, line, QStringLiteral("row has a name of only invisible characters and no other"), result);
        return;
    }
    QString name = chosen >= 0 ? names.at(chosen) : QString();
    // How the name taken is spoken, where the file says.
    auto reading = [&](int k) {
        const int col = cols.reading[size_t(k)];
        return col >= 0 && col < row.size() ? row.at(col).text.trimmed() : QString();
    };
    QStringList heard{reading(0), reading(1), reading(2)};
    heard.removeAll(QString());
    const QString phonetic = chosen == 0 ? heard.join(QLatin1Char(' ')) : chosen == 1 ? reading(3) : QString();
    if (name.isEmpty())
        result.warnings.append(Problem::at(line, QStringLiteral("row has no name (first, middle or last name, display name or "
                                                     "company); its entries have none")));
    rules::checkName(name, line, result, phonetic);

    bool any = false;
    int left = 0;
    // Google puts several numbers of one kind into one cell.
    auto values = [&](int col) {
        QStringList list = col < row.size() ? row.at(col).text.split(QStringLiteral(":::")) : QStringList();
        list.removeIf([](const QString &v) { return v.trimmed().isEmpty(); });
        return list;
    };
    for (const Columns::Phone &p : cols.phones) {
        const QStringList numbers = values(p.col);
        if (p.kind >= 0 && p.kind < row.size() && faxOrPager(row.at(p.kind).text)) {
            left += int(numbers.size());
            if (row.at(p.kind).text.contains(QLatin1String("pager"), Qt::CaseInsensitive))
                result.pagers += int(numbers.size());
            continue;
        }
        for (const QString &value : numbers) {
            any = true;
            Contact c{QString(), name, 0, line};
            if (rules::takeNumber(value, mode, line, "entry", name, c.number, result)) {
                numericCell(row.at(p.col), line, name, result);
                rules::keep(std::move(c), result);
            }
        }
    }
    for (int col : cols.leftOut) {
        const int n = int(values(col).size());
        left += n;
        if (cols.pagers.contains(col))
            result.pagers += n;
    }
    result.leftOut += left;
    // A row of faxes alone is not skipped: its numbers are counted as left out.
    if (!any && left == 0) {
        result.warnings.append(Problem::at(line, QStringLiteral("%1 has no telephone number; skipped").arg(who(name))));
        ++result.skipped;
    }
}

QString noLayout(const QString &why)
{
    return why + QStringLiteral("; export the contacts as vCard (.vcf) from the other program, which is read too");
}

} // namespace

QString csvHeader()
{
    return ownNames().join(QLatin1Char(','));
}

ReadResult readTable(const Table &table, Mode mode)
{
    ReadResult result;
    // A sheet may have empty rows above its header; a table of none holds no contacts.
    qsizetype first = 0;
    while (first < table.rows.size() && isBlank(table.rows.at(first)))
        ++first;
    if (first == table.rows.size())
        return result;
    const QVector<Cell> &cells = table.rows.at(first);
    auto lineOf = [&](qsizetype r) { return r < table.lines.size() ? table.lines.at(r) : int(r) + 1; };
    const int headerLine = lineOf(first);

    QStringList names;
    for (const Cell &cell : cells)
        names.append(cell.text);
    const layouts::Header header = layouts::readHeader(names);
    if (header.layout < 0 || header.rival >= 0) {
        // Columns another program may have written in a language not read.
        QString unplaced;
        if (!header.unplaced.isEmpty()) {
            const QStringList shown = header.unplaced.mid(0, 10);
            unplaced = QStringLiteral("; columns not placed: %1%2")
                           .arg(shown.join(QStringLiteral(", ")), header.unplaced.size() > shown.size() ? QStringLiteral(", ...")
                                                                                                      : QString());
        }
        const QString why = header.rival >= 0
            ? QStringLiteral("the header reads as %1 and as %2 alike, each placing its columns in its own way%3")
                  .arg(layouts::all().at(header.layout).title(), layouts::all().at(header.rival).title(), unplaced)
            : QStringLiteral("the header names neither our columns (%1; only \"number\" is required) nor the name and "
                             "telephone columns of a Google Contacts, Outlook or Thunderbird export%2")
                  .arg(csvHeader(), unplaced);
        result.errors.append(Problem::at(headerLine, noLayout(why)));
        return result;
    }
    const layouts::Layout *layout = &layouts::all().at(header.layout);
    const bool own = layout->own;

    // Our own columns: which field holds each; -1 for one the table lacks.
    OwnAt at;
    at.fill(-1);
    QStringList ignored;
    Columns cols;
    if (own) {
        for (int f = 0; f < cells.size(); ++f) {
            const Role role = header.roles.at(f);
            if (role == Role::Unlisted) {
                if (!cells.at(f).text.trimmed().isEmpty())
                    ignored.append(cells.at(f).text.trimmed());
                continue;
            }
            int &slot = at[size_t(ownSlot(role))];
            if (slot >= 0) {
                result.errors.append(Problem::at(headerLine, QStringLiteral("column \"%1\" appears twice").arg(lowerName(cells.at(f)))));
                return result;
            }
            slot = f;
        }
    } else {
        cols = columnsOf(header, cells);
        result.layout = layout->title();
    }
    if (own && !ignored.isEmpty())
        result.warnings.append(Problem::at(headerLine, QStringLiteral("column(s) ignored: %1").arg(ignored.join(QStringLiteral(", ")))));

    result.contacts.reserve(table.rows.size());
    for (qsizetype r = first + 1; r < table.rows.size(); ++r) {
        const QVector<Cell> &row = table.rows.at(r);
        // Rows of nothing but separators are what spreadsheets leave below the data.
        if (isBlank(row))
            continue;
        if (own)
            ownRow(row, lineOf(r), at, cells.size(), mode, result);
        else
            otherRow(row, lineOf(r), cols, cells.size(), mode, result);
    }
    // Never lose a column quietly: one the layout does not list but that holds telephone numbers is named.
    for (const Columns::Unlisted &u : cols.unlisted) {
        if (u.numbers * 2 > u.values)
            result.warnings.append(Problem::at(headerLine, QStringLiteral("column \"%1\" is no column of %2; its %3 value(s), "
                                                               "most of them telephone numbers, are left out")
                                                    .arg(cells.at(u.col).text.trimmed(), layout->title())
                                                    .arg(u.values)));
    }
    return result;
}

} // namespace exchange
