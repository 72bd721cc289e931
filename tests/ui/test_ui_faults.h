#pragma once

// Failures of the file layer must lose nothing: the file on disk, the image
// buffer and the phone book stay as they were, and the next command works.
// The cases that need the system's own means (mounts, users, FIFOs, device
// nodes) are in test_ui_faults_unix.cpp and test_ui_faults_win.cpp.
#include "tests/common/TestWindow.h"

#include <QObject>

// An edited book saved and opened again, so that the buffer equals the file.
inline QString prepareImage(TestWindow &t, const QString &path)
{
    t.add(QStringLiteral("0701234567"), QStringLiteral("Anna"));
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.save(path);
    t.open(path);
    if (!t.platform.boxes.empty() || readFile(path) != t.w().FB().bytes())
        qFatal("could not prepare %s", qPrintable(path));
    return path;
}

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void saveOntoFullOrReadOnlyDisk_data();
    void saveOntoFullOrReadOnlyDisk();
    void openUnreadableFiles();
    void saveOntoSpecialTargets();
    void refuseSpecialFiles();
    void unusableNamesAndUnexpectedFailures();
};

