#pragma once

#include <QWidget>

namespace lexmint {

/// Sizes given in twips (1/1440 inch) turned into pixels at the screen's logical resolution,
/// so that windows keep their proportions on high-resolution screens.
inline int twipsToPixelsX(int twips, const QWidget* widget)
{
    return qRound(twips * widget->logicalDpiX() / 1440.0);
}

inline int twipsToPixelsY(int twips, const QWidget* widget)
{
    return qRound(twips * widget->logicalDpiY() / 1440.0);
}

inline int pixelsToTwipsX(int pixels, const QWidget* widget)
{
    return qRound(pixels * 1440.0 / widget->logicalDpiX());
}

inline int pixelsToTwipsY(int pixels, const QWidget* widget)
{
    return qRound(pixels * 1440.0 / widget->logicalDpiY());
}

} // namespace lexmint
