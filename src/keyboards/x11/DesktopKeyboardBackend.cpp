#include "keyboards/x11/DesktopKeyboardBackend.h"

#include "keyboards/NoKeyboardBackend.h"
#include "keyboards/x11/XkbKeyboardBackend.h"

#include <QGuiApplication>

namespace lexmint {

std::unique_ptr<KeyboardBackend> makeDesktopKeyboardBackend()
{
    // Qt offers the X11 interface on other platforms as well, without a display behind it.
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->display())
        return std::make_unique<XkbKeyboardBackend>(x11->display());
    return std::make_unique<NoKeyboardBackend>();
}

} // namespace lexmint
