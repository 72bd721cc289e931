// The entry commands: showing the selected entry, composing its flags, and
// Add, Update, Remove and Reset on the phone book.
#include "ui/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include <algorithm>

int Form1::selectedRow() const
{
    const QModelIndexList rows = m_list1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Form1::selectRow(int row)
{
    const bool already = selectedRow() == row;
    m_list1->selectionModel()->setCurrentIndex(m_book.index(row),
                                               QItemSelectionModel::ClearAndSelect);
    if (already)
        showEntry();
}

void Form1::updateFlags()
{
    BookEntry::SwitchBits bits{};
    for (int i = 0; i < BookEntry::SwitchCount; ++i)
        bits[size_t(i)] = m_check1[size_t(i)]->checkState() != Qt::Unchecked;
    const int flags = BookEntry::composeFlags(std::max(0, m_combo1->currentIndex()), bits);
    m_label12->setText(QStringLiteral("0x")
                       + QString::number(flags, 16).toUpper().rightJustified(2, QLatin1Char('0')));
}

void Form1::showEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const BookEntry entry = m_book.entry(qint16(m_book.itemData(row)));
    m_text1->setText(entry.number);
    m_text1->setEnabled(!m_text1->text().startsWith(QLatin1Char('_')));
    m_text2->setText(entry.name);
    m_combo1->setCurrentIndex(entry.sound());
    for (int i = 0; i < BookEntry::SwitchCount; ++i)
        m_check1[size_t(i)]->setCheckState(entry.switchBit(i) ? Qt::Checked : Qt::Unchecked);
    // Settings that kept their value raised no change.
    updateFlags();
}

quint8 Form1::displayedFlags() const
{
    // Add and Update take the flags from the display, not from a new composition.
    bool ok = false;
    const int value = m_label12->text().right(2).toInt(&ok, 16);
    return ok ? quint8(value) : 0;
}

void Form1::addEntry()
{
    if (!m_book.addEntry(m_text1->text(), m_text2->text(), displayedFlags()))
        m_platform.beep();
}

void Form1::updateEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_book.updateEntry(row, m_text1->text(), m_text2->text(), displayedFlags());
}

void Form1::removeEntry()
{
    if (!m_book.removeEntry(selectedRow(), m_text1->text()))
        m_platform.beep();
}

void Form1::resetBook()
{
    m_book.resetBook();
    selectRow(0);
}
