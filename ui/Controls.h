#pragma once

#include <QColor>
#include <QGroupBox>
#include <QListView>
#include <QObject>

// A frame drawn by the style with its caption in the top edge, as the
// window's twips layout expects, and a caption colour of its own (a palette
// change would be inherited by every child); until one is set, the style's.
class CaptionFrame : public QGroupBox
{
public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

    QColor captionColor() const { return m_captionColor; }
    void setCaptionColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_captionColor;
};

// The phone-book list. Removing the selected row leaves no row selected:
// Qt's own view would select a neighbour, and with it show that entry.
class BookListView : public QListView
{
public:
    explicit BookListView(QWidget *parent = nullptr);

protected:
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    // With no row selected, Down, Up and Home select the first row.
    void keyPressEvent(QKeyEvent *event) override;
};

// Enter and keypad Enter press the button they are installed on as Space
// does, whatever the platform theme says: a keyboard user expects it, and no
// button need become a default button for it. Installed on the button, which
// becomes its parent.
class PressOnEnter : public QObject
{
public:
    explicit PressOnEnter(QObject *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The number box's key filter: a typed character is a digit or one of codes 0
// to 31 (backspace, the clipboard shortcuts), nothing else. Installed on the
// box it filters, which becomes its parent.
class NumberKeyFilter : public QObject
{
public:
    explicit NumberKeyFilter(QObject *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class QLineEdit;

// The name boxes (Text2, sndName) hold what the image can spell: whatever is
// typed, pasted or set is spelled at once (cp1252::spell, Latin letters for
// other scripts), so the box shows what a save stores. Typing a name letter
// by letter gives what pasting it whole gives.
void keepSpellable(QLineEdit *box);

// The number box takes from a paste what its key filter takes from typing:
// the digits. Text set by the program (a decoded number) is left as it is.
void filterNumberPaste(QLineEdit *box);
