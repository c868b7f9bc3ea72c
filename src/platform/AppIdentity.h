#pragma once

#include <QString>

namespace lexmint {

/// The application title: the caption of untitled message boxes and the name of the per-user
/// settings and of the install record.
inline QString applicationTitle()
{
    return QStringLiteral("Lex Mint");
}
inline QString organizationName()
{
    return QStringLiteral("Orvanel Software");
}

} // namespace lexmint
