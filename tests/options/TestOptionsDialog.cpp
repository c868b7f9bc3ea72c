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
    void closing_data();
    void closing();

private:
    QTemporaryDir m_dir;
    VocabInfo m_current;
    FakeFileDialogService m_files;
    FakeHelpService m_help;
    FakeKeyboardBackend m_backend{{0x0409, 0x0405}, 0x0409};
};

void TestOptionsDialog::closing_data()
{
    QTest::addColumn<QString>("startup"); // clicked, or typed into when a text box
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("written"); // "StartUpOpen"
    QTest::addColumn<QString>("path");    // "StartupDB" afterwards; %1: the current folder

    // A typed path names the same file wherever the program starts next time.
    QTest::newRow("OK, typed relative path")
        << u"txtStartupDB"_s << true << u"2"_s << u"%1/words.lxm"_s;
    // The path is written only with "This Vocabulary" (2).
    QTest::newRow("OK, last open") << u"optSDLast"_s << true << u"1"_s << u"/old.lxm"_s;
    QTest::newRow("Cancel") << u"txtStartupDB"_s << false << u"0"_s << u"/old.lxm"_s;
}

void TestOptionsDialog::closing()
{
    QFETCH(QString, startup);
    QFETCH(bool, accepted);
    QFETCH(QString, written);
    QFETCH(QString, path);
    SettingsStore settings(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
    settings.setText(SettingsKey::StartUpOpen, u"0"_s);
    settings.setText(SettingsKey::StartupDB, u"/old.lxm"_s);
    VocabInfo defaults;
    defaults.flags = vocabflags::CaseSensitive;
    QList<OptionsDialog::Applied> applied;
    const auto record = [&applied](const OptionsDialog::Applied& values) { applied << values; };
    OptionsDialog dialog({settings, defaults, m_current, m_files, m_help, m_backend, record});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    if (auto* text = dialog.findChild<QLineEdit*>(startup)) {
        text->setFocus(Qt::MouseFocusReason);
        text->setText(u"./x/..//words.lxm"_s);
    } else
        dialog.findChild<QAbstractButton*>(startup)->click();
    // Stored: "Cursor keys move" alone.
    dialog.findChild<QCheckBox*>(u"chkEF2Enter"_s)->click();
    dialog.findChild<QCheckBox*>(u"chkEFMove"_s)->click();
    dialog.findChild<QCheckBox*>(u"chkWarnDoubles"_s)->click();
    // As the keyboard selection dialog would set it.
    dialog.findChild<VocOptions*>(u"VocOpts"_s)->setKeybHead(0x0405);
    dialog.findChild<QPushButton*>(accepted ? u"cmdOK"_s : u"cmdCancel"_s)->click();

    // OK changes the running program's values as well as the store; Cancel changes neither.
    QCOMPARE(settings.text(SettingsKey::StartUpOpen), written);
    QCOMPARE(settings.text(SettingsKey::StartupDB), path.replace(u"%1"_s, QDir::currentPath()));
    QCOMPARE(settings.text(SettingsKey::EntryForm), accepted ? u"2"_s : u"1"_s);
    QCOMPARE(applied.value(0).entryForm, accepted ? 2 : 0);
    QCOMPARE(defaults.flags, accepted ? 3 : 1);
    QCOMPARE(defaults.keybHead, accepted ? 0x0405 : KeybCurrent);
    QCOMPARE(settings.text(SettingsKey::UserFlags), accepted ? u"3"_s : u"2"_s);
    QCOMPARE(settings.text(SettingsKey::UserKeybH), accepted ? u"1029"_s : u"32767"_s);
}

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
