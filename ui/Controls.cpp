#include "Controls.h"

#include <QPainter>
#include <QStyledItemDelegate>

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

} // namespace

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), m_captionColor(Qt::black)
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
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height() / 2;
    const QRect box = rect().adjusted(0, line, -1, -1);
    // Etched edge: a dark line with a light one inside it.
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.adjusted(1, 1, 0, 0));

    if (title().isEmpty())
        return;
    const int indent = 7;
    const QRect caption(indent, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(m_captionColor);
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
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
