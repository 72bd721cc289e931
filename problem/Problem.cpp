#include "problem/Problem.h"

#include <new>

Problem Problem::at(int line, QString detail)
{
    Problem p;
    p.line = line;
    p.detail = std::move(detail);
    return p;
}

Problem Problem::inFile(Kind kind, QString file, QString detail, int number)
{
    Problem p;
    p.kind = kind;
    p.number = number;
    p.file = std::move(file);
    p.detail = std::move(detail);
    return p;
}

QString thousands(qint64 n)
{
    QString digits = QString::number(n);
    for (qsizetype i = digits.size() - 3; i > (n < 0 ? 1 : 0); i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

VireError::VireError(Problem problem) : m_problem(std::move(problem)), m_what(m_problem.detail.toStdString())
{
}

VireError::VireError(int number, QString detail)
{
    m_problem.number = number;
    m_problem.detail = std::move(detail);
    m_what = m_problem.detail.toStdString();
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
