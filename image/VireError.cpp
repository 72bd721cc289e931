#include "VireError.h"

#include <QFileDevice>

VireError::VireError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(m_description.toStdString())
{
}

VireError VireError::overflow()
{
    return VireError(Overflow, QStringLiteral("Overflow"));
}

VireError VireError::subscriptOutOfRange()
{
    return VireError(SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

VireError VireError::cancelled()
{
    return VireError(Cancelled, QStringLiteral("Cancel was selected."));
}

VireError VireError::fromFile(const QFileDevice &file)
{
    QString text = file.errorString();
    if (text.isEmpty())
        text = QStringLiteral("Path/File access error");
    return VireError(FileAccess, text);
}
