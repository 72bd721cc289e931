#pragma once

#include "problem/VireError.h"

#include <QString>

// What a call threw, for the checks of a failure's number and text: 0 and ""
// when it threw nothing.
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
        return {e.number(), e.description()};
    }
    return {};
}

// Its text only.
template<typename F> QString failure(F &&f)
{
    return thrown(f).text;
}
