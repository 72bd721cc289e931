#pragma once

// The real main window with a fake platform, and the user's gestures on it.
#include "ui/Controls.h"
#include "tests/common/Books.h"
#include "tests/common/FakePlatform.h"
#include "tests/common/Files.h"
#include "tests/common/System.h"
#include "ui/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>

// The title of an error's message box, and the box as FakePlatform::shown() lists it.
inline const QString ErrorTitle = QStringLiteral("Error occured");
inline QString errorBox(const QString &text)
{
    return ErrorTitle + QStringLiteral(": ") + text;
}

// The numbers frame's caption: the book as opened, and changed since.
inline const QColor Black(0, 0, 0), DarkRed(128, 0, 0);

struct TestWindow
{
    FakePlatform platform;
    std::unique_ptr<Form1> form;
    QTemporaryDir dir;

    // Shown and active, as the user's window is, so that focus and shortcuts work.
    TestWindow() : form(std::make_unique<Form1>(platform))
    {
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowExposed(form.get()) || !QTest::qWaitForWindowActive(form.get()) || !dir.isValid())
            qFatal("no window or no temporary folder");
    }

    Form1 &w() { return *form; }
    QString path(const QString &name) const { return dir.filePath(name); }

    template<typename T> T *control(const QString &name)
    {
        T *found = form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QListView *list() { return control<QListView>(QStringLiteral("List1")); }
    QLineEdit *text1() { return control<QLineEdit>(QStringLiteral("Text1")); }
    QLineEdit *text2() { return control<QLineEdit>(QStringLiteral("Text2")); }
    QComboBox *combo() { return control<QComboBox>(QStringLiteral("Combo1")); }
    QCheckBox *check(int i) { return control<QCheckBox>(QStringLiteral("Check1(%1)").arg(i)); }
    QLabel *label(int n) { return control<QLabel>(QStringLiteral("Label%1").arg(n)); }
    QPushButton *command(int n) { return control<QPushButton>(QStringLiteral("Command%1").arg(n)); }
    QLineEdit *sndName(int k) { return control<QLineEdit>(QStringLiteral("sndName(%1)").arg(k)); }
    QPushButton *sndOpen(int k) { return control<QPushButton>(QStringLiteral("sndOpen(%1)").arg(k)); }
    QColor caption() { return control<CaptionFrame>(QStringLiteral("Frame2"))->captionColor(); }
    // The sound selector's items.
    QStringList items()
    {
        QStringList out;
        for (int i = 0; i < combo()->count(); ++i)
            out << combo()->itemText(i);
        return out;
    }

    QString file(const QString &name, const QByteArray &bytes) { return writeFile(path(name), bytes); }

    QStringList rowTexts() { return ::rowTexts(form->book()); }
    // The list and its displays in one line: each row's text with its entry's
    // index, the count shown, the caption's colour and the selected row.
    QString shown()
    {
        QStringList rows;
        for (const BookRow &r : form->book().rows())
            rows << QStringLiteral("%1=%2").arg(r.text).arg(r.index);
        return QStringList{rows.join(' '), label(11)->text(), caption().name(), QString::number(form->selectedRow())}
            .join(" | ");
    }
    // What a failed command leaves as it was: the image (its hash first),
    // the count shown, the caption's colour, the sound names and the book.
    QStringList state()
    {
        QStringList out{QCryptographicHash::hash(form->FB().bytes(), QCryptographicHash::Sha1).toHex(), label(11)->text(),
                        caption().name()};
        for (const QString &name : form->soundNames())
            out << name;
        return out + snapshot(form->book());
    }
    // The editing controls in one line: the number (in brackets when it
    // cannot be edited), the name, the sound item, the four boxes (x set,
    // - clear, ? greyed) and the flags display.
    QString editors()
    {
        QString boxes;
        for (int i = 0; i < 4; ++i)
            boxes += QLatin1Char("-?x"[check(i)->checkState()]);
        const QString number = text1()->isEnabled() ? text1()->text() : "[" + text1()->text() + "]";
        return QStringList{number, text2()->text(), QString::number(combo()->currentIndex()), boxes, label(12)->text()}
            .join(" | ");
    }

    // Whether exactly n message boxes showed, each an error's with some text.
    bool errorsShown(size_t n) const
    {
        return platform.boxes.size() == n
            && std::all_of(platform.boxes.cbegin(), platform.boxes.cend(),
                           [](const FakePlatform::Box &b) { return b.title == ErrorTitle && !b.text.isEmpty(); });
    }

    void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void clickRow(int row)
    {
        QListView *l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualRect(l->model()->index(row, 0)).center());
    }
    // Typing over what the box holds or at its cursor: ASCII as keys, other
    // characters as a keyboard layout or an input method gives them.
    void type(QLineEdit *e, const QString &text, bool over = true)
    {
        e->setFocus();
        if (over) {
            QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(e, Qt::Key_Backspace);
        }
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(e, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void add(const QString &number, const QString &name)
    {
        type(text1(), number);
        type(text2(), name);
        click(command(1));
    }
    // Chooses a sound item with the keyboard, as a user would.
    void chooseSound(int item)
    {
        QComboBox *c = combo();
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(c, Qt::Key_Down);
    }

    // The file commands with the dialog answered by path.
    void open(const QString &path)
    {
        platform.answer(path);
        form->openImage();
    }
    void save(const QString &path)
    {
        platform.answer(path);
        form->saveImage();
    }
    // A WAV file imported into bank k through its open button.
    void importInto(int k, const QString &path)
    {
        platform.answer(path);
        click(sndOpen(k));
    }
};
