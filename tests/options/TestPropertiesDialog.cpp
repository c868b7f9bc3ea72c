#include "options/PropertiesDialog.h"
#include "options/VocOptions.h"
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

namespace {

constexpr qint32 UsEnglish = 0x04090409;
constexpr qint32 Czech = 0x04050405;
constexpr qint32 Russian = 0x04190419;

QList<qint32> options(const VocabInfo& info)
{
    return {info.flags, info.keybHead, info.keybDef};
}

} // namespace

class TestPropertiesDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { QVERIFY(m_messages.shown().isEmpty()); }
    void countsTheTestModes();
    void closing_data();
    void closing();

private:
    std::unique_ptr<PropertiesDialog> make(const QStringList& modes = {u"All"_s});

    QTemporaryDir m_dir;
    VocabInfo m_current;
    Database m_db;
    FakeMessageService m_messages;
    FakeHelpService m_help;
    FakeKeyboardBackend m_backend{{UsEnglish, Czech, Russian}, UsEnglish};
};

void TestPropertiesDialog::init()
{
    m_db.close();
    m_messages.clear();
    const QString path =
        makeVocabulary(m_dir.path(), u"spa-eng.lxm"_s, {u"uno|one"_s, u"dos|two"_s});
    m_current = VocabInfo{path, 0, 0, Czech, Russian, 3}; // case sensitive, warn of doubles
    QVERIFY(vocabularyfile::writeVocabProperties(m_current, m_messages));
    QVERIFY(m_db.open(m_current.path));
}

std::unique_ptr<PropertiesDialog> TestPropertiesDialog::make(const QStringList& modes)
{
    return std::make_unique<PropertiesDialog>(PropertiesDialog::Context{
        m_current,
        [this](const QString& mode) {
            return vocabularyfile::queryRowCount(m_db, mode, m_messages);
        },
        [this] { return readScheduleCounts(m_db, QDate(2026, 3, 14)); },
        [](const VocabInfo& options, MessageService& messages) {
            return vocabularyfile::writeVocabProperties(options, messages);
        },
        modes, m_messages, m_help, m_backend});
}

void TestPropertiesDialog::countsTheTestModes()
{
    // A query that cannot be run shows no number: here a name that no saved query has, though
    // quoted carelessly it would count "Due for Review".
    const auto dialog = make({u"All"_s, u"Due for Review\" --"_s});
    dialog->findChild<QTabWidget*>(u"tbsOptions"_s)->setCurrentIndex(1);
    const auto* list = dialog->findChild<QTreeWidget*>(u"TestModes"_s);
    QCOMPARE(list->topLevelItem(0)->text(1), u"2"_s);
    QCOMPARE(list->topLevelItem(1)->text(1), u"\u2014"_s);
}

void TestPropertiesDialog::closing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("otherOpened");

    QTest::newRow("OK stores") << u"cmdOK"_s << false;
    QTest::newRow("Cancel discards") << u"cmdCancel"_s << false;
    QTest::newRow("another open at OK") << u"cmdOK"_s << true;
}

void TestPropertiesDialog::closing()
{
    QFETCH(QString, button);
    QFETCH(bool, otherOpened);

    const auto dialog = make();
    dialog->show();
    dialog->findChild<QCheckBox*>(u"chkCaseSensitive"_s)->click();
    dialog->findChild<QCheckBox*>(u"chkAccentsOptional"_s)->click();

    // As the keyboard selection dialog would set them.
    auto* panel = dialog->findChild<VocOptions*>(u"VocOpts"_s);
    panel->setKeybHead(Russian);
    panel->setKeybDef(UsEnglish);

    // The main window opens another vocabulary while the dialog stays open: that one's
    // options must not become those shown for the first.
    const VocabInfo other{makeVocabulary(m_dir.path(), u"other.lxm"_s, {u"tres|three"_s})};
    if (otherOpened)
        m_current = other;
    dialog->findChild<QPushButton*>(button)->click();

    const bool accepted = button == u"cmdOK";
    const QList<qint32> expected{accepted ? vocabflags::WarnDoubles | vocabflags::AccentsOptional
                                          : 3,
                                 accepted ? Russian : Czech, accepted ? UsEnglish : Russian};
    VocabInfo stored;
    vocabularyfile::readVocabProperties(m_db, stored, VocabInfo{}, m_messages);
    QCOMPARE(options(stored), expected);
    QCOMPARE(options(m_current), otherOpened ? options(other) : expected);
}

QTEST_MAIN(TestPropertiesDialog)
#include "TestPropertiesDialog.moc"
