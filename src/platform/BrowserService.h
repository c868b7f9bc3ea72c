#pragma once

#include <QUrl>

namespace lexmint {

/// Opens web addresses in the user's browser.
class BrowserService {
public:
    virtual ~BrowserService() = default;
    /// True when the browser was started.
    virtual bool open(const QUrl& address) = 0;
};

} // namespace lexmint
