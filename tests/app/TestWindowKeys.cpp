#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>
#include <QWhatsThis>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

/// Who answers to each key sequence, keyed by the sequence's text.
using KeyOwners = QMap<QString, QSet<QString>>;

void addKey(KeyOwners& keys, const QKeySequence& sequence, const QString& owner)
{
    if (!sequence.isEmpty())
        keys[sequence.toString(QKeySequence::PortableText)].insert(owner);
}

void addClashes(const KeyOwners& keys, QStringList& clashes)
{
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        if (it->size() > 1)
            clashes.append(it.key() + u": "_s + QStringList(it->values()).join(u", "_s));
}

/// The key sequences with two owners among the window's own commands: the shortcuts of its
/// actions, the access keys of its menu bar, its buttons and the labels that lead to a control;
/// and among the items of each of its menus.
QStringList clashesIn(QWidget* window)
{
    KeyOwners keys;
    for (const QAction* action : window->findChildren<QAction*>()) {
        const auto* owner = qobject_cast<const QWidget*>(action->parent());
        if (owner && owner->window() == window && !qobject_cast<const QMenu*>(owner))
            for (const QKeySequence& sequence : action->shortcuts())
                addKey(keys, sequence, action->objectName());
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (const QAction* menu : bar->actions())
            addKey(keys, QKeySequence::mnemonic(menu->text()), menu->text());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->window() == window && button->isVisibleTo(window))
            addKey(keys, QKeySequence::mnemonic(button->text()), button->objectName());
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->window() == window && label->buddy() && label->isVisibleTo(window))
            addKey(keys, QKeySequence::mnemonic(label->text()), label->objectName());
    QStringList clashes;
    addClashes(keys, clashes);
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        KeyOwners items;
        for (const QAction* item : menu->actions())
            addKey(items, QKeySequence::mnemonic(item->text()), item->text());
        addClashes(items, clashes);
    }
    return clashes;
}

} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void windowHasHelpAndNoKeyDoesTwoThings_data();
    void windowHasHelpAndNoKeyDoesTwoThings();
};

void TestWindowKeys::windowHasHelpAndNoKeyDoesTwoThings_data()
{
    QTest::addColumn<QString>("command"); // that opens the window; none for the main window
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("topics"); // that F1 shows; none for the contents

    QTest::newRow("main window") << QString() << u"frmVocab"_s << QList<int>();
    QTest::newRow("entry form") << u"mnuEntryAdd"_s << u"frmAdd"_s << QList<int>{30};
    QTest::newRow("options") << u"mnuViewOptions"_s << u"frmOptions"_s << QList<int>{15};
}

// F1 shows the window's topic (the main window's is the contents), Shift+F1 enters What's This
// mode, and no key sequence has two owners in it.
void TestWindowKeys::windowHasHelpAndNoKeyDoesTwoThings()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QList<int>, topics);
    MainWindowFixture fx;
    fx.start({fx.vocabulary(u"mine.lxm"_s, {u"Apfel|apple"_s, u"Baum|tree"_s})}).show();
    if (!command.isEmpty())
        fx.action(command)->trigger();
    QTRY_VERIFY(MainWindowFixture::shownWindow(window));
    QWidget* shown = MainWindowFixture::shownWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QWidget* focus = shown->focusWidget() ? shown->focusWidget() : shown;

    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(fx.help.shownContexts(), topics);
    QCOMPARE(fx.help.contentsCount(), int(topics.isEmpty()));
    QTest::keyClick(focus, Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    QCOMPARE(clashesIn(shown), QStringList());
}

QTEST_MAIN(TestWindowKeys)
#include "TestWindowKeys.moc"
