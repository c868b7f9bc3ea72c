#include "support/StoreFixture.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"

#include "app/VocabGrid.h"
#include "app/VocabularyModel.h"
#include "keyboards/KeyboardCatalogue.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "store/VocabInfo.h"
#include "store/VocabularySources.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 UsEnglish = 0x04090409; // the user's own layout
constexpr qint32 German = 0x04070407;
constexpr qint32 Czech = 0x04050405;
constexpr qint32 Russian = 0x04190419; // not installed

// In dictionary order: Abend (row 0), ábaco (rows 1-2), zapato (row 3), Zürich (rows 4-5).
const QStringList Entries{u"zapato|shoe"_s, u"ábaco|abacus|counting frame"_s, u"Abend|evening"_s,
                          u"Zürich|a city|in Switzerland"_s};

} // namespace

class TestVocabGrid : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void positionFollowsTheSource();
    void refusedEditKeepsTheTypedText_data();
    void refusedEditKeepsTheTypedText();
    void editorCountsCharacters();
    void headwordEditKeepsTheEntryCurrent();
    void keyboardFollowsTheColumn_data();
    void keyboardFollowsTheColumn();
    void largeVocabularyReadsOnlyWhatItShows();

private:
    QLineEdit* openEditor(int row, int column);

    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<VocabularySources> m_sources;
    FakeMessageService m_messages;
    std::unique_ptr<FakeKeyboardBackend> m_backend;
    std::unique_ptr<KeyboardSwitcher> m_switcher;
    std::unique_ptr<KeyboardFocus> m_keyboards;
    VocabInfo m_vocab;
    std::unique_ptr<VocabularyModel> m_model;
    std::unique_ptr<QWidget> m_window;
    VocabGrid* m_grid = nullptr;
    QLineEdit* m_other = nullptr;
};

void TestVocabGrid::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QCOMPARE(m_fixture->addEntries(Entries).size(), Entries.size());
    m_sources = std::make_unique<VocabularySources>();
    QVERIFY(m_sources->attach(m_fixture->path()));
    m_backend =
        std::make_unique<FakeKeyboardBackend>(QList<qint32>{UsEnglish, German, Czech}, UsEnglish);
    m_switcher = std::make_unique<KeyboardSwitcher>(*m_backend, m_messages);
    m_keyboards = std::make_unique<KeyboardFocus>(*m_switcher);
    m_vocab = VocabInfo{m_fixture->path(), 50, 0, German, Czech};
    m_model = std::make_unique<VocabularyModel>(m_sources->vocabulary(), m_messages);

    // The sheet above a field of its own that takes the focus away from it.
    m_window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid = new VocabGrid(*m_model, *m_keyboards, m_vocab));
    layout->addWidget(m_other = new QLineEdit);
    m_other->setFocus();
    m_window->resize(600, 300);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QVERIFY(m_grid->dataRefresh());
}

void TestVocabGrid::cleanup()
{
    m_window.reset();
    m_keyboards.reset();
    QVERIFY(m_messages.allAnswersUsed());
    m_messages.clear();
}

QLineEdit* TestVocabGrid::openEditor(int row, int column)
{
    m_grid->setFocus();
    m_grid->setCurrentIndex(m_model->index(row, column));
    QTest::keyClick(m_grid, Qt::Key_F2);
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

void TestVocabGrid::positionFollowsTheSource()
{
    DataSource& vocabulary = m_sources->vocabulary();
    QVERIFY(vocabulary.findFirst(u"Headword = \"zapato\""_s));
    m_grid->showSourceCurrent();
    QCOMPARE(m_grid->currentPosition(), 3);
    QCOMPARE(m_grid->currentEntryId(), vocabulary.value(u"ID"_s).toLongLong());

    // Moving in the sheet moves the source, so that the next find starts from there.
    m_grid->setFocus();
    QTest::keyClick(m_grid, Qt::Key_Down);
    QVERIFY(vocabulary.findNext(u"Headword LIKE \"z*\""_s));
    QCOMPARE(vocabulary.value(u"Definition"_s).toString(), u"in Switzerland"_s);
}

void TestVocabGrid::refusedEditKeepsTheTypedText_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leavingKey");
    QTest::addColumn<QString>("message");

    QTest::newRow("blank headword, Enter")
        << 0 << u" \u00a0 "_s << int(Qt::Key_Return) << u"A headword cannot be empty."_s;
    QTest::newRow("blank definition, Down")
        << 1 << u"  "_s << int(Qt::Key_Down) << u"A definition line cannot be empty."_s;
}

void TestVocabGrid::refusedEditKeepsTheTypedText()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, leavingKey);
    QFETCH(QString, message);
    const QByteArray before = fileBytes(m_fixture->path());
    const QModelIndex cell = m_model->index(3, column);

    QLineEdit* editor = openEditor(3, column);
    editor->clear();
    editor->insert(typed);
    QTest::keyClick(editor, Qt::Key(leavingKey));
    QTRY_COMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().text, message);
    QCOMPARE(fileBytes(m_fixture->path()), before);

    // The sheet stays on the cell with what the user typed, ready to be corrected.
    QTRY_VERIFY(m_grid->isEditing());
    QCOMPARE(m_grid->currentIndex(), cell);
    QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), typed);
}

void TestVocabGrid::editorCountsCharacters()
{
    const int limit = 50;
    const QString emoji = u"\U0001F600"_s;
    QLineEdit* editor = openEditor(3, 0);
    editor->selectAll();
    editor->insert(emoji.repeated(limit + 9)); // as a paste does
    QCOMPARE(editor->text(), emoji.repeated(limit));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!m_grid->isEditing());
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(m_grid->currentIndex().data().toString(), emoji.repeated(limit));
}

void TestVocabGrid::headwordEditKeepsTheEntryCurrent()
{
    const QSignalSpy labels(m_keyboards.get(), &KeyboardFocus::labelChanged);
    QLineEdit* editor = openEditor(3, 0); // zapato
    const qint64 id = m_grid->currentEntryId();
    editor->selectAll();
    QTest::keyClicks(editor, u"Aardvark"_s);
    QTest::keyClick(editor, Qt::Key_Return);

    QTRY_VERIFY(!m_grid->isEditing());
    QVERIFY(m_grid->hasFocus());
    QCOMPARE(m_grid->currentPosition(), 0);
    QCOMPARE(m_grid->currentEntryId(), id);
    QCOMPARE(m_sources->vocabulary().absolutePosition(), 0);
    // The focus never left the sheet: the headword layout stayed on throughout.
    QCOMPARE(m_backend->activeLayout(), German);
    QVERIFY(!labels.contains(QVariantList{QString()}));
}

void TestVocabGrid::keyboardFollowsTheColumn_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<qint32>("head");
    QTest::addColumn<qint32>("def");
    QTest::addColumn<qint32>("activeInHead");
    QTest::addColumn<qint32>("activeInDef");

    QTest::newRow("two layouts") << true << German << Czech << German << Czech;
    QTest::newRow("headword layout not installed")
        << true << Russian << Czech << UsEnglish << Czech;
    QTest::newRow("nothing open") << false << German << Czech << UsEnglish << UsEnglish;
}

void TestVocabGrid::keyboardFollowsTheColumn()
{
    QFETCH(bool, open);
    QFETCH(qint32, head);
    QFETCH(qint32, def);
    QFETCH(qint32, activeInHead);
    QFETCH(qint32, activeInDef);
    m_vocab = VocabInfo{open ? m_fixture->path() : QString(), 50, 0, head, def};
    m_grid->setCurrentIndex(m_model->index(1, 0));
    QSignalSpy labels(m_keyboards.get(), &KeyboardFocus::labelChanged);
    // What is active and named in the status bar after each step.
    const auto expect = [&](qint32 active, const QString& label) {
        QCOMPARE(m_backend->activeLayout(), active);
        QCOMPARE(labels.last().first().toString(), label);
    };

    m_grid->setFocus();
    expect(activeInHead, keyboardName(open ? head : KeybCurrent));
    QTest::keyClick(m_grid, Qt::Key_Right);
    expect(activeInDef, keyboardName(open ? def : KeybCurrent));
    // The cell editor is part of the sheet.
    QTest::keyClick(m_grid, Qt::Key_F2);
    QVERIFY(m_grid->isEditing());
    expect(activeInDef, keyboardName(open ? def : KeybCurrent));
    // Tab leaves the sheet, also from the editor: the user's own layout comes back and the
    // status bar panel empties.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(m_other->hasFocus());
    QVERIFY(!m_grid->isEditing());
    expect(UsEnglish, QString());
    // A layout that is not installed is reported, after the focus change that met it.
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.shown().size(), head == Russian ? 1 : 0);
}

void TestVocabGrid::largeVocabularyReadsOnlyWhatItShows()
{
    StoreFixture large;
    QVERIFY(addManyEntries(large.path(), 10000)); // two lines each
    QVERIFY(m_sources->attach(large.path()));
    QVERIFY(m_grid->dataRefresh());
    QCOMPARE(m_model->rowCount(), 20000);
    QTest::qWait(0);
    QVERIFY(m_model->cachedRowCount() <= VocabularyModel::PageSize);

    const auto shownLine = [this] {
        return m_grid->currentIndex().siblingAtColumn(1).data().toString();
    };
    QVERIFY(m_grid->moveToPosition(19999));
    QVERIFY(shownLine().endsWith(u"word9999"_s));
    QCOMPARE(shownLine(), m_sources->vocabulary().value(u"Definition"_s).toString());

    // Scrolling through the whole sheet keeps the memory bounded.
    for (int position = 19999; position >= 0; position -= 100) {
        m_grid->moveToPosition(position);
        QCoreApplication::processEvents();
    }
    QCOMPARE(m_grid->currentPosition(), 99);
    QCOMPARE(shownLine(), m_sources->vocabulary().value(u"Definition"_s).toString());
    QVERIFY(m_model->cachedRowCount()
            <= VocabularyModel::MaxCachedPages * VocabularyModel::PageSize);
}

QTEST_MAIN(TestVocabGrid)

#include "TestVocabGrid.moc"
