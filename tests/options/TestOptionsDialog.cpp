#include "options/OptionsDialog.h"
#include "options/VocOptions.h"
#include "shell/SettingsStore.h"
#include "store/VocabInfo.h"
#include "support/FakeFileDialogService.h"
#include "support/FakeHelpService.h"
#include "support/FakeKeyboardBackend.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startupVocabulary_data();
    void startupVocabulary();
    void otherValues_data();
    void otherValues();

private:
    void open();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    VocabInfo m_defaults;
    VocabInfo m_current{u"/home/me/current.lxm"_s};
    FakeFileDialogService m_files;
    FakeHelpService m_help;
    FakeKeyboardBackend m_backend{{0x0409, 0x0405}, 0x0409};
    QList<OptionsDialog::Applied> m_applied;
    std::unique_ptr<OptionsDialog> m_dialog;
};

void TestOptionsDialog::init()
{
    m_dialog.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<SettingsStore>(m_dir->filePath(u"settings.conf"_s));
    m_defaults = VocabInfo{};
    m_applied.clear();
}

void TestOptionsDialog::open()
{
    m_dialog = std::make_unique<OptionsDialog>(OptionsDialog::Context{
        *m_settings, m_defaults, m_current, m_files, m_help, m_backend,
        [this](const OptionsDialog::Applied& applied) { m_applied << applied; }});
    m_dialog->show();
}

void TestOptionsDialog::startupVocabulary_data()
{
    QTest::addColumn<QString>("control"); // clicked, or typed into when a text box
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written"); // "StartUpOpen"
    QTest::addColumn<QString>("path");    // "StartupDB" afterwards; %1: the current folder

    // The path is written only with "This Vocabulary" (2).
    QTest::newRow("last open leaves the path")
        << u"optSDLast"_s << QString() << u"1"_s << u"/old.lxm"_s;
    QTest::newRow("current vocabulary")
        << u"cmdMakeCurrentDefault"_s << QString() << u"2"_s << u"/home/me/current.lxm"_s;
    // A typed path names the same file wherever the program starts next time.
    QTest::newRow("typed relative")
        << u"txtStartupDB"_s << u"./x/..//words.lxm"_s << u"2"_s << u"%1/words.lxm"_s;
}

void TestOptionsDialog::startupVocabulary()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, path);
    if (path.contains(u"%1"_s))
        path = path.arg(QDir::currentPath());

    m_settings->setText(SettingsKey::StartUpOpen, u"0"_s);
    m_settings->setText(SettingsKey::StartupDB, u"/old.lxm"_s);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    if (auto* text = m_dialog->findChild<QLineEdit*>(control)) {
        text->setFocus(Qt::MouseFocusReason);
        text->setText(typed);
    } else
        m_dialog->findChild<QAbstractButton*>(control)->click();
    m_dialog->findChild<QPushButton*>(u"cmdOK"_s)->click();
    QCOMPARE(m_settings->text(SettingsKey::StartUpOpen), written);
    QCOMPARE(m_settings->text(SettingsKey::StartupDB), path);
    QCOMPARE(m_applied.value(0).startUpOpen, written.toShort());
}

void TestOptionsDialog::otherValues_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestOptionsDialog::otherValues()
{
    QFETCH(bool, accepted);
    m_defaults.flags = vocabflags::CaseSensitive;
    open();
    // Stored: "Cursor keys move" alone.
    m_dialog->findChild<QCheckBox*>(u"chkEF2Enter"_s)->click();
    m_dialog->findChild<QCheckBox*>(u"chkEFMove"_s)->click();
    m_dialog->findChild<QCheckBox*>(u"chkWarnDoubles"_s)->click();
    // As the keyboard selection dialog would set it.
    m_dialog->findChild<VocOptions*>(u"VocOpts"_s)->setKeybHead(0x0405);
    m_dialog->findChild<QPushButton*>(accepted ? u"cmdOK"_s : u"cmdCancel"_s)->click();

    // OK changes the running program's values as well as the store; Cancel changes neither.
    QCOMPARE(m_settings->text(SettingsKey::EntryForm), accepted ? u"2"_s : u"1"_s);
    QCOMPARE(m_applied.value(0).entryForm, accepted ? 2 : 0);
    QCOMPARE(m_defaults.flags, accepted ? 3 : 1);
    QCOMPARE(m_defaults.keybHead, accepted ? 0x0405 : KeybCurrent);
    QCOMPARE(m_settings->text(SettingsKey::UserFlags), accepted ? u"3"_s : u"2"_s);
    QCOMPARE(m_settings->text(SettingsKey::UserKeybH), accepted ? u"1029"_s : u"32767"_s);
}

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
