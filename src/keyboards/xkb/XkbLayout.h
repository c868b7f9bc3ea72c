#pragma once

#include <QString>

namespace lexmint {

/// A keyboard layout as XKB names it: a layout code ("cz") and a variant ("qwerty"; empty for
/// the plain layout).
struct XkbLayout {
    QString code;
    QString variant;

    friend bool operator==(const XkbLayout&, const XkbLayout&) = default;
};

} // namespace lexmint
