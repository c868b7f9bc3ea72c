#include "app/VocabularySession.h"
#include "store/EntryWriter.h"
#include "store/VocabularyFile.h"
#include "support/FakeFileDialogService.h"
#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestFiles.h"

#include <QSignalSpy>

#include <QTemporaryDir>
#include <QTest>
#include <QSemaphore>
#include <QThread>

#include <sqlite3.h>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestVocabularySession : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();
    void lockedFileIsRefused();
    void namedPipeIsRefusedAtOnce();
    void foreignTriggersOpenReadOnlyWithTheReason();
    void damageFoundAtTheFirstWriteKeepsTheFileReadOnly();
    void newVocabularyComesFromTheTemplate();
    void installedSamplesOpenAsTheUsersCopy();

private:
    QString userFolder() const { return m_dir->filePath(u"documents/Lex Mint"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeMessageService> m_messages;
    std::unique_ptr<FakeFileDialogService> m_files;
    TestClock m_clock;
    std::unique_ptr<VocabularySession> m_session;
};

void TestVocabularySession::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_messages = std::make_unique<FakeMessageService>();
    m_files = std::make_unique<FakeFileDialogService>();
    m_session = std::make_unique<VocabularySession>(*m_messages, *m_files, m_clock,
                                                    buildDataDir() + u'/', userFolder());
}

void TestVocabularySession::cleanup()
{
    QVERIFY(m_messages->allAnswersUsed());
    QVERIFY(m_files->allResultsUsed());
}

void TestVocabularySession::refusedFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // %1 stands for the path

    QTest::newRow("not a database")
        << QByteArray(3000, 'x') << u"SQLite Engine Error 26: file is not a database"_s;
    QTest::newRow("older access vocabulary")
        << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4000, '\0')
        << u"Cannot open %1\rThis is an Access database, such as a vocabulary of an older Lex "
           "Mint. This version cannot read that format."_s;
}

void TestVocabularySession::refusedFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString good = makeVocabulary(m_dir->path(), u"good.lxm"_s, {u"uno|meaning"_s});
    QVERIFY(m_session->openFile(good));
    const QStringList modes = m_session->testModes();

    const QString bad = writeFile(m_dir->path(), u"bad.lxm"_s, bytes);
    QVERIFY(!m_session->openFile(bad));
    QCOMPARE(m_messages->shown().size(), 1);
    const Message& shown = m_messages->shown().first();
    QCOMPARE(shown.text, text.contains(u"%1"_s) ? text.arg(bad) : text);
    QCOMPARE(shown.title, u"Open Vocabulary"_s);
    QCOMPARE(fileBytes(bad), bytes);
    QCOMPARE(m_session->current().path, good);
    QCOMPARE(m_session->testModes(), modes);
    QCOMPARE(m_session->sources().vocabulary().recordCount(), 1);
}

void TestVocabularySession::lockedFileIsRefused()
{
    const QString path = makeVocabulary(m_dir->path(), u"busy.lxm"_s, {u"uno|meaning"_s});
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open_v2(QFile::encodeName(path).constData(), &other, SQLITE_OPEN_READWRITE,
                             nullptr),
             SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    QVERIFY(!m_session->openVocabulary(path));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    QCOMPARE(m_messages->shown().size(), 1);
    QVERIFY(m_messages->shown().first().text.startsWith(
        u"SQLite Engine Error 5: The vocabulary is in use by another program."_s));
    QVERIFY(!m_session->isOpen());
    QVERIFY(m_session->openVocabulary(path));
}

void TestVocabularySession::namedPipeIsRefusedAtOnce()
{
    const QString path = m_dir->filePath(u"odd.lxm"_s);
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // Should the program wait for a writer to the pipe, one comes after a while, lets it go on
    // and makes the test fail.
    QSemaphore finished;
    std::atomic<bool> released = false;
    std::unique_ptr<QThread> watchdog(QThread::create([&] {
        if (finished.tryAcquire(1, 10'000))
            return;
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
        released = fd >= 0;
        if (fd >= 0)
            ::close(fd);
    }));
    watchdog->start();

    const bool opened = m_session->openVocabulary(path);
    finished.release();
    watchdog->wait();
    QVERIFY(!released);
    QVERIFY(!opened);
    QCOMPARE(m_messages->shown().size(), 1);
    QVERIFY(m_messages->shown().first().text.contains(u"is not a regular file"_s));
}

void TestVocabularySession::foreignTriggersOpenReadOnlyWithTheReason()
{
    const QString path = makeVocabulary(m_dir->path(), u"unsafe.lxm"_s, {u"uno|meaning"_s});
    QVERIFY(execRaw(path,
                    u"CREATE TRIGGER Sneaky AFTER INSERT ON Headwords "
                    "BEGIN DELETE FROM Definitions; END;"_s));
    const QByteArray before = fileBytes(path);

    QVERIFY(m_session->openFile(path));
    QCOMPARE(m_messages->shown().size(), 1);
    QVERIFY(m_messages->shown().first().text.startsWith(
        u"The vocabulary file %1 contains triggers that Lex Mint did not create: Sneaky."_s.arg(
            path)));
    QVERIFY(m_session->isReadOnly());
    // The options dialog does not get them written either.
    VocabInfo options = m_session->current();
    options.readOnlyReason.clear();
    options.flags ^= 1;
    QVERIFY(!m_session->writeOptions(options, *m_messages));
    m_session->close();
    QCOMPARE(fileBytes(path), before);
}

void TestVocabularySession::damageFoundAtTheFirstWriteKeepsTheFileReadOnly()
{
    // A vocabulary that needs nothing written when it is opened, with a broken page that
    // opening does not read: the last of the definitions, which belong to entries in the
    // middle of the sheet.
    const QString path = makeVocabulary(m_dir->path(), u"broken.lxm"_s, {});
    QVERIFY(addManyEntries(path, 400));
    QVERIFY(m_session->openVocabulary(path));
    m_session->close();
    sqlite3* raw = nullptr;
    sqlite3_stmt* leaf = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &raw), SQLITE_OK);
    sqlite3_prepare_v2(raw,
                       "SELECT pageno, pgsize FROM dbstat WHERE name = 'Definitions' "
                       "AND pagetype = 'leaf' ORDER BY pageno DESC LIMIT 1",
                       -1, &leaf, nullptr);
    QCOMPARE(sqlite3_step(leaf), SQLITE_ROW);
    const qsizetype page = sqlite3_column_int(leaf, 0) - 1;
    const qsizetype pageSize = sqlite3_column_int(leaf, 1);
    sqlite3_finalize(leaf);
    sqlite3_close(raw);
    QByteArray bytes = fileBytes(path);
    bytes[page * pageSize] = '\x7f'; // no kind of page
    QVERIFY(!writeFile(m_dir->path(), u"broken.lxm"_s, bytes).isEmpty());

    // Opening reads only, and costs no pass over the whole file.
    QVERIFY(m_session->openVocabulary(path));
    QVERIFY(m_messages->shown().isEmpty());
    QVERIFY(!m_session->isReadOnly());
    QSignalSpy readOnly(m_session.get(), &VocabularySession::becameReadOnly);
    m_messages->expect(MessageAnswer::No);
    StoreError error;
    QVERIFY(!EntryWriter(*m_session->sources().database(), TestClock())
                 .addEntry(u"new"_s, {u"line"_s}, &error));
    QVERIFY2(error.description.contains(u"damaged"_s), qPrintable(error.description));
    QVERIFY(readOnly.wait());
    QCOMPARE(m_messages->shown().size(), 1);
    QVERIFY(m_messages->shown().first().text.startsWith(
        u"The vocabulary file %1 is damaged."_s.arg(path)));
    QVERIFY(m_session->isReadOnly());
    QCOMPARE(m_session->current().readOnlyReason, error.description);
    m_session->close();
    QCOMPARE(fileBytes(path), bytes);
}

void TestVocabularySession::newVocabularyComesFromTheTemplate()
{
    // Choosing the open vocabulary's own file replaces it with a fresh copy.
    const QString path =
        makeVocabulary(m_dir->path(), u"mine.lxm"_s, {u"uno|meaning"_s, u"dos|meaning"_s});
    QVERIFY(m_session->openFile(path));
    m_files->expect(path);
    QVERIFY(m_session->newVocabulary());
    QCOMPARE(m_session->current().path, path);
    QCOMPARE(m_session->sources().headwords().recordCount(), 0);
    QVERIFY(m_messages->shown().isEmpty());

    // Its options go into the file through the open connection.
    VocabInfo options = m_session->current();
    options.keybHead = 0x0419;
    QVERIFY(m_session->writeOptions(options, *m_messages));
    m_session->close();
    VocabInfo read;
    QVERIFY(vocabularyfile::inspect(path, read, {}, *m_messages));
    QCOMPARE(read.keybHead, 0x0419);
}

void TestVocabularySession::installedSamplesOpenAsTheUsersCopy()
{
    QVERIFY(QDir(m_dir->path()).mkdir(u"program"_s));
    const QString programDir = m_dir->filePath(u"program/"_s);
    const QString sample =
        copyToDir(buildDataDir() + u"/Spa-Eng.lxm"_s, programDir, u"Spa-Eng.lxm"_s);
    const QByteArray shipped = fileBytes(sample);
    VocabularySession session(*m_messages, *m_files, m_clock, programDir, userFolder());
    m_files->expect(sample);
    QVERIFY(session.openVocabularyDialog());
    QCOMPARE(session.current().path, userFolder() + u"/Spa-Eng.lxm"_s);
    QVERIFY(session.sources().headwords().recordCount() > 0);
    session.close();
    QCOMPARE(fileBytes(sample), shipped);
}

QTEST_MAIN(TestVocabularySession)
#include "TestVocabularySession.moc"
