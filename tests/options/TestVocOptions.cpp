#include "options/VocOptions.h"
#include "support/FakeHelpService.h"
#include "support/FakeKeyboardBackend.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace lexmint;
using namespace Qt::StringLiterals;
using lexmint::test::FakeHelpService;
using lexmint::test::FakeKeyboardBackend;

namespace {

constexpr qint32 UsEnglish = 0x04090409;
constexpr qint32 Czech = 0x04050405;
constexpr qint32 Russian = 0x04190419;

QStringList names(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).toString());
    return result;
}

} // namespace

class TestVocOptions : public QObject {
    Q_OBJECT
private slots:
    void clickTogglesAndReadsAtOnce();
    void settingKeyboardLeavesBoxes();
    void restoreAndSave_data();
    void restoreAndSave();
    void packing_data();
    void packing();
    void keyboardsChosenInDialog_data();
    void keyboardsChosenInDialog();

private:
    FakeKeyboardBackend m_backend{{UsEnglish, Czech, Russian}, UsEnglish};
    FakeHelpService m_help;
};

void TestVocOptions::clickTogglesAndReadsAtOnce()
{
    VocOptions panel(m_backend, m_help);
    QCOMPARE(panel.caseSensitive(), 2);
    QCOMPARE(panel.warnDoubles(), 2);
    QCOMPARE(panel.keybHead(), 0);
    QCOMPARE(panel.keybDef(), 0);

    auto* box = panel.findChild<QCheckBox*>(u"chkCaseSensitive"_s);

    // Clicks never lead back to indeterminate.
    for (const int expected : {1, 0, 1, 0}) {
        box->click();
        QCOMPARE(panel.caseSensitive(), expected);
    }
    QCOMPARE(panel.warnDoubles(), 2);
}

void TestVocOptions::settingKeyboardLeavesBoxes()
{
    VocOptions panel(m_backend, m_help);
    panel.setCaseSensitive(1);
    panel.setWarnDoubles(0);
    QSignalSpy changed(&panel, &VocOptions::propertyChanged);
    panel.setKeybHead(Czech);
    QCOMPARE(panel.keybHead(), Czech);
    QCOMPARE(panel.caseSensitive(), 1);
    QCOMPARE(panel.warnDoubles(), 0);
    QCOMPARE(names(changed), QStringList{u"KeybHead"_s});
}

void TestVocOptions::restoreAndSave_data()
{
    QTest::addColumn<QVariantMap>("state");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("empty") << QVariantMap{} << QList{1, 1, 0, 0};
    QTest::newRow("any letter case")
        << QVariantMap{{u"casesensitive"_s, 0}, {u"WARNDOUBLES"_s, 2},
                       {u"keybHead"_s, Czech}, {u"KeybDef"_s, KeybCurrent}}
        << QList{0, 2, Czech, KeybCurrent};
    QTest::newRow("some missing")
        << QVariantMap{{u"_extentx"_s, 7260}, {u"warndoubles"_s, 0}, {u"keybdef"_s, Russian}}
        << QList{1, 0, 0, Russian};
}

void TestVocOptions::restoreAndSave()
{
    QFETCH(QVariantMap, state);
    QFETCH(QList<int>, expected);
    VocOptions panel(m_backend, m_help);
    QSignalSpy changed(&panel, &VocOptions::propertyChanged);

    panel.restoreState(state);
    QCOMPARE((QList{panel.caseSensitive(), panel.warnDoubles(), panel.keybHead(), panel.keybDef()}),
             expected);
    const QStringList order{u"CaseSensitive"_s, u"WarnDoubles"_s, u"KeybHead"_s, u"KeybDef"_s};
    QCOMPARE(names(changed), order);

    const QVariantMap saved = panel.saveState();
    QCOMPARE(saved.keys().size(), 4);
    for (int i = 0; i < order.size(); ++i) {
        const QVariant value = saved.value(order[i]);
        QCOMPARE(value.metaType(), i < 2 ? QMetaType::fromType<qint16>()
                                         : QMetaType::fromType<qint32>());
        QCOMPARE(value.toInt(), expected[i]);
    }
}

void TestVocOptions::packing_data()
{
    QTest::addColumn<int>("caseSensitive");
    QTest::addColumn<int>("warnDoubles");
    QTest::addColumn<qint32>("flags");

    QTest::newRow("neither") << 0 << 0 << 0;
    QTest::newRow("case sensitive") << 1 << 0 << 1;
    QTest::newRow("warn doubles") << 0 << 1 << 2;
    QTest::newRow("both") << 1 << 1 << 3;
    // An indeterminate box is not set; it must not spill into the other bit.
    QTest::newRow("indeterminate") << 2 << 2 << 0;
    QTest::newRow("one indeterminate") << 1 << 2 << 1;
}

void TestVocOptions::packing()
{
    QFETCH(int, caseSensitive);
    QFETCH(int, warnDoubles);
    QFETCH(qint32, flags);
    VocOptions panel(m_backend, m_help);
    panel.setCaseSensitive(caseSensitive);
    panel.setWarnDoubles(warnDoubles);
    QCOMPARE(panel.flags(), flags);

    VocOptions unpacked(m_backend, m_help);
    unpacked.setFlags(flags);
    QCOMPARE(unpacked.caseSensitive(), caseSensitive == 1 ? 1 : 0);
    QCOMPARE(unpacked.warnDoubles(), warnDoubles == 1 ? 1 : 0);
}

void TestVocOptions::keyboardsChosenInDialog_data()
{
    QTest::addColumn<int>("headRow");
    QTest::addColumn<int>("defRow");
    QTest::addColumn<QString>("button");
    QTest::addColumn<qint32>("head");
    QTest::addColumn<qint32>("def");
    QTest::addColumn<QStringList>("changes");

    // Rows: current, US English (active), Czech, Russian.
    const QStringList both{u"KeybHead"_s, u"KeybDef"_s};
    QTest::newRow("OK, first rows") << 0 << 0 << u"cmdOK"_s << KeybCurrent << KeybCurrent << both;
    QTest::newRow("OK, layouts") << 3 << 1 << u"cmdOK"_s << Russian << UsEnglish << both;
    QTest::newRow("Cancel") << 0 << 1 << u"cmdCancel"_s << Czech << Russian << QStringList{};
}

void TestVocOptions::keyboardsChosenInDialog()
{
    QFETCH(int, headRow);
    QFETCH(int, defRow);
    QFETCH(QString, button);
    VocOptions panel(m_backend, m_help);
    panel.setKeybHead(Czech);
    panel.setKeybDef(Russian);
    panel.show();
    QSignalSpy changed(&panel, &VocOptions::propertyChanged);

    QList<int> openedOn;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != u"frmKeybSel")
            return;
        auto* headList = dialog->findChild<QComboBox*>(u"cmbHeadKeyboard"_s);
        auto* defList = dialog->findChild<QComboBox*>(u"cmbDefKeyboard"_s);
        openedOn = {headList->currentIndex(), defList->currentIndex()};
        headList->setCurrentIndex(headRow);
        defList->setCurrentIndex(defRow);
        dialog->findChild<QPushButton*>(button)->click();
    });
    panel.findChild<QPushButton*>(u"cmdKeyboards"_s)->click();

    QCOMPARE(openedOn, (QList{2, 3}));
    QTEST(panel.keybHead(), "head");
    QTEST(panel.keybDef(), "def");
    QTEST(names(changed), "changes");
    QVERIFY(!panel.findChild<QDialog*>());
}

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    TestVocOptions test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestVocOptions.moc"
