#include "options/PropertiesDialog.h"
#include "store/Database.h"
#include "store/VocabularyFile.h"
#include "support/FakeHelpService.h"
#include "support/FakeKeyboardBackend.h"
#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestPropertiesDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { QVERIFY(m_messages.allAnswersUsed()); }
    void loadsTheOpenVocabulary();
    void closing_data();
    void closing();
    void ctrlTabCyclesPagesAndHelpFollows();

private:
    std::unique_ptr<PropertiesDialog> make(const QStringList& modes = {u"All"_s});
    qint32 storedFlags();

    QTemporaryDir m_dir;
    VocabInfo m_current;
    Database m_db;
    FakeMessageService m_messages;
    FakeHelpService m_help;
    FakeKeyboardBackend m_backend{{0x0409, 0x0405}, 0x0409};
};

void TestPropertiesDialog::init()
{
    m_db.close();
    m_messages.clear();
    m_help.clear();
    m_current = VocabInfo{};
    m_current.path = makeVocabulary(m_dir.path(), u"spa-eng.lxm"_s, {u"uno|one"_s, u"dos|two"_s});
    m_current.flags = vocabflags::CaseSensitive | vocabflags::WarnDoubles;
    QVERIFY(vocabularyfile::writeVocabProperties(m_current, m_messages));
    QVERIFY(m_db.open(m_current.path));
}

std::unique_ptr<PropertiesDialog> TestPropertiesDialog::make(const QStringList& modes)
{
    return std::make_unique<PropertiesDialog>(
        PropertiesDialog::Context{
            m_current,
            [this](const QString& mode) { return vocabularyfile::queryRowCount(m_db, mode); },
            modes, m_messages, m_help, m_backend});
}

qint32 TestPropertiesDialog::storedFlags()
{
    VocabInfo stored;
    vocabularyfile::readVocabProperties(m_db, stored, VocabInfo{}, m_messages);
    return stored.flags;
}

void TestPropertiesDialog::loadsTheOpenVocabulary()
{
    const auto dialog =
        make({u"All"_s, u"Never Tested"_s, u"Last Answer Wrong"_s, u"Due for Review\" --"_s});
    QCOMPARE(dialog->windowTitle(), u"Properties of Spa-Eng"_s);
    QCOMPARE(dialog->findChild<QCheckBox*>(u"chkCaseSensitive"_s)->checkState(), Qt::Checked);
    QCOMPARE(dialog->findChild<QCheckBox*>(u"chkWarnDoubles"_s)->checkState(), Qt::Checked);

    // A query that cannot be run shows no number: here a name that no saved query has, though
    // quoted carelessly it would count "Due for Review".
    dialog->findChild<QTabWidget*>(u"tbsOptions"_s)->setCurrentIndex(1);
    const auto* list = dialog->findChild<QTreeWidget*>(u"TestModes"_s);
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0) + u'=' + list->topLevelItem(i)->text(1);
    QCOMPARE(rows, (QStringList{u"All=2"_s, u"Never Tested=2"_s, u"Last Answer Wrong=0"_s,
                                u"Due for Review\" --=\u2014"_s}));
}

void TestPropertiesDialog::closing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("otherOpened");
    QTest::addColumn<qint32>("flags"); // in the dialog's file afterwards

    QTest::newRow("OK stores") << u"cmdOK"_s << false << qint32(vocabflags::WarnDoubles);
    QTest::newRow("Cancel discards") << u"cmdCancel"_s << false << qint32(3);
    QTest::newRow("another open at OK") << u"cmdOK"_s << true << qint32(vocabflags::WarnDoubles);
}

void TestPropertiesDialog::closing()
{
    QFETCH(QString, button);
    QFETCH(bool, otherOpened);
    QFETCH(qint32, flags);

    const auto dialog = make();
    dialog->show();
    dialog->findChild<QCheckBox*>(u"chkCaseSensitive"_s)->click();
    // The main window opens another vocabulary while the dialog stays open: that one's
    // options must not become those shown for the first.
    if (otherOpened) {
        m_current = VocabInfo{makeVocabulary(m_dir.path(), u"other.lxm"_s, {u"tres|three"_s}),
                              0, 0, KeybCurrent, KeybCurrent, vocabflags::CaseSensitive};
    }
    dialog->findChild<QPushButton*>(button)->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_current.flags, otherOpened ? vocabflags::CaseSensitive : flags);
    QCOMPARE(storedFlags(), flags);
    QVERIFY(m_messages.shown().isEmpty());
}

void TestPropertiesDialog::ctrlTabCyclesPagesAndHelpFollows()
{
    const auto dialog = make();
    dialog->show();
    auto* tabs = dialog->findChild<QTabWidget*>(u"tbsOptions"_s);
    auto* help = dialog->findChild<QPushButton*>(u"cmdHelp"_s);
    QList<int> pages;
    // Sent to a button outside the tab strip: the dialog, not the tab widget, turns the page.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(help, Qt::Key_Tab, Qt::ControlModifier);
        pages << tabs->currentIndex();
        help->click();
    }
    QCOMPARE(pages, (QList<int>{1, 0, 1}));
    QCOMPARE(m_help.shownContexts(), (QList<int>{56, 60, 56}));

    // The tab widget's own Ctrl+Shift+Tab would go back a page.
    for (const Qt::Key key : {Qt::Key_Backtab, Qt::Key_Tab}) {
        QTest::keyClick(tabs, key, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 1);
    }
}

QTEST_MAIN(TestPropertiesDialog)
#include "TestPropertiesDialog.moc"
