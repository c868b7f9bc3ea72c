#include "keyboards/x11/DesktopKeyboardBackend.h"
#include "keyboards/x11/XkbLayoutIds.h"

#include <QSet>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestX11LayoutIds : public QObject {
    Q_OBJECT
private slots:
    void identifier_data();
    void identifier();
    void layoutsOfOneLanguageDiffer();
    void offscreenHasNoLayouts();
};

void TestX11LayoutIds::identifier_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<qint32>("id"); // fixed: identifiers are stored in files and settings

    QTest::newRow("plain") << u"cz"_s << QString() << 0x0405;
    QTest::newRow("variant") << u"cz"_s << u"qwerty"_s << 0x62E60405;
    QTest::newRow("variant family of another language")
        << u"rs"_s << u"latinyz"_s << 0x7BEE081A; // Serbian (Latin)
    QTest::newRow("second code of a language") << u"tz"_s << QString() << 0x42100441;
    QTest::newRow("unknown code") << u"epo"_s << QString() << 0x14290000;
}

void TestX11LayoutIds::identifier()
{
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QTEST(xkbLayoutId(layout, variant), "id");
}

void TestX11LayoutIds::layoutsOfOneLanguageDiffer()
{
    const QList<std::pair<QString, QString>> layouts{
        {u"cz"_s, {}},        {u"cz"_s, u"qwerty"_s}, {u"cz"_s, u"qwerty_bksl"_s},
        {u"us"_s, {}},        {u"us"_s, u"intl"_s},   {u"us"_s, u"dvorak"_s},
        {u"ke"_s, {}},        {u"tz"_s, {}},          {u"epo"_s, {}},
        {u"mao"_s, {}},       {u"ch"_s, u"fr"_s},     {u"ch"_s, u"fr_mac"_s}};
    QSet<qint32> ids;
    for (const auto& [layout, variant] : layouts) {
        const qint32 id = xkbLayoutId(layout, variant);
        QVERIFY2(id > 0 && id != KeybCurrent, qPrintable(layout + u'(' + variant + u')'));
        ids.insert(id);
    }
    QCOMPARE(ids.size(), layouts.size());
}

void TestX11LayoutIds::offscreenHasNoLayouts()
{
    // Qt offers its X11 interface here too, but without a display to talk to.
    const auto backend = makeDesktopKeyboardBackend();
    QVERIFY(backend->installedLayouts().isEmpty());
    QCOMPARE(backend->activeLayout(), KeybCurrent);
}

QTEST_MAIN(TestX11LayoutIds)
#include "TestX11LayoutIds.moc"
