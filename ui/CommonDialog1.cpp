#include "CommonDialog1.h"

#include "Platform.h"
#include "VireError.h"

#include <QStringList>

CommonDialog1::CommonDialog1(Platform &platform, QWidget *parent)
    : m_platform(platform), m_parent(parent)
{
}

void CommonDialog1::showOpen()
{
    show(false);
}

void CommonDialog1::showSave()
{
    show(true);
}

void CommonDialog1::show(bool save)
{
    const auto kind = save ? Platform::FileDialogKind::Save : Platform::FileDialogKind::Open;
    const std::optional<QString> path =
        m_platform.showFileDialog(m_parent, kind, m_title, m_fileName, m_filter);
    if (!path)
        throw VireError::cancelled();
    m_fileName = *path;
}

QString CommonDialog1::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        // Qt takes the patterns from the last parentheses of the description;
        // descriptions that already show them stay as they are.
        if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << description;
        else
            filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}
