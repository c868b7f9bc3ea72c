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

// Types text key by key as a keyboard would, also letters outside Latin-1; '\b' is Backspace.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c == u'\b')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestQuickFind : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void findsFirstMatch_data();
    void findsFirstMatch();
    void closing_data();
    void closing();

private:
    // Opens quick find over the main window on a vocabulary with the given entries; true once
    // it is active with the focus in its box.
    bool open(const QStringList& entries);
    QLineEdit* word() { return m_dialog->findChild<QLineEdit*>(u"txtWord"_s); }

    QTemporaryDir m_dir;
    int m_files = 0;
    QWidget m_mainWindow;
    FakeKeyboardBackend m_backend{{UsEnglish, Greek}, UsEnglish};
    FakeMessageService m_messages;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    std::unique_ptr<KeyboardFocus> m_keyboards;
    std::unique_ptr<TestVocabularyHost> m_host;
    std::unique_ptr<QuickFindDialog> m_dialog;
};

void TestQuickFind::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_mainWindow.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_mainWindow));
}

void TestQuickFind::cleanup()
{
    m_dialog.reset();
    m_keyboards.reset();
    m_host.reset();
    const bool quiet = m_messages.shown().isEmpty() && m_messages.allAnswersUsed();
    m_messages.clear();
    QVERIFY(quiet);
}

bool TestQuickFind::open(const QStringList& entries)
{
    m_backend = FakeKeyboardBackend({UsEnglish, Greek}, UsEnglish);
    m_switcher = std::make_unique<KeyboardSwitcher>(m_backend, m_messages);
    m_keyboards = std::make_unique<KeyboardFocus>(*m_switcher);
    VocabInfo vocab;
    vocab.path = makeVocabulary(m_dir.path(), u"v%1.lxm"_s.arg(++m_files), entries);
    vocab.keybHead = Greek;
    m_host = std::make_unique<TestVocabularyHost>(vocab);
    if (vocab.path.isEmpty() || !m_host->isAttached())
        return false;
    if (!entries.isEmpty())
        m_host->sources().vocabulary().setAbsolutePosition(StartRow);
    m_dialog = std::make_unique<QuickFindDialog>(*m_host, *m_keyboards, &m_mainWindow);
    m_dialog->show();
    return QTest::qWaitFor([this] { return QApplication::focusWidget() == word(); });
}

void TestQuickFind::findsFirstMatch_data()
{
    // What is typed, the row then current, and how often the sheet was told to show it
    // (once per keystroke that found something).
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("shows");

    QTest::newRow("double quote") << u"say \"h"_s << 6 << 6;
    QTest::newRow("star is a wildcard") << u"*ich"_s << 9 << 4;
    QTest::newRow("no match after a match") << u"zq"_s << 7 << 1;
    QTest::newRow("emptied text goes to the first entry") << u"z\b"_s << 0 << 2;
}

void TestQuickFind::findsFirstMatch()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(int, shows);
    QVERIFY(open(mixedScriptEntries()));

    type(word(), typed);
    QCOMPARE(m_host->sources().vocabulary().absolutePosition(), row);
    QCOMPARE(m_host->shownHeadwords().size(), shows);
    QCOMPARE(m_host->shownHeadwords().constLast(), m_host->currentHeadword());
    // A text that matches nothing neither closes the window nor opens another.
    QCOMPARE(QApplication::activeWindow(), m_dialog.get());
}

void TestQuickFind::closing_data()
{
    QTest::addColumn<QString>("ending"); // Enter, Esc or the window frame
    QTest::addColumn<int>("row");        // -1: in an empty vocabulary
    QTest::addColumn<QStringList>("shownAtClose");

    QTest::newRow("Enter keeps the entry found") << u"Enter"_s << 9 << QStringList();
    QTest::newRow("Esc returns to the very row current at opening")
        << u"Esc"_s << StartRow << QStringList{u"ábaco"_s};
    QTest::newRow("the frame leaves the sheet alone") << u"frame"_s << 9 << QStringList();
    QTest::newRow("Esc without a row at opening") << u"Esc"_s << -1 << QStringList();
}

void TestQuickFind::closing()
{
    QFETCH(QString, ending);
    QFETCH(int, row);
    QFETCH(QStringList, shownAtClose);
    QVERIFY(open(row < 0 ? QStringList() : mixedScriptEntries()));
    // The headword layout is active while typing.
    type(word(), u"zü"_s);
    QCOMPARE(m_backend.activeLayout(), Greek);

    m_host->clearRecords();
    if (ending == u"Enter" || ending == u"Esc")
        QTest::keyClick(word(), ending == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
    else
        m_dialog->close();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), ending == u"Enter" ? QDialog::Accepted : QDialog::Rejected);
    QCOMPARE(m_host->sources().vocabulary().absolutePosition(), row);
    QCOMPARE(m_host->shownHeadwords(), shownAtClose);
    // The user's layout comes back once, and nothing else is switched.
    QTRY_COMPARE(m_backend.activeLayout(), UsEnglish);
    QCOMPARE(m_backend.activations(), (QList<qint32>{Greek, UsEnglish}));
}

QTEST_MAIN(TestQuickFind)

#include "TestQuickFind.moc"
