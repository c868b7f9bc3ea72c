#include "app/UiLanguage.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }
    void windowFollowsTheLocale_data();
    void windowFollowsTheLocale();
};

void TestTranslations::windowFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("caption"); // of the Vocabulary menu

    QTest::newRow("desktop, LANGUAGE=de") << QLocale::system() << u"&Vokabular"_s;
    QTest::newRow("untranslated language") << QLocale(u"ja_JP"_s) << u"&Vocabulary"_s;
}

void TestTranslations::windowFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, caption);
    const bool translated = installUiLanguage(*qApp, locale);
    QCOMPARE(translated, caption != u"&Vocabulary"_s);
    {
        MainWindowFixture fixture;
        const MainWindow& window = fixture.start();
        QCOMPARE(window.findChild<QMenu*>(u"mnuVocab"_s)->title(), caption);
        fixture.stop();
    }
    // Qt's own buttons come in the same language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel"_s, translated);
}

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
