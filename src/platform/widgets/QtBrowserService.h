#pragma once

#include "platform/BrowserService.h"

namespace lexmint {

/// Opens web addresses with the desktop's default browser.
class QtBrowserService final : public BrowserService {
public:
    bool open(const QUrl& address) override;
};

} // namespace lexmint
