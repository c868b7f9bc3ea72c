#include "DesktopProbe.h"

#include "KdeProbe.h"
#include "SwayProbe.h"
#include "X11Probe.h"

#include <QGuiApplication>

namespace lexmint::test {

using namespace Qt::StringLiterals;

bool DesktopProbe::hasFocus(const QWidget&) const
{
    return true;
}

std::unique_ptr<DesktopProbe> DesktopProbe::forSession()
{
    if (QGuiApplication::platformName() == u"xcb")
        return std::make_unique<X11Probe>();
    if (qEnvironmentVariableIsSet("SWAYSOCK"))
        return std::make_unique<SwayProbe>();
    return std::make_unique<KdeProbe>();
}

} // namespace lexmint::test
