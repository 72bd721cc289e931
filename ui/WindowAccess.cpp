// The window for every user: names, descriptions and label relations that a
// screen reader reads, Enter on the buttons, and colours that stay readable
// on the theme's background. Nothing here changes what the window shows.
#include "ui/Form1.h"

#include "ui/Colours.h"
#include "ui/Controls.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <iterator>
#include <utility>

void Form1::serveEveryone()
{
    // A box would otherwise be named by its frame's caption, the selector by
    // its current item, and a display by the hex it shows. The captions'
    // labels lead to their boxes (the selector is read by that relation),
    // and are named without the colon as their boxes are.
    const std::pair<const char *, QWidget *> captions[] = {
        {"Label8", m_text1}, {"Label9", m_text2}, {"Label10", m_combo1}};
    const char *const names[] = {"Number", "Name", "Sound"};
    for (size_t i = 0; i < std::size(captions); ++i) {
        auto *label = findChild<QLabel *>(QLatin1String(captions[i].first));
        label->setBuddy(captions[i].second);
        label->setAccessibleName(QLatin1String(names[i]));
        captions[i].second->setAccessibleName(QLatin1String(names[i]));
    }
    for (int k = 1; k <= layout::BankCount; ++k)
        sndName(k)->setAccessibleName(QStringLiteral("Sound %1 name").arg(k));
    m_list1->setAccessibleName(QStringLiteral("Phone book"));
    m_label11->setAccessibleName(QStringLiteral("Entries"));
    m_label12->setAccessibleName(QStringLiteral("Flags byte"));

    for (QPushButton *button : m_command)
        new PressOnEnter(button);
    for (const auto *row : {&m_sndOpen, &m_sndSave, &m_sndPlay})
        for (QPushButton *button : *row)
            new PressOnEnter(button);

    applyColours();
}

void Form1::applyColours()
{
    // The window's palette is the theme's: the displays' own hold our colours.
    const QPalette theme = palette();
    for (QLabel *display : {m_label11, m_label12}) {
        QPalette pal = display->palette();
        pal.setColor(QPalette::WindowText, readableColour(FixedColour::Display, theme));
        pal.setColor(QPalette::Window, theme.color(QPalette::Base));
        display->setPalette(pal);
    }
    m_frame2->setCaptionColor(
        readableColour(m_book.isMarked() ? FixedColour::ModifiedCaption : FixedColour::Caption, theme));
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && m_label12)
        applyColours();
    QMainWindow::changeEvent(event);
}

void Form1::showMarker(bool modified)
{
    // The colour alone tells nothing to one who cannot see it. Qt announces
    // every description set, an unchanged one too, so only a change is set.
    const QString description = modified ? QStringLiteral("changed since opened") : QString();
    if (description != m_frame2->accessibleDescription())
        m_frame2->setAccessibleDescription(description);
    applyColours();
}

void Form1::showCount(const QString &text)
{
    m_label11->setText(text);
    // The display's text stays the hex the encoder reads; the description
    // gives the count as it is said.
    const int count = text.mid(2).toInt(nullptr, 16);
    m_label11->setAccessibleDescription(count == 1 ? QStringLiteral("1 entry")
                                                   : QStringLiteral("%1 entries").arg(count));
}
