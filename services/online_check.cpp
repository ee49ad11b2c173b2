#include "services/online_check.h"

#include <QNetworkInterface>

namespace tavexo {

bool IsOnline() {
    // Qt's own network information reports "online" on this platform even
    // with no network at all, so the interfaces are asked directly.
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& network : interfaces) {
        const auto flags = network.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack)) continue;
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning))
            return true;
    }
    return false;
}

}  // namespace tavexo
