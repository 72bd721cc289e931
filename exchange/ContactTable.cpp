#include "Contacts.h"

#include "Rules.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace exchange {

namespace {

const std::array<QString, 7> Columns = {
    QStringLiteral("number"), QStringLiteral("name"),  QStringLiteral("sound"), QStringLiteral("sbit1"),
    QStringLiteral("sbit2"),  QStringLiteral("sbit3"), QStringLiteral("sbit4"),
};
enum Column { NumberCol, NameCol, SoundCol, Sbit1Col };

// Other programs' exports: Google Contacts (current and legacy) and Outlook in
// English and Swedish. A localized Outlook names its phone columns in its own
// language, so any column whose name holds the word phone or telefon counts,
// faxes and Google's label and type columns aside.
enum Part { First, Middle, Last, Full, Organisation, PartCount };
const std::array<QStringList, PartCount> NameColumns = {
    QStringList{"first name", "given name", "förnamn"},
    QStringList{"middle name", "additional name", "mellannamn"},
    QStringList{"last name", "family name", "efternamn"},
    QStringList{"name"},
    QStringList{"company", "organization name", "organization 1 - name", "företag"},
};

bool isPhoneColumn(const QString &name)
{
    static const QRegularExpression phone(QStringLiteral("\\bphone\\b|telefon"));
    static const QRegularExpression not_(QStringLiteral("fax|- label|- type"));
    return phone.match(name).hasMatch() && !not_.match(name).hasMatch();
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
        result.warnings.append({line, QStringLiteral("%1: number %2 comes from a number cell; leading zeros may have "
                                                     "been lost (format the column as text)")
                                          .arg(who(name), cell.text.trimmed())});
}

// Extra empty fields at the end of a row are what spreadsheets leave; others break the row.
bool fieldsFit(const QVector<Cell> &row, qsizetype width, int line, Mode mode, ReadResult &result)
{
    if (row.size() <= width || std::all_of(row.cbegin() + width, row.cend(), [](const Cell &c) { return c.text.isEmpty(); }))
        return true;
    rules::reject(mode, line, QStringLiteral("row has %1 fields, the header %2").arg(row.size()).arg(width), result);
    return false;
}

void ownRow(const QVector<Cell> &row, int line, const std::array<int, Columns.size()> &at, qsizetype width, Mode mode,
            ReadResult &result)
{
    if (!fieldsFit(row, width, line, mode, result))
        return;
    static const Cell none;
    auto field = [&](int col) -> const Cell & { return at[col] >= 0 && at[col] < row.size() ? row.at(at[col]) : none; };

    Contact c;
    c.line = line;
    c.name = field(NameCol).text;
    rules::checkName(c.name, line, result);
    const int errors = int(result.errors.size()), skipped = result.skipped;
    int sound = 0;
    if (!smallValue(field(SoundCol).text, 7, sound))
        rules::reject(mode, line, QStringLiteral("%1: sound \"%2\" is not 0 to 7").arg(who(c.name), field(SoundCol).text.trimmed()), result);
    int flags = sound;
    for (int b = 0; b < 4; ++b) {
        int bit = 0;
        if (!smallValue(field(Sbit1Col + b).text, 1, bit))
            rules::reject(mode, line, QStringLiteral("%1: %2 \"%3\" is not 0 or 1")
                                          .arg(who(c.name), Columns[size_t(Sbit1Col + b)], field(Sbit1Col + b).text.trimmed()),
                          result);
        flags |= bit << (7 - b);
    }
    c.flags = quint8(flags);
    // One warning and one count for a skipped row, whatever broke it.
    if (result.skipped > skipped + 1)
        result.skipped = skipped + 1;
    if (result.errors.size() > errors || result.skipped > skipped)
        return;

    const QString raw = field(NumberCol).text;
    if (raw.trimmed() == BookEntry::hiddenLabel() || raw.trimmed() == BookEntry::unknownLabel()) {
        c.number = raw.trimmed();
    } else {
        if (!rules::takeNumber(raw, mode, line, "entry", c.name, c.number, result))
            return;
        numericCell(field(NumberCol), line, c.name, result);
    }
    rules::keep(std::move(c), result);
}

void otherRow(const QVector<Cell> &row, int line, const std::array<int, PartCount> &part, const QVector<int> &phones,
              qsizetype width, Mode mode, ReadResult &result)
{
    if (!fieldsFit(row, width, line, mode, result))
        return;
    auto text = [&](int p) { return part[p] >= 0 && part[p] < row.size() ? row.at(part[p]).text.trimmed() : QString(); };
    QString name = text(Full);
    if (name.isEmpty()) {
        QStringList parts{text(First), text(Middle), text(Last)};
        parts.removeAll(QString());
        name = parts.join(QLatin1Char(' '));
    }
    if (name.isEmpty())
        name = text(Organisation);
    if (name.isEmpty())
        result.warnings.append({line, QStringLiteral("row has no name (first, middle or last name, or company); its "
                                                     "entries have none")});
    rules::checkName(name, line, result);

    bool any = false;
    for (int col : phones) {
        if (col >= row.size())
            continue;
        // Google puts several numbers of one kind into one cell.
        for (const QString &value : row.at(col).text.split(QStringLiteral(":::"))) {
            if (value.trimmed().isEmpty())
                continue;
            any = true;
            Contact c{QString(), name, 0, line};
            if (rules::takeNumber(value, mode, line, "entry", name, c.number, result)) {
                numericCell(row.at(col), line, name, result);
                rules::keep(std::move(c), result);
            }
        }
    }
    if (!any) {
        result.warnings.append({line, QStringLiteral("%1 has no telephone number; skipped").arg(who(name))});
        ++result.skipped;
    }
}

} // namespace

QString csvHeader()
{
    return QStringList(Columns.begin(), Columns.end()).join(QLatin1Char(','));
}

ReadResult readTable(const Table &table, Mode mode)
{
    ReadResult result;
    // A sheet may have empty rows above its header.
    qsizetype first = 0;
    while (first < table.rows.size() && isBlank(table.rows.at(first)))
        ++first;
    if (first == table.rows.size()) {
        result.errors.append({1, QStringLiteral("no header line; the first line names the columns: %1").arg(csvHeader())});
        return result;
    }
    const QVector<Cell> &header = table.rows.at(first);
    auto lineOf = [&](qsizetype r) { return r < table.lines.size() ? table.lines.at(r) : int(r) + 1; };
    const int headerLine = lineOf(first);

    // Which field holds each of our columns; -1 for a column the table lacks.
    std::array<int, Columns.size()> at;
    at.fill(-1);
    std::array<int, PartCount> part;
    part.fill(-1);
    QVector<int> phones;
    QStringList ignored;
    for (int f = 0; f < header.size(); ++f) {
        const QString name = lowerName(header.at(f));
        if (isPhoneColumn(name))
            phones.append(f);
        for (int p = 0; p < PartCount; ++p) {
            if (NameColumns[size_t(p)].contains(name) && part[size_t(p)] < 0)
                part[size_t(p)] = f;
        }
        const auto it = std::find(Columns.begin(), Columns.end(), name);
        if (it == Columns.end()) {
            if (!name.isEmpty())
                ignored.append(header.at(f).text.trimmed());
            continue;
        }
        int &slot = at[size_t(it - Columns.begin())];
        if (slot >= 0) {
            result.errors.append({headerLine, QStringLiteral("column \"%1\" appears twice").arg(name)});
            return result;
        }
        slot = f;
    }
    const bool own = at[NumberCol] >= 0;
    if (!own && phones.isEmpty()) {
        result.errors.append({headerLine, QStringLiteral("the header names neither our columns (%1; only \"number\" is "
                                                         "required) nor the phone and name columns of a Google Contacts "
                                                         "or Outlook export; export the contacts as vCard (.vcf) from "
                                                         "the other program, which is read too")
                                              .arg(csvHeader())});
        return result;
    }
    if (own && !ignored.isEmpty())
        result.warnings.append({headerLine, QStringLiteral("column(s) ignored: %1").arg(ignored.join(QStringLiteral(", ")))});

    result.contacts.reserve(table.rows.size());
    for (qsizetype r = first + 1; r < table.rows.size(); ++r) {
        const QVector<Cell> &row = table.rows.at(r);
        // Rows of nothing but separators are what spreadsheets leave below the data.
        if (isBlank(row))
            continue;
        if (own)
            ownRow(row, lineOf(r), at, header.size(), mode, result);
        else
            otherRow(row, lineOf(r), part, phones, header.size(), mode, result);
    }
    return result;
}

} // namespace exchange
