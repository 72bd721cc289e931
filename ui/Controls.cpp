#include "ui/Controls.h"

#include "image/FixedText.h"
#include "spelling/Spelling.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QValidator>

#include <algorithm>

namespace {

// Rows tall enough for the lowest ink of the face: an underscore can hang
// below the font's descent, and the text must not touch the next row. The
// text is centred in its row, so the room is given above and below.
class BookRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics fm(option.font);
        const int below = std::max(fm.descent(), fm.boundingRect(QLatin1Char('_')).bottom() + 1);
        size.setHeight(std::max(size.height(), fm.ascent() + below + 2));
        return size;
    }
};

// A typed character the number box takes.
bool numberKeyAllowed(QChar c)
{
    return c.unicode() < 32 || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

// What an edit changed: the start and the end the texts before and after it
// share, never overlapping, and what the edit put between them.
struct Change
{
    qsizetype head = 0, tail = 0;
    QString added;
};

Change changeBetween(const QString &before, const QString &after)
{
    Change c;
    const qsizetype shorter = qMin(after.size(), before.size());
    while (c.head < shorter && after.at(c.head) == before.at(c.head))
        ++c.head;
    while (c.tail < shorter - c.head && after.at(after.size() - 1 - c.tail) == before.at(before.size() - 1 - c.tail))
        ++c.tail;
    c.added = after.mid(c.head, after.size() - c.head - c.tail);
    return c;
}

// The name boxes keep the text as the user wrote it, in any script, and show
// it spelled as a whole (cp1252::spell): a kana changes with what follows it,
// so typing a name letter by letter gives what pasting it gives.
class SpellingValidator : public QValidator
{
public:
    explicit SpellingValidator(QLineEdit *box) : QValidator(box), m_box(box), m_source(box->text()), m_shown(m_source)
    {
        // A text the box cut to its length, or set past the validator, is
        // what is written from then on.
        connect(box, &QLineEdit::textChanged, this, [this](const QString &text) {
            if (text != m_shown)
                m_source = m_shown = text;
        });
    }

    State validate(QString &input, int &pos) const override
    {
        if (input == m_shown)
            return Acceptable;
        qsizetype cursor = input.size();
        if (!m_box->isModified()) {
            // A text set by the program (the modified state is cleared first).
            m_source = input;
            cursor = pos;
        } else {
            cursor = edit(input, pos);
        }
        // The cursor stays after what it followed, spelled.
        input = m_shown = cp1252::spelled(m_source);
        pos = int(qMin(cp1252::spelled(m_source.left(cursor)).size(), input.size()));
        return Acceptable;
    }

private:
    // Applies what the user changed in the text shown to the text written, and
    // gives the cursor's place in it. A run the change reaches into is taken
    // as the letters shown: what the user sees is what is edited.
    qsizetype edit(const QString &input, int pos) const
    {
        const cp1252::Spelling spelling = cp1252::spell(m_source);
        if (spelling.text != m_shown)
            m_source = m_shown;
        const QVector<cp1252::Spelling::Run> runs = spelling.text == m_shown ? spelling.runs
                                                                              : QVector<cp1252::Spelling::Run>();
        const Change change = changeBetween(m_shown, input);
        const qsizetype from = change.head, to = m_shown.size() - change.tail;

        // The source again, runs the change touches frozen, with from and to mapped into it.
        QString source;
        qsizetype sourceFrom = -1, sourceTo = -1, read = 0, shown = 0;
        auto plain = [&](qsizetype shownEnd) {
            // One character shown for each written up to shownEnd.
            if (sourceFrom < 0 && from <= shownEnd)
                sourceFrom = source.size() + from - shown;
            if (sourceTo < 0 && to <= shownEnd)
                sourceTo = source.size() + to - shown;
            source += m_source.mid(read, shownEnd - shown);
            read += shownEnd - shown;
            shown = shownEnd;
        };
        for (const cp1252::Spelling::Run &run : runs) {
            plain(run.textFrom);
            const qsizetype end = run.textFrom + run.textSize;
            qsizetype inside = -1;
            if (from == to && run.textFrom < from && from < end) {
                // Typed inside a word: where the letters before the cursor end, as the cursor is placed.
                for (qsizetype k = 1; k < run.size && inside < 0; ++k) {
                    if (cp1252::spelled(m_source.mid(run.from, k)).size() == from - run.textFrom)
                        inside = k;
                }
            }
            if (inside > 0) {
                sourceFrom = sourceTo = source.size() + inside;
                source += m_source.mid(run.from, run.size);
            } else if ((run.textFrom < to && end > from) || (run.textFrom < from && from < end)) {
                const QString letters = m_shown.mid(run.textFrom, run.textSize);
                if (sourceFrom < 0 && from <= end)
                    sourceFrom = source.size() + from - run.textFrom;
                if (sourceTo < 0 && to <= end)
                    sourceTo = source.size() + to - run.textFrom;
                source += letters;
            } else {
                source += m_source.mid(run.from, run.size);
            }
            read = run.from + run.size;
            shown = end;
        }
        plain(m_shown.size());
        m_source = source.left(sourceFrom) + change.added + source.mid(sourceTo);
        if (pos >= from && pos <= from + change.added.size())
            return sourceFrom + (pos - from);
        return m_source.size() - (input.size() - pos);
    }

    QLineEdit *m_box;
    mutable QString m_source;   // as written
    mutable QString m_shown;    // as the box shows it
};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

class NumberPasteFilter : public QValidator
{
public:
    explicit NumberPasteFilter(QLineEdit *box) : QValidator(box), m_box(box), m_before(box->text())
    {
        connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
        box->installEventFilter(this);
    }

    State validate(QString &input, int &pos) const override
    {
        // A text set by the program clears the modified state first.
        if (!m_box->isModified())
            return Acceptable;
        const Change change = changeBetween(m_before, input);
        const qsizetype head = change.head, tail = change.tail;
        const QString &added = change.added;
        QString kept;
        std::copy_if(added.cbegin(), added.cend(), std::back_inserter(kept), isDigit);
        if (kept.size() == added.size())
            return Acceptable;
        if (pos > head)
            pos = int(pos >= input.size() - tail ? pos - (added.size() - kept.size()) : head + kept.size());
        input = input.left(head) + kept + input.right(tail);
        return Acceptable;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A keyboard paste is cut to the typing limit only after the filter,
        // as typed digits would be.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)
            && !m_box->isReadOnly()) {
            QString digits = QGuiApplication::clipboard()->text();
            digits.removeIf([](QChar c) { return !isDigit(c); });
            m_box->insert(digits);
            return true;
        }
        return QValidator::eventFilter(watched, event);
    }

private:
    QLineEdit *m_box;
    QString m_before;
};

} // namespace

void keepSpellable(QLineEdit *box)
{
    box->setValidator(new SpellingValidator(box));
}

void filterNumberPaste(QLineEdit *box)
{
    box->setValidator(new NumberPasteFilter(box));
}

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

void CaptionFrame::setCaptionColor(const QColor &color)
{
    if (color == m_captionColor)
        return;
    m_captionColor = color;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    // The style draws frame and caption as for any group box; only a caption
    // colour that was set is ours. Some styles take it from textColor, others
    // from the option's palette, which reaches no child.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (m_captionColor.isValid()) {
        option.textColor = m_captionColor;
        option.palette.setColor(QPalette::WindowText, m_captionColor);
    }

    // The layout wants the top edge through the caption's middle. Some styles
    // (Fusion) set the caption above the frame, which would run the edge
    // behind the first row of controls, and their drawing is all that tells
    // where the edge goes: so the edge is drawn once aside, found, and drawn
    // again where it belongs.
    QStyleOptionGroupBox edge = option;
    edge.text.clear();
    edge.subControls = QStyle::SC_GroupBoxFrame;
    // Only a column of the top part is looked at.
    QImage probe(1, qMin(height(), 4 * option.fontMetrics.height()), QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    {
        QPainter p(&probe);
        p.translate(-width() / 2, 0);
        style()->drawComplexControl(QStyle::CC_GroupBox, &edge, &p, this);
    }
    const int line = option.fontMetrics.height() / 2;
    int top = 0;
    while (top < probe.height() && qAlpha(probe.pixel(0, top)) == 0)
        ++top;
    if (top == probe.height())
        top = line;
    edge.rect.setHeight(height() + top - line);

    QStylePainter painter(this);
    painter.translate(0, line - top);
    painter.drawComplexControl(QStyle::CC_GroupBox, edge);
    painter.resetTransform();
    if (option.text.isEmpty())
        return;
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    painter.fillRect(label.adjusted(-2, 0, 2, 0), palette().color(backgroundRole()));
    option.subControls = QStyle::SC_GroupBoxLabel;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

BookListView::BookListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new BookRowDelegate(this));
}

void BookListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QItemSelectionModel *selection = selectionModel();
    const QModelIndex current = currentIndex();
    if (selection && current.isValid() && current.parent() == parent && current.row() >= start
        && current.row() <= end) {
        // Without a current row neither the view nor the selection model
        // moves the selection on; the removed row's selection goes with it.
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

void BookListView::keyPressEvent(QKeyEvent *event)
{
    // The view makes the first row current, unselected, when it takes the
    // focus, and Down would move on from there to the second.
    const int key = event->key();
    QItemSelectionModel *selection = selectionModel();
    if ((key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && selection && !selection->hasSelection()
        && model() && model()->rowCount() > 0) {
        const QModelIndex first = model()->index(0, 0);
        selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
        scrollTo(first);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

PressOnEnter::PressOnEnter(QObject *button) : QObject(button)
{
    button->installEventFilter(this);
}

bool PressOnEnter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), key->isAutoRepeat());
            QCoreApplication::sendEvent(watched, &space);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

NumberKeyFilter::NumberKeyFilter(QObject *box) : QObject(box)
{
    box->installEventFilter(this);
}

bool NumberKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent()) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QString typed = key->text();
            if (std::all_of(typed.cbegin(), typed.cend(), numberKeyAllowed))
                return QObject::eventFilter(watched, event);
            // A Ctrl chord (select all, copy, paste ...) and a key that types
            // nothing (Delete, which X11 gives the code 127) keep their work
            // but lose their text; Ctrl+Alt can be AltGr, which types.
            const bool chord = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
            const bool command = key->key() >= Qt::Key_Escape && key->key() < Qt::Key_unknown;
            if (chord || command) {
                QString kept;
                std::copy_if(typed.cbegin(), typed.cend(), std::back_inserter(kept), numberKeyAllowed);
                QKeyEvent bare(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                               key->nativeVirtualKey(), key->nativeModifiers(), kept,
                               key->isAutoRepeat(), quint16(key->count()), key->device());
                QCoreApplication::sendEvent(watched, &bare);
            }
            return true;
        } else if (event->type() == QEvent::InputMethod) {
            // Characters composed by an input method are typed ones too.
            auto *im = static_cast<QInputMethodEvent *>(event);
            const QString commit = im->commitString();
            QString kept;
            std::copy_if(commit.cbegin(), commit.cend(), std::back_inserter(kept), numberKeyAllowed);
            if (kept != commit) {
                QInputMethodEvent filtered(im->preeditString(), im->attributes());
                filtered.setCommitString(kept, im->replacementStart(), im->replacementLength());
                QCoreApplication::sendEvent(watched, &filtered);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
