#include "shell/InstallRecord.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestInstallRecord : public QObject {
    Q_OBJECT

private slots:
    void machineSetting_data();
    void machineSetting();
    void buildTreeRecordIsFoundBesideTheProgram();
};

void TestInstallRecord::machineSetting_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no record at all
    QTest::addColumn<QString>("expected");

    const QString fallback = u"<default>"_s;
    QTest::newRow("no record") << QByteArray() << fallback;
    QTest::newRow("plain") << "[General]\nProgramDir=/opt/lex mint/\n"_ba << u"/opt/lex mint/"_s;
    QTest::newRow("NUL inside") << "ProgramDir=\"/opt/lex/\\0junk\"\n"_ba << u"/opt/lex/"_s;
    QTest::newRow("other type") << "ProgramDir=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"_ba
                                << fallback;
}

void TestInstallRecord::machineSetting()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QString path = dir.filePath(u"install.ini"_s);
    if (!contents.isEmpty())
        path = test::writeFile(dir.path(), u"install.ini"_s, contents);
    QVERIFY(!path.isEmpty());

    QCOMPARE(InstallRecord(path).machineSetting(u"ProgramDir"_s, u"<default>"_s), expected);
}

void TestInstallRecord::buildTreeRecordIsFoundBesideTheProgram()
{
    // Tests run from <build>/bin, where the program runs too; the build writes the record.
    QCOMPARE(InstallRecord().programDir(), test::buildDataDir() + u'/');
}

QTEST_GUILESS_MAIN(TestInstallRecord)
#include "TestInstallRecord.moc"
