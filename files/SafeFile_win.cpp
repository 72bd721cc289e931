#include "files/SafeFile.h"
#include "files/SafeFile_p.h"
#include "files/SystemText.h"

#include "problem/Problem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

// The safe save with the Win32 calls: a new file beside the old one, then
// ReplaceFileW, which keeps the old file's ACL, attributes, alternate streams
// and creation time. Every name given to the system is absolute, so that a
// change of the current folder cannot redirect a save.
namespace safefile {

using namespace detail;

namespace {

VireError saveError(const QString &path, DWORD code, State state)
{
    return detail::saveError(path, systemText(code), state);
}

std::wstring native(const QString &absolute)
{
    return QDir::toNativeSeparators(absolute).toStdWString();
}

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Names Windows keeps for devices, in any folder and with any extension.
bool isDeviceName(const QString &component)
{
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    const QString stem = component.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
        && stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

// A name Windows cannot take: a device ("NUL", "com1.bin") is not a regular
// file, as a device is on Linux; a reserved character, or a component that
// ends in a space or a full stop (Windows would drop them and name another
// file), is refused with the system's own text before anything is opened.
void checkWindowsName(const QString &path, bool forSave)
{
    QString rest = QDir::fromNativeSeparators(absolute(path));
    if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':'))
        rest.remove(0, 2);
    const QStringList parts = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        bool bad = part.endsWith(QLatin1Char(' ')) || (part.endsWith(QLatin1Char('.')) && part != QLatin1String(".")
                                                         && part != QLatin1String(".."));
        for (const QChar c : part)
            bad = bad || c.unicode() < 32 || QStringView(u"<>:\"|?*").contains(c);
        if (bad) {
            if (forSave)
                throw saveError(path, ERROR_INVALID_NAME, State::NotCreated);
            throw openError(path, systemText(ERROR_INVALID_NAME));
        }
    }
    if (!parts.isEmpty() && isDeviceName(parts.last()))
        throw notRegular(path);
}

class Handle
{
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : m_h(h) {}
    ~Handle() { close(); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_h; }
    void reset(HANDLE h)
    {
        close();
        m_h = h;
    }
    bool valid() const { return m_h != INVALID_HANDLE_VALUE; }
    // 0 or the error of closing.
    DWORD close()
    {
        const bool ok = !valid() || CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
        return ok ? 0 : GetLastError();
    }

private:
    HANDLE m_h;
};

// 0 or the error of the write that failed; done counts the bytes written.
DWORD writeAll(HANDLE h, const QByteArray &bytes, qint64 &done)
{
    done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(qMin<qint64>(bytes.size() - done, 1 << 20));
        DWORD n = 0;
        if (!WriteFile(h, bytes.constData() + done, chunk, &n, nullptr))
            return GetLastError();
        if (n == 0)
            return ERROR_WRITE_FAULT;
        done += n;
    }
    return 0;
}

// Written and flushed through a handle, then closed; 0 or the error.
DWORD fill(Handle &file, const QByteArray &bytes, qint64 &done)
{
    DWORD error = writeAll(file.get(), bytes, done);
    // On disk before it takes the old file's name, so that a power cut
    // leaves the old file or the new one, never an empty one.
    if (!error && !FlushFileBuffers(file.get()))
        error = GetLastError();
    const DWORD closed = file.close();
    return error ? error : closed;
}

// A new file beside the target, removed again unless it took the target's name.
struct Temp
{
    std::wstring name;
    Handle file;

    ~Temp()
    {
        file.close();
        if (!name.empty())
            DeleteFileW(name.c_str());
    }

    // 0 or the error of the last attempt.
    DWORD create(const QString &target)
    {
        const QFileInfo info(target);
        DWORD error = ERROR_FILE_EXISTS;
        for (int attempt = 0; attempt < 20 && error == ERROR_FILE_EXISTS; ++attempt) {
            const QString candidate = info.absolutePath() + QLatin1Char('/') + QLatin1Char('.')
                + info.fileName().left(200) + QLatin1Char('.')
                + QString::number(QRandomGenerator::system()->generate(), 36);
            const std::wstring n = native(candidate);
            HANDLE h = CreateFileW(n.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                name = n;
                file.reset(h);
                return 0;
            }
            error = GetLastError();
        }
        return error;
    }
};

// Over the old bytes, for a file with several links (ReplaceFileW would
// leave the others with the old content) or in a folder that takes no new file.
void writeInPlace(const QString &path, const std::wstring &target, const QByteArray &bytes)
{
    Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        throw saveError(path, GetLastError(), State::Unchanged);
    // The room first, so that a full disk shows before any old byte changes.
    FILE_ALLOCATION_INFO room;
    room.AllocationSize.QuadPart = bytes.size();
    if (!SetFileInformationByHandle(file.get(), FileAllocationInfo, &room, sizeof room)
        && GetLastError() == ERROR_DISK_FULL)
        throw saveError(path, ERROR_DISK_FULL, State::Unchanged);
    qint64 done = 0;
    DWORD error = writeAll(file.get(), bytes, done);
    // Cut only once the new bytes are in: an older, longer file loses its tail.
    if (!error && !SetEndOfFile(file.get()))
        error = GetLastError();
    if (!error && !FlushFileBuffers(file.get()))
        error = GetLastError();
    const DWORD closed = file.close();
    if (!error)
        error = closed;
    if (error)
        throw saveError(path, error, done > 0 ? State::PartlyWritten : State::Unchanged);
}

bool fileId(const QString &path, BY_HANDLE_FILE_INFORMATION &info)
{
    // No access rights needed to read the identity; a folder opens too.
    Handle h(CreateFileW(native(absolute(path)).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return h.valid() && GetFileInformationByHandle(h.get(), &info);
}

} // namespace

void openForReading(QFile &file, const QString &path)
{
    checkName(path);
    checkWindowsName(path, false);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw notRegular(path);
    file.setFileName(absolute(path));
    if (!file.open(QIODevice::ReadOnly))
        throw openError(path, file.errorString());
}

void checkTarget(const QString &path)
{
    checkName(path);
    checkWindowsName(path, true);
    const std::wstring name = native(absolute(path));
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;   // a missing file or folder is reported by the write itself
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throw notRegular(path);
    // A read-only file stays as it is, though a new file beside it could
    // take its name, as a 0444 file does on Linux.
    if (attributes & FILE_ATTRIBUTE_READONLY)
        throw saveError(path, ERROR_ACCESS_DENIED, State::Unchanged);
    // So does one whose ACL refuses the user writing.
    Handle probe(CreateFileW(name.c_str(), FILE_WRITE_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.valid())
        throw saveError(path, GetLastError(), State::Unchanged);
}

bool isCharacterDevice(const QString &)
{
    return false;
}

bool sameFile(const QString &a, const QString &b)
{
    BY_HANDLE_FILE_INFORMATION ia, ib;
    return fileId(a, ia) && fileId(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber
        && ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

void writeWhole(const QString &path, const QByteArray &bytes)
{
    checkTarget(path);
    BY_HANDLE_FILE_INFORMATION info;
    if (!fileId(path, info)) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND)
            throw saveError(path, error, State::NotCreated);
        Temp temp;
        qint64 done = 0;
        const std::wstring target = native(absolute(path));
        DWORD failure = temp.create(absolute(path));
        if (!failure)
            failure = fill(temp.file, bytes, done);
        // No MOVEFILE_REPLACE_EXISTING: a file made meanwhile by another stays.
        if (!failure && !MoveFileExW(temp.name.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
            failure = GetLastError();
        if (failure)
            throw saveError(path, failure, State::NotCreated);
        temp.name.clear();
        return;
    }
    // The file the links lead to, so that its folder takes the new file and
    // the links stay links.
    const QFileInfo fi(path);
    const QString real = fi.isSymLink() ? fi.canonicalFilePath() : absolute(path);
    const std::wstring target = native(real);
    if (info.nNumberOfLinks == 1) {
        Temp temp;
        Temp backup;
        qint64 done = 0;
        // The backup's name only: ReplaceFileW makes the file.
        if (temp.create(real) == 0 && backup.create(real) == 0 && backup.file.close() == 0
            && DeleteFileW(backup.name.c_str())) {
            if (const DWORD error = fill(temp.file, bytes, done))
                throw saveError(path, error, State::Unchanged);
            // The old file goes to the backup name first: whatever step fails,
            // it keeps a name and can take its own back.
            if (ReplaceFileW(target.c_str(), temp.name.c_str(), backup.name.c_str(),
                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
                temp.name.clear();
                return;
            }
            const DWORD error = GetLastError();
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
                // The old file is at the backup name: it takes its name back,
                // and is never deleted with the backup.
                const bool back = MoveFileExW(backup.name.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
                backup.name.clear();
                throw saveError(path, error, back ? State::Unchanged : State::PartlyWritten);
            }
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
                throw saveError(path, error, State::Unchanged);
        }
    }
    // Several links, or a folder that takes no new file or refuses the
    // replacement: the old file is still whole here.
    writeInPlace(path, target, bytes);
}

} // namespace safefile
