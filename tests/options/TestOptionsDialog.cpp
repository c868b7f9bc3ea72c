#include "app/SettingsStore.h"
#include "options/OptionsDialog.h"
#include "options/VocOptions.h"
#include "store/VocabInfo.h"
#include "support/FakeFileDialogService.h"
#include "support/FakeHelpService.h"
#include "support/FakeKeyboardBackend.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    void browseKeepsTheTextWhenCancelled();

private:
    void open();
    template <typename Widget>
    Widget* child(const QString& name) const
    {
        auto* found = m_dialog->findChild<Widget*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void ok() { child<QPushButton>(u"cmdOK"_s)->click(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    VocabInfo m_defaults;
    VocabInfo m_current;
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
    m_current.path = u"/home/me/current.lxm"_s;
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
    QTest::addColumn<QString>("written"); // "StartUpOpen"
    QTest::addColumn<QString>("path");    // "StartupDB" afterwards

    QTest::newRow("last open leaves the path")
        << u"2"_s << u"optSDLast"_s << u"1"_s << u"/old.lxm"_s;
    QTest::newRow("this with an empty text") << u"0"_s << u"optSDThis"_s << u"2"_s << QString();
    QTest::newRow("focusing the text") << u"0"_s << u"txtStartupDB"_s << u"2"_s << QString();
    QTest::newRow("unknown value") << u"5"_s << QString() << u"2"_s << QString();
    QTest::newRow("current vocabulary")
        << u"1"_s << u"cmdMakeCurrentDefault"_s << u"2"_s << u"/home/me/current.lxm"_s;
}

void TestOptionsDialog::startupVocabulary()
{
    QFETCH(QString, stored);
    QFETCH(QString, control);
    QFETCH(QString, written);
    QFETCH(QString, path);

    m_settings->setText(SettingsKey::StartUpOpen, stored);
    m_settings->setText(SettingsKey::StartupDB, u"/old.lxm"_s);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    const QStringList options{u"optSDBlank"_s, u"optSDLast"_s, u"optSDThis"_s};
    QCOMPARE(child<QLineEdit>(u"txtStartupDB"_s)->text(),
             stored == u"2"_s ? u"/old.lxm"_s : QString());
    for (int i = 0; i < options.size(); ++i)
        QCOMPARE(child<QRadioButton>(options.at(i))->isChecked(), stored == QString::number(i));

    if (auto* text = qobject_cast<QLineEdit*>(m_dialog->findChild<QWidget*>(control)))
        text->setFocus(Qt::MouseFocusReason);
    else if (!control.isEmpty())
        child<QAbstractButton>(control)->click();
    ok();
    QCOMPARE(m_settings->text(SettingsKey::StartUpOpen), written);
    QCOMPARE(m_settings->text(SettingsKey::StartupDB), path);
    QCOMPARE(m_applied.size(), 1);
    QCOMPARE(m_applied.first().startUpOpen, written.toShort());
}

void TestOptionsDialog::otherValues_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("move");         // chkEFMove at OK
    QTest::addColumn<QString>("entryForm"); // written
    QTest::newRow("OK, both entry-form boxes") << u"cmdOK"_s << true << u"3"_s;
    QTest::newRow("OK, only Enter twice") << u"cmdOK"_s << false << u"2"_s;
    QTest::newRow("Cancel") << u"cmdCancel"_s << true << QString();
}

void TestOptionsDialog::otherValues()
{
    QFETCH(QString, button);
    QFETCH(bool, move);
    QFETCH(QString, entryForm);
    const bool accepted = !entryForm.isEmpty();

    m_settings->setNumber(SettingsKey::StartupForm, 1);
    m_defaults.flags = vocabflags::CaseSensitive;
    m_defaults.keybDef = 0x0409;
    open();
    QVERIFY(child<QRadioButton>(u"optSFAdd"_s)->isChecked());
    QVERIFY(child<QCheckBox>(u"chkEFMove"_s)->isChecked());
    QVERIFY(!child<QCheckBox>(u"chkEF2Enter"_s)->isChecked());
    auto* options = child<VocOptions>(u"VocOpts"_s);
    QCOMPARE(options->flags(), vocabflags::CaseSensitive);
    QCOMPARE(options->keybDef(), 0x0409);

    child<QCheckBox>(u"chkEF2Enter"_s)->click();
    child<QCheckBox>(u"chkEFMove"_s)->setChecked(move);
    child<QCheckBox>(u"chkWarnDoubles"_s)->click();
    // As the keyboard selection dialog would set them.
    options->setKeybHead(0x0405);
    options->setKeybDef(KeybCurrent);
    child<QPushButton>(button)->click();
    QVERIFY(!m_dialog->isVisible());

    // OK changes the running program's values as well as the store; Cancel changes neither.
    QCOMPARE(m_settings->text(SettingsKey::EntryForm), accepted ? entryForm : u"1"_s);
    QCOMPARE(m_applied.size(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(QString::number(m_applied.first().entryForm), entryForm);
    QCOMPARE(m_settings->text(SettingsKey::StartupForm), u"1"_s);
    QCOMPARE(m_defaults.flags, accepted ? 3 : 1);
    QCOMPARE(m_defaults.keybHead, accepted ? 0x0405 : KeybCurrent);
    QCOMPARE(m_defaults.keybDef, accepted ? KeybCurrent : 0x0409);
    QCOMPARE(m_settings->text(SettingsKey::UserFlags), accepted ? u"3"_s : u"2"_s);
    QCOMPARE(m_settings->text(SettingsKey::UserKeybH), accepted ? u"1029"_s : u"32767"_s);
    QCOMPARE(m_settings->contains(SettingsKey::UserKeybD), accepted);
}

void TestOptionsDialog::browseKeepsTheTextWhenCancelled()
{
    m_settings->setNumber(SettingsKey::StartUpOpen, 0);
    m_files.expect(u"/data/chosen.lxm"_s);
    m_files.expect(std::nullopt);
    open();
    child<QPushButton>(u"cmdBrowse"_s)->click();
    QVERIFY(child<QRadioButton>(u"optSDThis"_s)->isChecked());
    child<QRadioButton>(u"optSDBlank"_s)->click();
    child<QPushButton>(u"cmdBrowse"_s)->click();
    QCOMPARE(child<QLineEdit>(u"txtStartupDB"_s)->text(), u"/data/chosen.lxm"_s);
    QVERIFY(child<QRadioButton>(u"optSDBlank"_s)->isChecked());

    const FileDialogRequest& request = m_files.openRequests().first();
    QCOMPARE(request.title, u"Select Startup Database"_s);
    QVERIFY(request.filters.join(u' ').contains(u"*.lxm"_s));
    QVERIFY(request.filters.join(u' ').contains(u"*.mdb"_s));
}

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
