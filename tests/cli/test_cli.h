#pragma once

// vire-image run as a user runs it, a process on files the test writes: one
// file for each family of commands, and in test_cli_unix.cpp and
// test_cli_win.cpp what needs the system's own means (other users, owners,
// file-size limits, names that are not text).
#include "tests/common/Files.h"
#include "tests/common/Images.h"
#include "tests/common/Processes.h"

#include <QtTest>

using namespace images;

// A test's own folder, where the tool runs.
struct CliFolder : Folder
{
    Result vire(const QStringList &args) const { return runVire(args, path()); }
    QByteArray exportCsv(const QString &image) const
    {
        const Result r = vire({"export", image});
        if (r.status != 0)
            qWarning("export failed: %s", qPrintable(r.err));
        return r.out;
    }
};

inline const QByteArray Header = "number,name,sound,sbit1,sbit2,sbit3,sbit4\r\n";
inline const QByteArray DefaultSpecials = "_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n"
                                          "_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n";

// Another name at link for target: a symbolic link on POSIX, a hard link on
// Windows (its symbolic links need a privilege, and Wine only pretends).
bool otherName(const QString &target, const QString &link);
// Whether link is still such a name.
bool isOtherName(const QString &link);
// The name, in folder, of something that is not a regular file: a FIFO made
// there on POSIX, the NUL device on Windows; empty on failure.
QString specialFile(const Folder &folder);
// The system's text for a file that is not there.
QString notFoundText();
// vire-image run in folder with its standard output on a terminal; status -1
// when the system gives the test none.
Result onTerminal(const Folder &folder, const QStringList &args);

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    // test_cli_images.cpp
    void help();
    void newWritesTheDefaultImage();
    void reports_data();
    void reports();

    // test_cli_contacts.cpp
    void exportFormats_data();
    void exportFormats();
    void import_data();
    void import();
    void roundTrips_data();
    void roundTrips();
    void repeatedImports_data();
    void repeatedImports();
    void spreadsheetNotToATerminal();

    // test_cli_sounds.cpp
    void sounds_data();
    void sounds();

    // test_cli_files.cpp
    void commandLine_data();
    void commandLine();

    // test_cli_unix.cpp, test_cli_win.cpp
    void namesThatAreNotText();
    void readOnlyFilesStayReadOnly();
    void ownersAndLimits();
};
