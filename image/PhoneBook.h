#pragma once

#include "image/BookEntry.h"
#include "image/Layout.h"

#include <QAbstractListModel>
#include <QString>
#include <QVector>

// One row of the phone-book list: its text and the table index it stands for.
struct BookRow
{
    QString text;
    qint32 index = 0;
};

// Moved with memmove when rows are inserted.
Q_DECLARE_TYPEINFO(BookRow, Q_RELOCATABLE_TYPE);

// Orders row texts: letter case ignored, control characters, then space, then
// punctuation ("_" among it), then digits, then letters; a text comes before
// any longer text that begins with it. Negative, zero or positive like strcmp.
int compareRowTexts(const QString &a, const QString &b);

// The phone book: the table `book` with `lastIndex`, and the sorted rows that
// the list shows (this model is the list's only data). The two special entries
// (table indices 0 and 1) are pinned to rows 0 and 1 whatever the other rows hold.
class PhoneBook : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr qint32 HiddenIndex = 0;
    static constexpr qint32 UnknownIndex = 1;
    static constexpr qint32 SampleIndex = 15;
    static constexpr int SpecialRows = 2;
    static constexpr int MaxUserEntries = layout::MaxUserRecords;
    static constexpr qint16 MaxIndex = 32767;
    static constexpr int ItemDataRole = Qt::UserRole;

    static QString hiddenLabel() { return BookEntry::hiddenLabel(); }
    static QString unknownLabel() { return BookEntry::unknownLabel(); }

    // Starts with the default contents.
    explicit PhoneBook(QObject *parent = nullptr);

    // The list's view of the rows.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Rows. A bad row is the subscript-out-of-range error.
    int listCount() const { return int(m_rows.size()); }
    int userCount() const { return listCount() - SpecialRows; }
    using QAbstractListModel::itemData;
    qint32 itemData(int row) const;
    const QVector<BookRow> &rows() const { return m_rows; }
    // Inserts at the row's sorted place and returns that place.
    int addRow(const QString &text, qint32 itemData);
    // Changes the text in place: the row does not move.
    void setRowText(int row, const QString &text);
    void removeRowAt(int row);

    // Table. A bad index is the subscript-out-of-range error.
    const BookEntry &entry(int index) const;
    const QVector<BookEntry> &table() const { return m_book; }
    qint16 lastIndex() const { return m_lastIndex; }

    // Count display text: "0x" and four hex digits of the user-entry count.
    void updateCount();
    QString countText() const { return m_countText; }
    // Modified marker.
    void markNumbers(bool modified);
    bool isMarked() const { return m_marked; }

    // Default contents: hidden, unknown and one sample entry; marker cleared.
    void resetBook();
    // Replaces everything with a decoded book; rows may come in any order.
    void replaceAll(QVector<BookEntry> table, qint16 lastIndex, QVector<BookRow> rows);
    // Replaces everything with the book a decoder would make of these entries:
    // the special entries in 0 and 1, user entry j (from 0) at index 16 + j, the
    // rows in list order, marker cleared. Too many entries for 16-bit indices is
    // the overflow error, and nothing changes.
    void replaceEntries(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users);

    // Editing commands. False means refused: nothing has changed.
    bool addEntry(const QString &number, const QString &name, quint8 flags);
    // Adds the entries one after another exactly as addEntry would (the same
    // indices, the same row places), telling the list's views once. False, with
    // nothing changed, when addEntry would refuse any of them.
    bool addEntries(const QVector<BookEntry> &entries);
    bool updateEntry(int row, const QString &number, const QString &name, quint8 flags);
    bool removeEntry(int row, const QString &numberBoxText);

signals:
    void countTextChanged(const QString &text);
    void markerChanged(bool modified);

private:
    int sortedPosition(const BookRow &row) const;
    void checkRow(int row) const;

    QVector<BookEntry> m_book;
    qint16 m_lastIndex = 0;
    QVector<BookRow> m_rows;
    QString m_countText;
    bool m_marked = false;
};
