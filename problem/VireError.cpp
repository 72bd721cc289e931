#include "problem/VireError.h"

#include <QString>

#include <new>

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

VireError VireError::from(const std::exception &e)
{
    if (const auto *own = dynamic_cast<const VireError *>(&e))
        return *own;
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return VireError(OutOfMemory, QStringLiteral("Out of memory"));
    return VireError(Internal, QString::fromLocal8Bit(e.what()));
}
