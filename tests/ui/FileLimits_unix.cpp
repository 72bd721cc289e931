#include "tests/ui/FileLimits.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

bool foldersCanBeLocked()
{
    return ::geteuid() != 0;
}

bool hasFileSizeLimits()
{
    return true;
}

bool withFileSizeLimit(long long bytes, const std::function<void()> &f)
{
    rlimit saved{};
    if (::getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = saved;
    lower.rlim_cur = rlim_t(bytes);
    if (::setrlimit(RLIMIT_FSIZE, &lower) != 0) {
        std::signal(SIGXFSZ, previousHandler);
        return false;
    }
    f();
    const bool restored = ::setrlimit(RLIMIT_FSIZE, &saved) == 0;
    std::signal(SIGXFSZ, previousHandler);
    return restored;
}
