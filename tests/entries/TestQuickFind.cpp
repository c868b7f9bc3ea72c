#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "entries/QuickFind.h"
#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardSwitcher.h"
#include "platform/widgets/Twips.h"

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

enum class Ending { Enter, Esc, Frame, ProgramExit };

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

void end(QuickFindDialog& dialog, Ending ending)
{
    QLineEdit* word = dialog.findChild<QLineEdit*>(u"txtWord"_s);
    switch (ending) {
    case Ending::Enter:
        QTest::keyClick(word, Qt::Key_Return);
        break;
    case Ending::Esc:
        QTest::keyClick(word, Qt::Key_Escape);
        break;
    case Ending::Frame:
    case Ending::ProgramExit:
        dialog.close();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestQuickFind : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void findsFirstMatch_data();
    void findsFirstMatch();
    void closing_data();
    void closing();
    void keyboardWhileTyping_data();
    void keyboardWhileTyping();
    void placedOverMainWindow();

private:
    // Opens quick find over the vocabulary with the given entries; true once it is active with
    // the focus in its box.
    bool open(const QStringList& entries, QWidget* mainWindow = nullptr);
    QLineEdit* word() { return m_dialog->findChild<QLineEdit*>(u"txtWord"_s); }

    QTemporaryDir m_dir;
    int m_files = 0;
    FakeKeyboardBackend m_backend{{UsEnglish, Greek}, UsEnglish};
    FakeMessageService m_messages;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    std::unique_ptr<TestVocabularyHost> m_host;
    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<QuickFindDialog> m_dialog;
};

void TestQuickFind::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestQuickFind::init()
{
    m_backend = FakeKeyboardBackend({UsEnglish, Greek}, UsEnglish);
    m_messages.clear();
    m_switcher = std::make_unique<KeyboardSwitcher>(m_backend, m_messages);
}

void TestQuickFind::cleanup()
{
    m_dialog.reset();
    m_mainWindow.reset();
    m_host.reset();
    QVERIFY(m_messages.allAnswersUsed());
}

bool TestQuickFind::open(const QStringList& entries, QWidget* mainWindow)
{
    VocabInfo vocab;
    vocab.path = makeVocabulary(m_dir.path(), u"v%1.lxm"_s.arg(++m_files), entries);
    vocab.keybHead = Greek;
    m_host = std::make_unique<TestVocabularyHost>(vocab);
    if (vocab.path.isEmpty() || !m_host->isAttached())
        return false;
    if (!entries.isEmpty())
        m_host->sources().vocabulary().setAbsolutePosition(StartRow);
    m_dialog = std::make_unique<QuickFindDialog>(*m_host, *m_switcher, mainWindow);
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

    QTest::newRow("two letters, lower case") << u"ab"_s << 4 << 2;
    QTest::newRow("two letters, upper case") << u"AB"_s << 4 << 2;
    QTest::newRow("mixed case, accented") << u"zÜ"_s << 9 << 2;
    QTest::newRow("accent is not ignored") << u"Á"_s << 2 << 1;
    QTest::newRow("capital with caron") << u"Ž"_s << 8 << 1;
    QTest::newRow("Greek with tonos") << u"λέ"_s << 11 << 2;
    QTest::newRow("Greek capitals") << u"ΛΈ"_s << 11 << 2;
    QTest::newRow("Cyrillic capitals") << u"СЛ"_s << 12 << 2;
    QTest::newRow("double quote") << u"say \"h"_s << 6 << 6;
    QTest::newRow("star is a wildcard") << u"*ich"_s << 9 << 4;
    QTest::newRow("star inside") << u"a*t"_s << 5 << 3;
    QTest::newRow("question mark is a wildcard") << u"?b"_s << 2 << 2;
    QTest::newRow("percent stands for itself") << u"%"_s << StartRow << 0;
    QTest::newRow("underscore stands for itself") << u"_"_s << StartRow << 0;
    QTest::newRow("percent and underscore in a headword") << u"100%_"_s << 1 << 5;
    QTest::newRow("no match at all") << u"qq"_s << StartRow << 0;
    QTest::newRow("no match after a match") << u"zq"_s << 7 << 1;
    QTest::newRow("emptied text goes to the first entry") << u"z\b"_s << 0 << 2;
}

void TestQuickFind::findsFirstMatch()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(int, shows);
    QVERIFY(open(mixedScriptEntries()));
    QuickFindDialog& dialog = *m_dialog;

    type(word(), typed);
    QCOMPARE(m_host->sources().vocabulary().absolutePosition(), row);
    QCOMPARE(m_host->shownHeadwords().size(), shows);
    if (shows > 0)
        QCOMPARE(m_host->shownHeadwords().constLast(), m_host->currentHeadword());
    // A text that matches nothing neither closes the window nor opens another.
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::activeWindow(), &dialog);
    QCOMPARE(m_messages.shown().size(), 0);
}

void TestQuickFind::closing_data()
{
    QTest::addColumn<bool>("empty");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("shownAtClose");

    QTest::newRow("Enter keeps the entry found")
        << false << Ending::Enter << 9 << int(QDialog::Accepted) << QStringList();
    QTest::newRow("Esc returns to the very row current at opening")
        << false << Ending::Esc << StartRow << int(QDialog::Rejected) << QStringList{u"ábaco"_s};
    QTest::newRow("the frame leaves the sheet alone")
        << false << Ending::Frame << 9 << int(QDialog::Rejected) << QStringList();
    QTest::newRow("Esc without a row at opening")
        << true << Ending::Esc << -1 << int(QDialog::Rejected) << QStringList();
}

void TestQuickFind::closing()
{
    QFETCH(bool, empty);
    QFETCH(Ending, ending);
    QFETCH(int, row);
    QFETCH(int, result);
    QFETCH(QStringList, shownAtClose);
    QVERIFY(open(empty ? QStringList() : mixedScriptEntries()));
    QuickFindDialog& dialog = *m_dialog;

    type(word(), u"zü"_s);
    m_host->clearRecords();
    end(dialog, ending);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
    QCOMPARE(m_host->sources().vocabulary().absolutePosition(), row);
    QCOMPARE(m_host->shownHeadwords(), shownAtClose);
}

void TestQuickFind::keyboardWhileTyping_data()
{
    QTest::addColumn<Ending>("ending");

    QTest::newRow("Enter") << Ending::Enter;
    QTest::newRow("Esc") << Ending::Esc;
    QTest::newRow("frame") << Ending::Frame;
    QTest::newRow("program exit while open") << Ending::ProgramExit;
}

void TestQuickFind::keyboardWhileTyping()
{
    QFETCH(Ending, ending);
    QVERIFY(open(mixedScriptEntries()));
    QuickFindDialog& dialog = *m_dialog;
    const QStringList entered{keyboardName(Greek)};
    QCOMPARE(m_backend.activeLayout(), Greek);
    QCOMPARE(m_host->keyboardLabels(), entered);
    type(word(), u"λέ"_s);
    QCOMPARE(m_backend.activeLayout(), Greek);
    QCOMPARE(m_host->keyboardLabels(), entered);

    if (ending == Ending::ProgramExit) {
        dialog.restoreKeyboard();
        QCOMPARE(m_backend.activeLayout(), UsEnglish);
        QCOMPARE(m_host->keyboardLabel(), QString());
    }
    end(dialog, ending);
    QTRY_COMPARE(m_backend.activeLayout(), UsEnglish);
    QCOMPARE(m_host->keyboardLabel(), QString());
    // The layout is put back once, and nothing else is switched.
    QCOMPARE(m_backend.activations(), (QList<qint32>{Greek, UsEnglish}));
    QCOMPARE(m_messages.shown().size(), 0);
}

void TestQuickFind::placedOverMainWindow()
{
    m_mainWindow = std::make_unique<QWidget>();
    QWidget& mainWindow = *m_mainWindow;
    mainWindow.resize(600, 400);
    mainWindow.move(120, 90);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));

    QVERIFY(open(mixedScriptEntries(), &mainWindow));
    const QuickFindDialog& dialog = *m_dialog;
    QCOMPARE(dialog.windowTitle(), u"Quick Find"_s);
    QVERIFY(dialog.isModal());
    const QPoint offset(twipsToPixelsX(50, &mainWindow), twipsToPixelsY(250, &mainWindow));
    QCOMPARE(dialog.pos(), mainWindow.pos() + offset);
    // The box has the focus, with the headword layout named in the status bar.
    QCOMPARE(m_backend.activeLayout(), Greek);
    QCOMPARE(m_host->keyboardLabel(), keyboardName(Greek));
}

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    TestQuickFind test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestQuickFind.moc"
