#include "interchange/ImportPlan.h"
#include "interchange/VocabularyReader.h"
#include "interchange/WordListRows.h"
#include "interchange/widgets/InterchangeCommands.h"
#include "store/Database.h"
#include "support/FakeFileDialogService.h"
#include "support/FakeMessageService.h"
#include "support/ModalWindow.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestInterchangeCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importShowsStoresAndReports();
    void exportWritesTheChosenKindAndMode();
    void exportRefusesAnUnknownKind();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<TestVocabularyHost> m_host;
    FakeMessageService m_messages;
    FakeFileDialogService m_files;
    std::unique_ptr<InterchangeCommands> m_commands;
};

void TestInterchangeCommands::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_fixture->addEntries({u"Haus|house"_s, u"mal|bad"_s});
    QVERIFY(m_fixture->execRaw(
        u"UPDATE Headwords SET Tested = 1, LastOK = 0 WHERE Headword = 'mal'"_s));
    VocabInfo vocabulary;
    vocabulary.path = m_fixture->path();
    vocabulary.headwordSize = 50;
    m_host = std::make_unique<TestVocabularyHost>(vocabulary);
    QVERIFY(m_host->isAttached());
    m_messages.clear();
    m_commands = std::make_unique<InterchangeCommands>(*m_host, m_messages, m_files,
                                                       m_fixture->clock, nullptr);
}

void TestInterchangeCommands::cleanup()
{
    m_commands.reset();
    QVERIFY(m_files.allResultsUsed());
    QVERIFY(m_messages.allAnswersUsed());
}

void TestInterchangeCommands::importShowsStoresAndReports()
{
    const QString path = writeFile(
        m_fixture->dir(), u"list.csv"_s,
        "\xEF\xBB\xBFWord;Meaning\r\nHaus;home\r\nBaum;\"tree\r\nplant\"\r\n;none\r\n"_ba);
    const QString reportPath = m_fixture->dir() + u"/report.txt"_s;
    m_files.expect(path);
    m_files.expect(reportPath);
    QSignalSpy done(m_commands.get(), &InterchangeCommands::done);
    // The report of the refused row follows the import dialog; it is saved, then closed.
    const ModalWatch watch([](QWidget* modal) {
        if (auto* import = modal->findChild<QPushButton*>(u"cmdImport"_s)) {
            import->click();
            return;
        }
        modal->findChild<QPushButton*>(u"cmdSave"_s)->click();
        modal->findChild<QPushButton*>(u"cmdClose"_s)->click();
    });
    m_commands->importWordList();

    const auto stored = vocabularyreader::read(*m_host->sources().database(), u"All"_s);
    QCOMPARE(entryRows(stored.value_or(QList<VocabularyEntry>())),
             (QStringList{u"Baum | tree | plant"_s, u"Haus | house | home"_s, u"mal | bad"_s}));
    QCOMPARE((QList<qsizetype>{m_host->dataRefreshes(), m_host->contextUpdates(), done.size()}),
             (QList<qsizetype>{1, 1, 1}));
    QVERIFY(QString::fromUtf8(fileBytes(reportPath)).contains(u"Line 5: The headword is empty."_s));
}

void TestInterchangeCommands::exportWritesTheChosenKindAndMode()
{
    const QString path = m_fixture->dir() + u"/wrong.kvtml"_s;
    m_files.expect(path);
    const ModalWatch watch([](QWidget* modal) {
        auto* mode = modal->findChild<QComboBox*>(u"cmbMode"_s);
        mode->setCurrentIndex(mode->findData(u"Last Answer Wrong"_s));
        modal->findChild<QPushButton*>(u"cmdExport"_s)->click();
    });
    m_commands->exportWordList();

    const ImportPlan plan = planImport(fileBytes(path), path, ImportSettings(), 50);
    QCOMPARE(acceptedRows(plan), QStringList{u"mal | bad"_s});
}

void TestInterchangeCommands::exportRefusesAnUnknownKind()
{
    // Not even the open vocabulary is overwritten by a word list given its name.
    const QByteArray before = fileBytes(m_fixture->path());
    m_files.expect(m_fixture->path());
    m_messages.expect(MessageAnswer::Ok);
    m_commands->exportWordList();
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

QTEST_MAIN(TestInterchangeCommands)
#include "TestInterchangeCommands.moc"
