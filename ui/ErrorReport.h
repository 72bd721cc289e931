#pragma once

#include "problem/Problem.h"

#include <QString>

// The window's words for a failure, as its "Error occured" box shows them: a
// file problem names the file as the system shows it; anything else is its
// detail alone.
QString errorReport(const Problem &problem);
