#include "support/FakeHelpService.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/FakeSoundService.h"
#include "support/ModalWindow.h"
#include "support/StoreFixture.h"
#include "support/TestVocabularyHost.h"

#include "shell/SettingsStore.h"
#include "entries/EntryForms.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "store/SqlQuery.h"
#include "testing/TestWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 UsEnglish = 0x04090409; // the user's own layout
constexpr qint32 German = 0x04070407;
const QStringList Modes{u"All"_s, u"Never Tested"_s, u"Last Answer Wrong"_s};

/// Answers the modal windows that a test opens: OK (or mistakeButton) in the mistake dialog, OK
/// in the result dialog, Close in the entry form; records each as "mistake <headword>", "result
/// <correct>/<tested>" or "edit <headword>".
struct ModalAnswerer {
    QStringList seen;
    QString mistakeButton = u"cmdOK"_s;
    ModalWatch watch{[this](QWidget* modal) { answer(modal); }};

    void answer(QWidget* modal)
    {
        const QString name = modal->objectName();
        const auto text = [modal](const QString& child) {
            auto* edit = modal->findChild<QLineEdit*>(child);
            return edit ? edit->text() : modal->findChild<QLabel*>(child)->text();
        };
        if (name == u"frmMistake"_s)
            seen.append(u"mistake "_s + text(u"txtCorrect"_s));
        else if (name == u"frmResult"_s)
            seen.append(u"result "_s + text(u"lblCorrect"_s) + u'/' + text(u"lblTested"_s));
        else if (name == u"frmAdd"_s)
            seen.append(u"edit "_s + text(u"txtHead"_s));
        else
            return;
        const QString button = name == u"frmAdd"_s ? u"cmdClose"_s
            : name == u"frmMistake"_s              ? mistakeButton
                                                   : u"cmdOK"_s;
        auto* push = modal->findChild<QPushButton*>(button);
        // Edit runs the entry form's own modal loop, in which this watch must answer again.
        if (button == u"cmdEdit"_s)
            QTimer::singleShot(0, push, &QPushButton::click);
        else
            push->click();
    }
};

} // namespace

class TestTestWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void judging_data();
    void judging();
    void onlyAnswersChangeStatistics();
    void resultsOncePerRun_data();
    void resultsOncePerRun();
    void unsavedAnswerIsReportedOverTheWindow();
    void headwordLayoutWhileOpen();

private:
    void makeVocabulary(const QStringList& entries, qint32 flags = 0);
    TestWindow* open(const QString& mode = u"All"_s);
    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }
    QString text(const QString& label) const { return control<QLabel>(label)->text(); }
    void answer(const QString& text);
    QString statistics(const QString& headword) const
    {
        return entryStatistics(*m_host->sources().database(), headword);
    }

    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<TestVocabularyHost> m_host;
    FakeMessageService m_messages;
    FakeHelpService m_help;
    FakeSoundService m_sound;
    TestClock m_clock{QDate(2026, 4, 1)};
    std::unique_ptr<FakeKeyboardBackend> m_backend;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    std::unique_ptr<KeyboardFocus> m_keyboards;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<EntryForms> m_entryForms;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<ModalAnswerer> m_modals;
    QPointer<TestWindow> m_window;
};

void TestTestWindow::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_backend = std::make_unique<FakeKeyboardBackend>(QList<qint32>{UsEnglish, German}, UsEnglish);
    m_switcher = std::make_unique<KeyboardSwitcher>(*m_backend, m_messages);
    m_keyboards = std::make_unique<KeyboardFocus>(*m_switcher);
    m_settings = std::make_unique<SettingsStore>(m_fixture->dir() + u"/settings.conf"_s);
    m_main = std::make_unique<QWidget>();
    m_modals = std::make_unique<ModalAnswerer>();
}

void TestTestWindow::cleanup()
{
    delete m_window;
    m_entryForms.reset();
    m_host.reset();
    QVERIFY(m_messages.allAnswersUsed());
    m_messages.clear();
}

void TestTestWindow::makeVocabulary(const QStringList& entries, qint32 flags)
{
    QCOMPARE(m_fixture->addEntries(entries).size(), entries.size());
    m_host = std::make_unique<TestVocabularyHost>(
        VocabInfo{m_fixture->path(), 50, 0, German, KeybCurrent, flags});
    QVERIFY(m_host->isAttached());
    m_entryForms =
        std::make_unique<EntryForms>(*m_host, m_messages, *m_keyboards, m_clock, 0, m_main.get());
}

TestWindow* TestTestWindow::open(const QString& mode)
{
    m_window = new TestWindow(*m_host, *m_entryForms, m_messages, *m_keyboards, m_clock,
                              *m_settings, m_help, m_sound, Modes, mode, m_main.get());
    m_window->show();
    return QTest::qWaitForWindowActive(m_window) ? m_window.data() : nullptr;
}

void TestTestWindow::answer(const QString& text)
{
    control<QLineEdit>(u"txtGuess"_s)->setText(text);
    control<QPushButton>(u"cmdOK"_s)->click();
}

void TestTestWindow::judging_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    QTest::newRow("trailing blank, case significant")
        << u"Haus"_s << qint32(vocabflags::CaseSensitive) << u"Haus "_s << false;
    QTest::newRow("empty answer") << u"Haus"_s << 0 << QString() << false;
    QTest::newRow("accents left out where they may be")
        << u"crème brûlée"_s << qint32(vocabflags::AccentsOptional) << u"creme brulee"_s << true;
}

void TestTestWindow::judging()
{
    QFETCH(QString, headword);
    QFETCH(qint32, flags);
    QFETCH(QString, typed);
    QFETCH(bool, right);

    makeVocabulary({headword + u"|a word"_s}, flags);
    QVERIFY(open());
    answer(typed);
    // An empty or wrong answer counts as an answer like any other.
    const QStringList seen = right ? QStringList{u"result 1/1"_s}
                                   : QStringList{u"mistake "_s + headword, u"result 0/1"_s};
    QCOMPARE(m_modals->seen, seen);
    QCOMPARE(statistics(headword), right ? u"2026-04-01 1 1 1"_s : u"2026-04-01 1 0 0"_s);
}

void TestTestWindow::onlyAnswersChangeStatistics()
{
    makeVocabulary({u"Haus|house"_s, u"Apfel|apple|fruit"_s, u"Baum|tree"_s});
    QVERIFY(open(u"Never Tested"_s));
    control<QLineEdit>(u"txtGuess"_s)->setText(u"apfel"_s);
    QTest::keyClick(control(u"txtGuess"_s), Qt::Key_Return);
    // The answer takes its entry out of the mode; the run keeps its count.
    QCOMPARE(text(u"lblProgress"_s), u"2 of 3"_s);
    control<QPushButton>(u"cmdSkip"_s)->click();
    control<QPushButton>(u"cmdEdit"_s)->click();
    QCOMPARE(m_modals->seen, (QStringList{u"edit Haus"_s, u"result 1/1"_s}));
    QCOMPARE((QStringList{statistics(u"Apfel"_s), statistics(u"Baum"_s), statistics(u"Haus"_s)}),
             (QStringList{u"2026-04-01 1 1 1"_s, UntestedStatistics, UntestedStatistics}));
    // The run has ended: nothing more can be answered.
    QCOMPARE(text(u"lblProgress"_s), u"No more entries"_s);
    QVERIFY(!control(u"txtGuess"_s)->isEnabled());
}

void TestTestWindow::resultsOncePerRun_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("progress");

    const QString ended = u"No more entries"_s;
    QTest::newRow("Finish in the middle")
        << QStringList{u"x"_s, u"finish"_s} << QStringList{u"mistake Apfel"_s, u"result 0/1"_s}
        << u"2 of 2"_s;
    QTest::newRow("the close box closes without results")
        << QStringList{u"x"_s, u"close"_s} << QStringList{u"mistake Apfel"_s} << u"2 of 2"_s;
    QTest::newRow("a mistake counted as right")
        << QStringList{u"count as right"_s, u"x"_s, u"Baum"_s}
        << QStringList{u"mistake Apfel"_s, u"result 2/2"_s} << ended;
    QTest::newRow("a mistake's entry edited")
        << QStringList{u"edit"_s, u"x"_s} << QStringList{u"mistake Apfel"_s, u"edit Apfel"_s}
        << u"2 of 2"_s;
    QTest::newRow("Restart after the end") << QStringList{u"Apfel"_s, u"Baum"_s, u"restart"_s}
                                           << QStringList{u"result 2/2"_s} << u"1 of 2"_s;
    QTest::newRow("new mode counts from zero")
        << QStringList{u"x"_s, u"mode 2"_s, u"Apfel"_s}
        << QStringList{u"mistake Apfel"_s, u"result 0/1"_s, u"result 1/1"_s} << ended;
}

void TestTestWindow::resultsOncePerRun()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, seen);
    QFETCH(QString, progress);

    makeVocabulary({u"Apfel|apple"_s, u"Baum|tree"_s});
    QVERIFY(open());
    for (const QString& action : std::as_const(actions)) {
        if (action == u"finish"_s || action == u"restart"_s) {
            auto* button = control<QPushButton>(u"cmd"_s + action.at(0).toUpper() + action.mid(1));
            QVERIFY(button->isVisible() && button->isEnabled());
            button->click();
        } else if (action == u"close"_s) {
            m_window->close();
        } else if (action == u"count as right"_s || action == u"edit"_s) {
            m_modals->mistakeButton = action == u"edit"_s ? u"cmdEdit"_s : u"cmdCountAsCorrect"_s;
        } else if (action.startsWith(u"mode "_s)) {
            const int index = action.mid(5).toInt();
            control<QComboBox>(u"cmbMode"_s)->setCurrentIndex(index);
            emit control<QComboBox>(u"cmbMode"_s)->activated(index);
        } else {
            answer(action);
        }
    }
    QCOMPARE(m_modals->seen, seen);
    QCOMPARE(text(u"lblProgress"_s), progress);
    const bool closed = actions.contains(u"finish"_s) || actions.contains(u"close"_s);
    QCOMPARE(m_window->isVisible(), !closed);
}

void TestTestWindow::unsavedAnswerIsReportedOverTheWindow()
{
    makeVocabulary({u"Apfel|apple"_s, u"Baum|tree"_s});
    QVERIFY(open());
    QVERIFY(SqlQuery(*m_host->sources().database(), u"PRAGMA query_only = ON"_s).exec());
    answer(u"Apfel"_s);
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().constFirst().window, static_cast<QObject*>(m_window.data()));
    // The run goes on with the answer counted; the file keeps what it held.
    QCOMPARE(text(u"lblProgress"_s), u"2 of 2"_s);
    QCOMPARE(statistics(u"Apfel"_s), UntestedStatistics);
}

void TestTestWindow::headwordLayoutWhileOpen()
{
    makeVocabulary({u"Apfel|apple"_s});
    QVERIFY(open());
    QTRY_COMPARE(m_backend->activeLayout(), German);
    m_window->close();
    QTRY_COMPARE(m_backend->activeLayout(), UsEnglish);
}

QTEST_MAIN(TestTestWindow)
#include "TestTestWindow.moc"
