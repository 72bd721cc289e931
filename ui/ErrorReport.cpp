#include "ui/ErrorReport.h"

#include <QDir>

QString errorReport(const Problem &p)
{
    using Kind = Problem::Kind;
    const QString file = QDir::toNativeSeparators(p.file);
    switch (p.kind) {
    case Kind::BadName:
        return QStringLiteral("Could not use %1: %2").arg(file, p.detail);
    case Kind::NotRegular:
        return QStringLiteral("%1 is %2").arg(file, p.detail);
    case Kind::OpenFailed:
        return QStringLiteral("Could not open %1: %2").arg(file, p.detail);
    case Kind::ReadFailed:
        return QStringLiteral("Could not read %1: %2").arg(file, p.detail);
    case Kind::SaveFailed:
        return QStringLiteral("Could not save %1: %2").arg(file, p.detail);
    default:
        return p.detail;
    }
}
