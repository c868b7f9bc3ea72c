#include "app/UiLanguage.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

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
    void translationFilesAreComplete();
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
    MainWindowFixture fixture;
    QCOMPARE(fixture.start().findChild<QMenu*>(u"mnuVocab"_s)->title(), caption);
    // Qt's own buttons come in the same language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel"_s, translated);
}

/// Every message of every language is finished and keeps the source's placeholders.
void TestTranslations::translationFilesAreComplete()
{
    static const QRegularExpression placeholder(u"%(\\d|n)"_s);
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text))
            found.append(match.captured());
        found.sort();
        return found;
    };
    const QDir folder(QStringLiteral(LEXMINT_TRANSLATIONS_DIR));
    QStringList faults;
    for (const QString& name : folder.entryList({u"*.ts"_s})) {
        QFile ts(folder.filePath(name));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == u"translation") {
                const bool unfinished = !xml.attributes().value(u"type"_s).isEmpty();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (unfinished || text.isEmpty())
                    faults.append(name + u" unfinished: "_s + source);
                else if (!source.contains(u"%n"_s) && placeholders(text) != placeholders(source))
                    faults.append(name + u" placeholders differ: "_s + source);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(name + xml.errorString()));
    }
    QCOMPARE(folder.entryList({u"*.ts"_s}).size(), 3);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
