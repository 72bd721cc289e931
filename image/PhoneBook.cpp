#include "PhoneBook.h"

#include "VireError.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Sort weight of a case-folded character: a class in the high bits, the code below.
constexpr quint32 weight(char16_t u)
{
    quint32 cls = 5;
    if (u < 0x20)
        cls = 0;
    else if (u == ' ')
        cls = 1;
    else if (u >= '0' && u <= '9')
        cls = 3;
    else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z'))
        cls = 4;
    else if (u < 0x80)
        cls = 2;
    return (cls << 16) | u;
}

constexpr char16_t foldAscii(char16_t u)
{
    return u >= 'A' && u <= 'Z' ? char16_t(u + 0x20) : u;
}

// The weights of the ASCII characters as ranks below 0x80, case folded.
constexpr std::array<char16_t, 0x80> asciiRanks()
{
    std::array<char16_t, 0x80> ranks{};
    for (char16_t u = 0; u < 0x80; ++u) {
        for (char16_t v = 0; v < 0x80; ++v) {
            if (weight(foldAscii(v)) < weight(foldAscii(u)))
                ++ranks[u];
        }
    }
    return ranks;
}
constexpr std::array<char16_t, 0x80> AsciiRank = asciiRanks();

// The weight as one 16-bit code in the same order: an ASCII character gets
// its rank, every other character (class 5) its folded code, which is above
// all the ranks.
char16_t sortCode(QChar c)
{
    if (c.unicode() < 0x80)
        return AsciiRank[c.unicode()];
    const char16_t u = c.toCaseFolded().unicode();
    return u < 0x80 ? AsciiRank[u] : u;
}

// A text whose plain code order is the row order of the given text.
QString sortKey(const QString &text)
{
    QString key(text.size(), Qt::Uninitialized);
    QChar *out = key.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar(sortCode(text.at(i)));
    return key;
}

bool isSpecial(qint32 index)
{
    return index == PhoneBook::HiddenIndex || index == PhoneBook::UnknownIndex;
}

// Special rows first, in index order; then user rows by their sort keys.
bool keyLess(qint32 a, const QString &keyA, qint32 b, const QString &keyB)
{
    const bool sa = isSpecial(a), sb = isSpecial(b);
    if (sa || sb)
        return sa && (!sb || a < b);
    return keyA < keyB;
}

bool rowLess(const BookRow &a, const BookRow &b)
{
    return keyLess(a.index, sortKey(a.text), b.index, sortKey(b.text));
}

QString visible(const QString &text)
{
    // NUL and other control characters read from an image would be invisible.
    QString out = text;
    for (QChar &c : out) {
        if (c.unicode() < 0x20)
            c = QChar(char16_t(0x2400 + c.unicode()));
    }
    return out;
}

} // namespace

int compareRowTexts(const QString &a, const QString &b)
{
    return sortKey(a).compare(sortKey(b));
}

PhoneBook::PhoneBook(QObject *parent) : QAbstractListModel(parent)
{
    resetBook();
}

int PhoneBook::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : listCount();
}

QVariant PhoneBook::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= listCount())
        return QVariant();
    const BookRow &row = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return visible(row.text);
    if (role == ItemDataRole)
        return row.index;
    return QVariant();
}

void PhoneBook::checkRow(int row) const
{
    if (row < 0 || row >= listCount())
        throw VireError::subscriptOutOfRange();
}

QString PhoneBook::rowText(int row) const
{
    checkRow(row);
    return m_rows.at(row).text;
}

qint32 PhoneBook::itemData(int row) const
{
    checkRow(row);
    return m_rows.at(row).index;
}

int PhoneBook::sortedPosition(const BookRow &row) const
{
    // After any equal rows, so rows added alike keep the order they came in.
    const auto it = std::upper_bound(m_rows.cbegin(), m_rows.cend(), row, rowLess);
    return int(it - m_rows.cbegin());
}

int PhoneBook::addRow(const QString &text, qint32 itemData)
{
    if (itemData < 0 || itemData >= m_book.size())
        throw VireError::subscriptOutOfRange();
    BookRow row{text, itemData};
    const int pos = sortedPosition(row);
    beginInsertRows(QModelIndex(), pos, pos);
    m_rows.insert(pos, std::move(row));
    endInsertRows();
    return pos;
}

void PhoneBook::setRowText(int row, const QString &text)
{
    checkRow(row);
    m_rows[row].text = text;
    const QModelIndex i = index(row);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void PhoneBook::removeRowAt(int row)
{
    checkRow(row);
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

const BookEntry &PhoneBook::entry(int index) const
{
    if (index < 0 || index >= m_book.size())
        throw VireError::subscriptOutOfRange();
    return m_book.at(index);
}

void PhoneBook::updateCount()
{
    const QString digits = QString::number(listCount() - SpecialRows, 16).toUpper();
    const QString text = QStringLiteral("0x") + (QStringLiteral("000") + digits).right(4);
    if (text == m_countText)
        return;
    m_countText = text;
    emit countTextChanged(m_countText);
}

void PhoneBook::markNumbers(bool modified)
{
    if (modified == m_marked)
        return;
    m_marked = modified;
    emit markerChanged(m_marked);
}

void PhoneBook::resetBook()
{
    QVector<BookEntry> table(SampleIndex + 2);
    table[HiddenIndex] = {hiddenLabel(), QStringLiteral("Dolt nummer"), 0};
    table[UnknownIndex] = {unknownLabel(), QStringLiteral("Ok\u00e4nt nummer"), 0};
    table[SampleIndex] = {QStringLiteral("12345"), QStringLiteral("Test Testsson"), 0};
    QVector<BookRow> rows{{hiddenLabel(), HiddenIndex},
                          {unknownLabel(), UnknownIndex},
                          {QStringLiteral("12345"), SampleIndex}};
    replaceAll(std::move(table), SampleIndex, std::move(rows));
}

void PhoneBook::replaceAll(QVector<BookEntry> table, qint16 lastIndex, QVector<BookRow> rows)
{
    // Each text's key is made once, not at every comparison: a decoded image
    // brings up to 2,032 rows.
    struct KeyedRow
    {
        QString key;
        BookRow row;
    };
    std::vector<KeyedRow> keyed;
    keyed.reserve(size_t(rows.size()));
    for (BookRow &row : rows)
        keyed.push_back({sortKey(row.text), std::move(row)});
    std::stable_sort(keyed.begin(), keyed.end(), [](const KeyedRow &a, const KeyedRow &b) {
        return keyLess(a.row.index, a.key, b.row.index, b.key);
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        rows[qsizetype(i)] = std::move(keyed[i].row);
    beginResetModel();
    m_book = std::move(table);
    m_lastIndex = lastIndex;
    m_rows = std::move(rows);
    endResetModel();
    updateCount();
    markNumbers(false);
}

bool PhoneBook::addEntry(const QString &number, const QString &name, quint8 flags)
{
    // "_" starts only the labels of the special entries; the image holds 2,032
    // user records; table indices are 16-bit.
    if (number.isEmpty() || number.startsWith(QLatin1Char('_')) || userCount() >= MaxUserEntries
        || m_lastIndex >= MaxIndex)
        return false;
    const qint16 index = m_lastIndex + 1;
    if (m_book.size() <= index)
        m_book.resize(index + 1);
    m_book[index] = {number, name, flags};
    m_lastIndex = index;
    addRow(number, index);
    updateCount();
    markNumbers(true);
    return true;
}

bool PhoneBook::updateEntry(int row, const QString &number, const QString &name, quint8 flags)
{
    if (row < 0 || row >= listCount())
        return false;
    BookEntry &e = m_book[m_rows.at(row).index];
    e = {number, name, flags};
    setRowText(row, number);
    markNumbers(true);
    return true;
}

bool PhoneBook::removeEntry(int row, const QString &numberBoxText)
{
    // The last user entry stays; the special rows never go.
    if (listCount() - 1 <= 2 || numberBoxText.startsWith(QLatin1Char('_')) || row < SpecialRows
        || row >= listCount())
        return false;
    removeRowAt(row);
    updateCount();
    return true;
}
