#include "KdeProbe.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStringList>

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

QString KdeProbe::layoutNames() const
{
    // Read field by field, so that the probe shares no type registration with the program.
    const QDBusMessage reply = layouts(u"getLayoutsList"_s);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const auto list = qvariant_cast<QDBusArgument>(reply.arguments().constFirst());
    QStringList names;
    list.beginArray();
    while (!list.atEnd()) {
        QString shortName;
        QString variant;
        QString longName;
        list.beginStructure();
        list >> shortName >> variant >> longName;
        list.endStructure();
        names.append(longName);
    }
    list.endArray();
    return names.join(u',');
}

} // namespace lexmint::test
