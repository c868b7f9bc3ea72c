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
};

void TestInstallRecord::machineSetting_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("not recorded") << QByteArray() << u"<default>"_s;
    QTest::newRow("plain") << "[General]\nProgramDir=/opt/lex mint/\n"_ba << u"/opt/lex mint/"_s;
    QTest::newRow("NUL inside") << "ProgramDir=\"/opt/lex/\\0junk\"\n"_ba << u"/opt/lex/"_s;
}

void TestInstallRecord::machineSetting()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = test::writeFile(dir.path(), u"install.ini"_s, contents);
    QCOMPARE(InstallRecord(path).machineSetting(u"ProgramDir"_s, u"<default>"_s), expected);
}

QTEST_GUILESS_MAIN(TestInstallRecord)
#include "TestInstallRecord.moc"
