#pragma once

#include <QWidget>

namespace lexmint {

/// Sizes given in twips (1/1440 inch) turned into pixels at the screen's logical resolution,
/// so that windows keep their proportions on high-resolution screens. The products are taken
/// in 64 bits: a size read from the settings may be any 32-bit number.
inline int twipsToPixelsX(int twips, const QWidget* widget)
{
    return qRound(qint64(twips) * widget->logicalDpiX() / 1440.0);
}

inline int twipsToPixelsY(int twips, const QWidget* widget)
{
    return qRound(qint64(twips) * widget->logicalDpiY() / 1440.0);
}

inline int pixelsToTwipsX(int pixels, const QWidget* widget)
{
    return qRound(qint64(pixels) * 1440.0 / widget->logicalDpiX());
}

inline int pixelsToTwipsY(int pixels, const QWidget* widget)
{
    return qRound(qint64(pixels) * 1440.0 / widget->logicalDpiY());
}

} // namespace lexmint
