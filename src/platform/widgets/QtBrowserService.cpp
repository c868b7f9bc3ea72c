#include "platform/widgets/QtBrowserService.h"

#include <QDesktopServices>

namespace lexmint {

bool QtBrowserService::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}

} // namespace lexmint
