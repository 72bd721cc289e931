// The dialogs the program ships: the file dialog (Qt's own where the platform
// has none, as offscreen) and the message box, driven in-process through the
// window, and nothing of them kept between runs.
#include "tests/common/Files.h"
#include "ui/Form1.h"
#include "ui/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <deque>

namespace {

// What a modal dialog showed when it came up, in one line: a file dialog's
// kind, title, file name and filters, noting when it was not asked to be the
// desktop's own or shows /var (the history of an earlier run that
// nothingIsKept plants), or a message box's buttons, icon, title and text.
QString look(QWidget *modal)
{
    if (auto *d = qobject_cast<QFileDialog *>(modal)) {
        auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        return QStringLiteral("%1: %2 [%3] %4")
                   .arg(d->acceptMode() == QFileDialog::AcceptSave ? "save" : "open", d->windowTitle(),
                        edit ? edit->text() : QStringLiteral("?"), d->nameFilters().join(";;"))
               + (d->testOption(QFileDialog::DontUseNativeDialog) ? " (not native)" : "")
               + (d->history().contains(QStringLiteral("/var")) ? " (history /var)" : "");
    }
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box)
        return modal->windowTitle();
    return QStringLiteral("box buttons 0x%1, icon %2: %3: %4")
        .arg(QString::number(box->standardButtons().toInt(), 16))
        .arg(int(box->icon()))
        .arg(box->windowTitle(), box->text());
}

// How to close a modal: a file dialog by choosing path (none: cancel), a
// message box by pressing button.
struct Answer
{
    QString path;
    QMessageBox::StandardButton button = QMessageBox::NoButton;
};

void close(QWidget *modal, const Answer &answer)
{
    auto *edit = modal->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    auto *box = qobject_cast<QMessageBox *>(modal);
    // Queued, so that a dialog opened by the closing one (the overwrite
    // question) is answered by the next poll, not inside this one.
    if (edit && !answer.path.isEmpty()) {
        edit->setText(answer.path);
        QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection);
    } else if (QAbstractButton *button = box ? box->button(answer.button) : nullptr) {
        QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
    } else {
        QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
    }
}

// Answers the modal dialogs as they come up, in order, and records what each
// showed. One nobody expected is cancelled and one still open two seconds
// after its answer is rejected, both counted as faults: a failing check
// never leaves the suite waiting for a modal.
class Modals
{
public:
    QStringList shown;
    int faults = 0;

    explicit Modals(std::initializer_list<Answer> answers) : m_answers(answers)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    bool allAnswered() const { return m_answers.empty() && faults == 0; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        // Answered already: the dialog may be on its way out, or stuck.
        const int polls = modal->property("polls").toInt();
        modal->setProperty("polls", polls + 1);
        if (polls > 0) {
            if (polls % 200 == 0) {
                ++faults;
                close(modal, Answer());
            }
            return;
        }
        shown.push_back(look(modal));
        if (m_answers.empty())
            ++faults;
        close(modal, m_answers.empty() ? Answer() : m_answers.front());
        if (!m_answers.empty())
            m_answers.pop_front();
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
};

// Every file and folder below path, hidden ones too.
QStringList contents(const QString &path)
{
    QStringList found;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

// The user's home, configuration, cache and data folders, empty at start.
QStringList userFolders;

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void nothingIsKept()
    {
        // What the dialog of an earlier run remembered is neither shown nor changed.
        const QString conf = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/QtProject.conf");
        const QByteArray earlier = "[FileDialog]\nhistory=file:///var\nlastVisited=file:///var\nshortcuts=file:///var\nsidebarWidth=90\n";
        writeFile(conf, earlier);

        QtPlatform platform;
        Form1 form(platform);
        form.show();
        {
            Modals modals{{}};
            form.openImage();
            // The desktop's own dialog is asked for; offscreen has none, so Qt's shows.
            QCOMPARE(modals.shown, QStringList{"open: Specify target file [] Binary (*.bin)"});
        }
        QCOMPARE(readFile(conf), earlier);
        QVERIFY(QFile::remove(conf));

        // Open, save and import leave the user's folders empty.
        const QString image = m_dir.filePath(QStringLiteral("kept.bin"));
        const QString wave =
            writeFile(m_dir.filePath(QStringLiteral("beep.wav")), QByteArray("RIFF\4\0\0\0WAVEdata\1\0\0\0\x7f", 21));
        Modals modals{{image}, {image}, {wave}, {}};
        form.saveImage();
        form.openImage();
        form.importSound(1);
        form.openImage();
        QVERIFY(modals.allAnswered());
        QCOMPARE(form.sndName(1)->text(), QStringLiteral("beep            "));
        for (const QString &folder : userFolders)
            QCOMPARE(contents(folder), QStringList());
    }

    void realDialogs()
    {
        QtPlatform platform;
        Form1 form(platform);
        form.show();
        const QString image = m_dir.filePath(QStringLiteral("phone.bin"));
        const QString notWave = writeFile(m_dir.filePath(QStringLiteral("ring.wav")), "RIFX");

        Modals modals{{image}, {image}, {{}, QMessageBox::Yes}, {image}, {notWave}, {{}, QMessageBox::Ok},
                      {}, {}, {}};
        form.saveImage();                  // a new file
        form.saveImage();                  // over it: the overwrite question
        form.openImage();
        form.importSound(3);               // refused: the error box
        form.openImage();
        form.saveImage();
        form.importSound(3);

        QVERIFY(modals.allAnswered());
        QCOMPARE(QFileInfo(image).size(), 524288);

        // The cancels showed nothing more.
        QStringList lines = modals.shown;
        // The overwrite question's words are Qt's own: only its buttons are ours.
        lines[2] = lines[2].section(QLatin1Char(','), 0, 0);
        const QString bin = "Specify target file [] Binary (*.bin)", wav = "Select wave file [] Wave (*.wav)";
        const QString error = "box buttons 0x400, icon 3: Error occured: Not a valid wav file (not starting with RIFF)";
        QCOMPARE(lines, (QStringList{"save: " + bin, "save: " + bin, "box buttons 0x14000", "open: " + bin,
                                     "open: " + wav, error, "open: " + bin, "save: " + bin, "open: " + wav}));
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char *argv[])
{
    // A user who has never run the program; set before Qt reads any of them.
    const QTemporaryDir dirs[4];
    const char *const names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"};
    for (int i = 0; i < 4; ++i) {
        qputenv(names[i], dirs[i].path().toLocal8Bit());
        userFolders << dirs[i].path();
    }
    QApplication app(argc, argv);
    TestDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_ui_dialogs.moc"
