#include "keyboards/xkb/XkbLayoutIds.h"
#include "keyboards/xkb/XkbRegistry.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestXkbLayouts : public QObject {
    Q_OBJECT
private slots:
    void identifier_data();
    void identifier();
    void registryNamesLayouts_data();
    void registryNamesLayouts();
};

void TestXkbLayouts::identifier_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    // Fixed: identifiers are stored in files and settings, and mean one layout on every desktop.
    QTest::addColumn<qint32>("id");

    QTest::newRow("plain") << u"cz"_s << QString() << 0x0405;
    QTest::newRow("variant") << u"cz"_s << u"qwerty"_s << 0x62E60405;
    QTest::newRow("variant family of another language")
        << u"rs"_s << u"latinyz"_s << 0x7BEE081A; // Serbian (Latin)
    QTest::newRow("second code of a language") << u"tz"_s << QString() << 0x42100441;
    QTest::newRow("unknown code") << u"epo"_s << QString() << 0x14290000;
}

void TestXkbLayouts::identifier()
{
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QTEST(xkbLayoutId(layout, variant), "id");
}

void TestXkbLayouts::registryNamesLayouts_data()
{
    // A Wayland compositor names layouts by description only; the registry must give back the
    // very layout, or a vocabulary would switch to another one than on X11.
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("language");

    QTest::newRow("variant") << u"Czech (QWERTY)"_s << u"cz"_s << u"qwerty"_s << u"cs-CZ"_s;
    QTest::newRow("country tells English apart")
        << u"English (UK)"_s << u"gb"_s << QString() << u"en-GB"_s;
    QTest::newRow("layout of several countries") << u"Arabic"_s << u"ara"_s << QString() << u"ar"_s;
}

void TestXkbLayouts::registryNamesLayouts()
{
    QFETCH(QString, description);
    QFETCH(QString, code);
    QFETCH(QString, variant);
    const XkbRegistry& registry = XkbRegistry::system();
    const XkbLayout layout{code, variant};

    QCOMPARE(registry.layoutDescribedAs(description), std::optional(layout));
    QCOMPARE(registry.description(layout), description);
    QTEST(registry.language(layout), "language");
    QCOMPARE(registry.layoutDescribedAs(description.toLower()), std::nullopt);
}

QTEST_GUILESS_MAIN(TestXkbLayouts)
#include "TestXkbLayouts.moc"
