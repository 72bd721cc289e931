#pragma once

#include "problem/Problem.h"
#include "ui/ErrorReport.h"

#include <QString>

// What a call threw, for the checks of a failure's number and text (as the
// window's error box words it): 0 and "" when it threw nothing.
struct Thrown
{
    int number = 0;
    QString text;
};

template<typename F> Thrown thrown(F &&f)
{
    try {
        f();
    } catch (const VireError &e) {
        return {e.number(), errorReport(e.problem())};
    }
    return {};
}

// Its text only.
template<typename F> QString failure(F &&f)
{
    return thrown(f).text;
}
