#pragma once

#include <QString>
#include <QUrl>
#include <QVector>

#include <exception>
#include <string>
#include <utility>

// What went wrong, as data: what kind, where (a file and line, or a URL) and
// the facts. Nothing here is worded for a reader beyond detail, which says
// what happened and what to do without naming the place; the window and
// vire-image each turn a problem into words in one place of their own.
// Errors are thrown as VireError; warnings travel in lists of Problem.
struct Problem
{
    enum class Kind {
        Plain,            // detail says it all
        // a file the user named (file)
        BadName,          // the name did not survive decoding
        NotRegular,       // a folder, FIFO, device or socket
        OpenFailed,
        ReadFailed,
        SaveFailed,       // detail ends with what the file holds now
        // an image refused by the decoder
        NotAnImage,
        TooManyEntries,
        // an address book (url, or file for --ca-file)
        Usage,            // the URL or an option cannot be used as given
        Network,          // no connection, unknown host, reset
        Tls,              // the certificate or the handshake
        Timeout,
        TooLarge,         // past the byte budget
        Cut,              // the answer ended before all of it arrived
        Login,            // no password, or a refused one
        Origin,           // a password would go to another origin
        NotFound,
        Forbidden,
        NotAddressBook,   // a calendar, a card, another collection
        ServerError,      // 5xx
        BadAnswer,        // not the answer CardDAV asks for
        Choice,           // several address books: choices names them
        OutOfMemory,
    };

    Kind kind = Kind::Plain;
    int number = 0;         // the window's error number (VireError::Number), 0 for none
    QString file;           // the local file concerned, as the user gave it
    QUrl url;               // or the URL concerned
    int line = 0;           // in file, from 1; 0 for the whole of it
    int status = 0;         // the HTTP status, when there was one
    int systemCode = 0;     // the system's error code, when there was one
    QString detail;
    QVector<std::pair<QUrl, QString>> choices;   // Choice: each book's URL and display name

    // A remark on a line of a file whose name the caller knows.
    static Problem at(int line, QString detail);
    // A problem with a file the user named.
    static Problem inFile(Kind kind, QString file, QString detail, int number = 0);
};

// A count as details write it, 2,032: the same on every machine, whatever its locale.
QString thousands(qint64 n);

// A failure: the problem, thrown. The window's commands show number and
// words; vire-image prints the place and the detail.
class VireError : public std::exception
{
public:
    enum Number : int {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        FileAccess = 75,       // any error of the file layer; its text is the platform's
        OutOfMemory = 7,
        Internal = 51,         // a standard exception the code did not expect
        WaveFormat = 1234,     // the WAV reader's own failures
        BookTooLarge = 1235,   // a phone book the image cannot hold
        Cancelled = 32755,     // a file dialog was cancelled
    };

    explicit VireError(Problem problem);
    // A numbered failure whose detail is all there is to say.
    VireError(int number, QString detail);

    const Problem &problem() const noexcept { return m_problem; }
    Problem &problem() noexcept { return m_problem; }
    int number() const noexcept { return m_problem.number; }
    Problem::Kind kind() const noexcept { return m_problem.kind; }
    const char *what() const noexcept override { return m_what.c_str(); }

    static VireError overflow();
    static VireError subscriptOutOfRange();
    static VireError cancelled();
    // Any exception as a failure to report: itself, "Out of memory" for
    // std::bad_alloc, or the exception's own text.
    static VireError from(const std::exception &e);

private:
    Problem m_problem;
    std::string m_what;
};
