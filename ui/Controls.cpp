#include "Controls.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

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
    QStylePainter(this).drawComplexControl(QStyle::CC_GroupBox, option);
}

BookListView::BookListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
