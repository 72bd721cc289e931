#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

// Quits the application once the window has painted for the first time, so
// that a launch is timed from exec to a window on screen.
class QuitOnFirstPaint : public QObject
{
public:
    explicit QuitOnFirstPaint(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
