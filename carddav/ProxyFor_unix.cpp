#include "carddav/Proxy.h"

namespace carddav {

// The environment is the only place a proxy is set for a command-line tool here.
std::optional<Proxy> systemProxy(const QUrl &)
{
    return std::nullopt;
}

} // namespace carddav
