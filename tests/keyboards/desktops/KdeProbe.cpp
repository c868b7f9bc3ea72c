#include "KdeProbe.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

namespace lexmint::test {

using namespace Qt::StringLiterals;

namespace {

// Plain messages: Qt's introspecting interface objects keep memory it never frees.
QDBusMessage layouts(const QString& method, const QVariant& argument = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.keyboard"_s, u"/Layouts"_s,
                                                       u"org.kde.KeyboardLayouts"_s, method);
    if (argument.isValid())
        call << argument;
    return QDBusConnection::sessionBus().call(call);
}

} // namespace

int KdeProbe::activeLayout() const
{
    const QDBusReply<uint> active = layouts(u"getLayout"_s);
    return active.isValid() ? int(active.value()) : -1;
}

bool KdeProbe::switchLayout(int index)
{
    const QDBusReply<bool> switched = layouts(u"setLayout"_s, uint(index));
    return switched.isValid() && switched.value();
}

} // namespace lexmint::test
