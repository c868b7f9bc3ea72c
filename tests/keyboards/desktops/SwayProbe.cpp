#include "SwayProbe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace lexmint::test {

using namespace Qt::StringLiterals;

namespace {

QByteArray swaymsg(const QStringList& arguments)
{
    QProcess process;
    process.start(u"swaymsg"_s, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QJsonObject firstKeyboard()
{
    const QJsonArray inputs =
        QJsonDocument::fromJson(swaymsg({u"-r"_s, u"-t"_s, u"get_inputs"_s})).array();
    for (const QJsonValue input : inputs)
        if (input[u"type"] == u"keyboard"_s && !input[u"xkb_layout_names"].toArray().isEmpty())
            return input.toObject();
    return {};
}

} // namespace

int SwayProbe::activeLayout() const
{
    return firstKeyboard().value(u"xkb_active_layout_index").toInt(-1);
}

bool SwayProbe::switchLayout(int index)
{
    return !swaymsg(
                {u"input"_s, u"type:keyboard"_s, u"xkb_switch_layout"_s, QString::number(index)})
                .isEmpty();
}

} // namespace lexmint::test
