#pragma once

#include "problem/Problem.h"

#include <QString>

// What the platform files of the safe save share: the texts of its failures.
namespace safefile::detail {

VireError notRegular(const QString &path);
VireError openError(const QString &path, const QString &why);

// What a failed save left behind.
enum class State { Unchanged, NotCreated, PartlyWritten };

VireError saveError(const QString &path, const QString &why, State state);

} // namespace safefile::detail
