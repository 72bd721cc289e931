#pragma once

#include <QString>
#include <exception>
#include <string>

// A failure as the editor reports it: a number and a description. Everything
// below the three file-dialog commands throws these; the commands catch them.
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

    VireError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

    static VireError overflow();
    static VireError subscriptOutOfRange();
    static VireError cancelled();
    // Any exception as a failure to report: itself, "Out of memory" for
    // std::bad_alloc, or the exception's own text.
    static VireError from(const std::exception &e);

private:
    int m_number;
    QString m_description;
    std::string m_what;
};
