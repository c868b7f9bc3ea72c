#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/QuickFind.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/widgets/KeyboardFocus.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 UsEnglish = 0x04090409; // the user's own layout
constexpr qint32 Greek = 0x04080408;

// Rows of mixedScriptEntries() in dictionary order: 0 "100 percent", 1 "100%_sure",
// 2-3 "ábaco", 4 "Abend", 5 "abendbrot", 6 "say "hi"", 7 "zapato", 8 "žluťoučký",
// 9-10 "Zürich", 11 "λέξη", 12 "слово". Every window opens on the second line of "ábaco".
constexpr int StartRow = 3;

} // namespace

class TestQuickFind : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void landsOnTheEntry_data();
    void landsOnTheEntry();

private:
    QLineEdit* word() { return m_dialog->findChild<QLineEdit*>(u"txtWord"_s); }

    QTemporaryDir m_dir;
    QWidget m_mainWindow;
    FakeKeyboardBackend m_backend{{UsEnglish, Greek}, UsEnglish};
    FakeMessageService m_messages;
    KeyboardSwitcher m_switcher{m_backend, m_messages};
    KeyboardFocus m_keyboards{m_switcher};
    std::unique_ptr<TestVocabularyHost> m_host;
    std::unique_ptr<QuickFindDialog> m_dialog;
};

void TestQuickFind::initTestCase()
{
    QVERIFY(m_dir.isValid());
    VocabInfo vocab;
    vocab.path = makeVocabulary(m_dir.path(), u"v.lxm"_s, mixedScriptEntries());
    vocab.keybHead = Greek;
    m_host = std::make_unique<TestVocabularyHost>(vocab);
    QVERIFY(m_host->isAttached());
    m_mainWindow.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_mainWindow));
}

void TestQuickFind::cleanup()
{
    m_dialog.reset();
    const bool quiet = m_messages.shown().isEmpty() && m_messages.allAnswersUsed();
    m_messages.clear();
    QVERIFY(quiet);
}

void TestQuickFind::landsOnTheEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("escape"); // closed with Esc rather than Enter
    QTest::addColumn<int>("row");     // current once the window has closed

    QTest::newRow("double quote") << u"say \"h"_s << false << 6;
    QTest::newRow("star is a wildcard") << u"*ich"_s << false << 9;
    QTest::newRow("no match after a match") << u"zq"_s << false << 7;
    QTest::newRow("emptied text goes to the first entry") << u"z\b"_s << false << 0;
    QTest::newRow("Esc returns to the row current at opening") << u"zü"_s << true << StartRow;
}

void TestQuickFind::landsOnTheEntry()
{
    QFETCH(QString, typed);
    QFETCH(bool, escape);
    QFETCH(int, row);

    QVERIFY(m_host->sources().vocabulary().setAbsolutePosition(StartRow));
    m_backend = FakeKeyboardBackend({UsEnglish, Greek}, UsEnglish);
    m_dialog = std::make_unique<QuickFindDialog>(*m_host, m_keyboards, &m_mainWindow);
    m_dialog->show();
    QTRY_COMPARE(QApplication::focusWidget(), word());

    // Key by key as a keyboard would, also letters outside Latin-1; '\b' is Backspace.
    for (const QChar c : typed) {
        if (c == u'\b')
            QTest::keyClick(word(), Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, word(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // The headword layout is active while typing, and the sheet shows what was found.
    QCOMPARE(m_backend.activeLayout(), Greek);
    QCOMPARE(m_host->shownHeadwords().constLast(), m_host->currentHeadword());
    QCOMPARE(QApplication::activeWindow(), m_dialog.get());
    QTest::keyClick(word(), escape ? Qt::Key_Escape : Qt::Key_Return);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_host->sources().vocabulary().absolutePosition(), row);
    QCOMPARE(m_host->shownHeadwords().constLast(), m_host->currentHeadword());
    // The user's layout comes back once, and nothing else is switched.
    QTRY_COMPARE(m_backend.activeLayout(), UsEnglish);
    QCOMPARE(m_backend.activations(), (QList<qint32>{Greek, UsEnglish}));
}

QTEST_MAIN(TestQuickFind)

#include "TestQuickFind.moc"
