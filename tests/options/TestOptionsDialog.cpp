#include "shell/SettingsStore.h"
#include "options/OptionsDialog.h"
#include "options/VocOptions.h"
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
    void cleanup() { QVERIFY(m_files.allResultsUsed()); }
    void startupVocabulary_data();
    void startupVocabulary();
    void otherValues_data();
    void otherValues();

private:
    void open();
    template <typename Widget>
    Widget* child(const QString& name) const
    {
        return m_dialog->findChild<Widget*>(name);
    }

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
    QTest::addColumn<QString>("stored");  // "StartUpOpen"
    QTest::addColumn<QString>("control"); // clicked, or focused when a text box
    QTest::addColumn<QString>("typed");   // into the focused text box
    QTest::addColumn<QString>("written"); // "StartUpOpen"
    QTest::addColumn<QString>("path");    // "StartupDB" afterwards; %1: the current folder

    // The path is loaded and written only with "This Vocabulary" (2).
    QTest::newRow("last open leaves the path")
        << u"2"_s << u"optSDLast"_s << QString() << u"1"_s << u"/old.lxm"_s;
    QTest::newRow("current vocabulary")
        << u"1"_s << u"cmdMakeCurrentDefault"_s << QString() << u"2"_s << u"/home/me/current.lxm"_s;
    QTest::newRow("browse") << u"0"_s << u"cmdBrowse"_s << QString() << u"2"_s
                            << u"/data/chosen.lxm"_s;
    // A typed path names the same file wherever the program starts next time.
    QTest::newRow("typed relative")
        << u"0"_s << u"txtStartupDB"_s << u"./x/..//words.lxm"_s << u"2"_s << u"%1/words.lxm"_s;
}

void TestOptionsDialog::startupVocabulary()
{
    QFETCH(QString, stored);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, path);
    if (path.contains(u"%1"_s))
        path = path.arg(QDir::currentPath());

    m_settings->setText(SettingsKey::StartUpOpen, stored);
    m_settings->setText(SettingsKey::StartupDB, u"/old.lxm"_s);
    if (control == u"cmdBrowse")
        m_files.expect(path);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));

    if (auto* text = qobject_cast<QLineEdit*>(m_dialog->findChild<QWidget*>(control))) {
        text->setFocus(Qt::MouseFocusReason);
        text->setText(typed);
    } else if (!control.isEmpty())
        child<QAbstractButton>(control)->click();
    child<QPushButton>(u"cmdOK"_s)->click();
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
    m_defaults.keybDef = 0x0409;
    open();
    // Stored: "Cursor keys move" alone.
    child<QCheckBox>(u"chkEF2Enter"_s)->click();
    child<QCheckBox>(u"chkEFMove"_s)->click();
    child<QCheckBox>(u"chkWarnDoubles"_s)->click();
    auto* options = child<VocOptions>(u"VocOpts"_s);
    // As the keyboard selection dialog would set them.
    options->setKeybHead(0x0405);
    options->setKeybDef(KeybCurrent);
    child<QPushButton>(accepted ? u"cmdOK"_s : u"cmdCancel"_s)->click();

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
