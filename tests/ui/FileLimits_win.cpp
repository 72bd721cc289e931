#include "tests/ui/FileLimits.h"

bool foldersCanBeLocked()
{
    return false;
}

bool hasFileSizeLimits()
{
    return false;
}

bool withFileSizeLimit(long long, const std::function<void()> &)
{
    return false;
}
