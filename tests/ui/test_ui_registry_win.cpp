// The program's file dialogs leave the registry's "QtProject" keys as they
// were: Qt's dialog would keep its history there (Windows only).
#include "ui/Platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <windows.h>

namespace {

// Every value and subkey below path, or "<absent>".
QStringList snapshot(HKEY parent, const QString &path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.toStdWString().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {QStringLiteral("<absent>")};
    QStringList out;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD length = 16384, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        QByteArray data(int(size), '\0');
        length = 16384;
        RegEnumValueW(key, i, name, &length, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size);
        out << path + QLatin1Char('=') + QString::fromWCharArray(name, int(length)) + QLatin1Char(':')
                + QString::fromLatin1(data.toHex());
    }
    QStringList subkeys;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys << QString::fromWCharArray(name, int(length));
    }
    RegCloseKey(key);
    for (const QString &sub : subkeys)
        out << snapshot(parent, path + QLatin1Char('\\') + sub);
    return out;
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void dialogsLeaveQtProjectAlone()
    {
        const QString qtProject = QStringLiteral("Software\\QtProject");
        const QStringList before = snapshot(HKEY_CURRENT_USER, qtProject);
        QtPlatform platform;
        QTemporaryDir dir;
        // Each dialog is closed as soon as it shows.
        QTimer closer;
        int closed = 0;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modal->close();
                ++closed;
            }
        });
        closer.start(20);
        for (const auto kind : {Platform::FileDialogKind::Open, Platform::FileDialogKind::Save})
            QVERIFY(!platform.showFileDialog(nullptr, kind, QStringLiteral("Specify target file"),
                                             dir.filePath(QStringLiteral("phone.bin")),
                                             QStringLiteral("Binary (*.bin)|*.bin")));
        closer.stop();
        QCOMPARE(closed, 2);
        QCOMPARE(snapshot(HKEY_CURRENT_USER, qtProject), before);

        // The current user's hive is the real one again once the dialogs are gone.
        HKEY software = nullptr;
        QCOMPARE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &software), LSTATUS(ERROR_SUCCESS));
        RegCloseKey(software);
    }
};

QTEST_MAIN(TestRegistry)
#include "test_ui_registry_win.moc"
