#include "image/PhoneBook.h"

#include "problem/Problem.h"

#include <algorithm>

namespace {

// Sort weight of one character: a class in the high bits, the folded code below.
quint32 weight(QChar c)
{
    // Numbers are ASCII: folding them needs no Unicode tables.
    char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        u += 'a' - 'A';
    else if (u >= 0x80)
        u = c.toCaseFolded().unicode();
    quint32 cls;
    if (u < 0x20)
        cls = 0;
    else if (u == ' ')
        cls = 1;
    else if (u >= '0' && u <= '9')
        cls = 3;
    else if (u < 0x80 && ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')))
        cls = 4;
    else if (u < 0x80)
        cls = 2;
    else
        cls = 5;
    return (cls << 16) | u;
}

bool isSpecial(qint32 index)
{
    return index == PhoneBook::HiddenIndex || index == PhoneBook::UnknownIndex;
}

// Special rows first, in index order; then user rows by text.
bool rowLess(const BookRow &a, const BookRow &b)
{
    const bool sa = isSpecial(a.index), sb = isSpecial(b.index);
    if (sa || sb)
        return sa && (!sb || a.index < b.index);
    return compareRowTexts(a.text, b.text) < 0;
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
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a.at(i) == b.at(i))
            continue;
        const quint32 wa = weight(a.at(i)), wb = weight(b.at(i));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
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

qint32 PhoneBook::itemData(int row) const
{
    checkRow(row);
    return m_rows.at(row).index;
}

int PhoneBook::sortedPosition(const BookRow &row) const
{
    // After any equal rows, so rows added alike keep the order they came in.
    // Update can leave rows out of order, where std::upper_bound is undefined:
    // this is its halving step written out, so the place is the one it finds
    // on sorted rows and a defined one on any others.
    qsizetype first = 0, count = m_rows.size();
    while (count > 0) {
        const qsizetype half = count / 2, middle = first + half;
        if (rowLess(row, m_rows.at(middle))) {
            count = half;
        } else {
            first = middle + 1;
            count -= half + 1;
        }
    }
    return int(first);
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
    // Rows that come in order (as from an image the encoder wrote) stay as they are.
    if (!std::is_sorted(rows.cbegin(), rows.cend(), rowLess))
        std::stable_sort(rows.begin(), rows.end(), rowLess);
    beginResetModel();
    m_book = std::move(table);
    m_lastIndex = lastIndex;
    m_rows = std::move(rows);
    endResetModel();
    updateCount();
    markNumbers(false);
}

void PhoneBook::replaceEntries(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users)
{
    constexpr int FirstUser = SampleIndex + 1;
    if (users.size() > MaxIndex - SampleIndex)
        throw VireError::overflow();
    QVector<BookEntry> table(FirstUser + users.size());
    QVector<BookRow> rows;
    rows.reserve(users.size() + SpecialRows);
    table[HiddenIndex] = {hiddenLabel(), hidden.name, hidden.flags};
    table[UnknownIndex] = {unknownLabel(), unknown.name, unknown.flags};
    rows.append({hiddenLabel(), HiddenIndex});
    rows.append({unknownLabel(), UnknownIndex});
    for (qsizetype j = 0; j < users.size(); ++j) {
        table[FirstUser + j] = users.at(j);
        rows.append({users.at(j).number, qint32(FirstUser + j)});
    }
    replaceAll(std::move(table), qint16(SampleIndex + users.size()), std::move(rows));
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

bool PhoneBook::addEntries(const QVector<BookEntry> &entries)
{
    if (entries.isEmpty())
        return true;
    if (userCount() + entries.size() > MaxUserEntries || m_lastIndex + entries.size() > MaxIndex)
        return false;
    for (const BookEntry &e : entries) {
        if (e.number.isEmpty() || e.number.startsWith(QLatin1Char('_')))
            return false;
    }

    beginResetModel();
    const qint32 first = m_lastIndex + 1;
    m_lastIndex = qint16(m_lastIndex + entries.size());
    if (m_book.size() <= m_lastIndex)
        m_book.resize(m_lastIndex + 1);
    std::copy(entries.cbegin(), entries.cend(), m_book.begin() + first);
    if (std::is_sorted(m_rows.cbegin(), m_rows.cend(), rowLess)) {
        // Each add goes after the rows that sort equal to it, so adding one by
        // one into sorted rows gives what a stable sort of old + new rows gives.
        m_rows.reserve(m_rows.size() + entries.size());
        for (qsizetype j = 0; j < entries.size(); ++j)
            m_rows.append({entries.at(j).number, qint32(first + j)});
        std::stable_sort(m_rows.begin(), m_rows.end(), rowLess);
    } else {
        // Rows left out of order by Update: each add finds its place as addEntry's does.
        for (qsizetype j = 0; j < entries.size(); ++j) {
            BookRow row{entries.at(j).number, qint32(first + j)};
            m_rows.insert(sortedPosition(row), std::move(row));
        }
    }
    endResetModel();
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
