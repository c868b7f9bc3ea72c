#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QWhatsThis>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

/// Who answers to each key sequence in one window or menu, keyed by the sequence's text.
class KeyOwners {
public:
    void add(const QKeySequence& sequence, const QString& owner)
    {
        if (!sequence.isEmpty())
            m_owners[sequence.toString(QKeySequence::PortableText)].insert(owner);
    }
    void addMnemonic(const QString& text, const QString& owner)
    {
        add(QKeySequence::mnemonic(text), owner);
    }
    /// "place: sequence (owner, owner)" for every sequence with more than one owner.
    QStringList clashes(const QString& place) const
    {
        QStringList result;
        for (auto it = m_owners.cbegin(); it != m_owners.cend(); ++it) {
            if (it.value().size() > 1) {
                QStringList owners = it.value().values();
                owners.sort();
                result.append(u"%1: %2 (%3)"_s.arg(place, it.key(), owners.join(u", "_s)));
            }
        }
        return result;
    }

private:
    QMap<QString, QSet<QString>> m_owners;
};

QString ownerName(const QObject* object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

/// The window's own commands: the shortcuts of its actions (every standard key they expand to
/// included), the access keys of its menu bar, of its buttons and of labels that lead to a
/// control, and of its tabs.
void addWindowKeys(QWidget* window, KeyOwners& keys)
{
    for (const QAction* action : window->findChildren<QAction*>()) {
        const auto* owner = qobject_cast<const QWidget*>(action->parent());
        if (owner && owner->window() == window && !qobject_cast<const QMenu*>(owner))
            for (const QKeySequence& sequence : action->shortcuts())
                keys.add(sequence, ownerName(action));
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (const QAction* menu : bar->actions())
            keys.addMnemonic(menu->text(), u"menu "_s + menu->text());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->window() == window && button->isVisibleTo(window))
            keys.addMnemonic(button->text(), ownerName(button));
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->window() == window && label->buddy() && label->isVisibleTo(window))
            keys.addMnemonic(label->text(), ownerName(label));
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        if (tabs->window() == window)
            for (int i = 0; i < tabs->count(); ++i)
                keys.addMnemonic(tabs->tabText(i), u"tab "_s + tabs->tabText(i));
}

/// The clashes of a window, with each page of its tab widgets shown in turn, and those inside
/// each of its menus.
QStringList clashesIn(QWidget* window)
{
    QStringList result;
    const QList<QTabWidget*> tabWidgets = window->findChildren<QTabWidget*>();
    QTabWidget* tabs = tabWidgets.isEmpty() ? nullptr : tabWidgets.first();
    const int pages = tabs ? tabs->count() : 1;
    for (int page = 0; page < pages; ++page) {
        if (tabs)
            tabs->setCurrentIndex(page);
        KeyOwners keys;
        addWindowKeys(window, keys);
        for (const QString& clash : keys.clashes(window->objectName()))
            if (!result.contains(clash))
                result.append(clash);
    }
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        KeyOwners keys;
        for (const QAction* item : menu->actions())
            keys.addMnemonic(item->text(), ownerName(item));
        result += keys.clashes(window->objectName() + u" menu "_s + menu->title());
    }
    return result;
}

} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void everyWindowHasHelpAndNoKeyDoesTwoThings();
};

// Every window the user reaches from the main window, modal ones included, is looked at once:
// F1 shows its topic (the main window's is the contents), Shift+F1 enters What's This mode,
// and no key sequence has two owners in it.
void TestWindowKeys::everyWindowHasHelpAndNoKeyDoesTwoThings()
{
    MainWindowFixture fx;
    MainWindow& window =
        fx.start({fx.vocabulary(u"mine.lxm"_s, {u"Apfel|apple"_s, u"Baum|tree"_s})});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QStringList visited;
    QStringList clashes;
    QStringList help;
    const auto visit = [&](QWidget* shown) {
        if (!shown || visited.contains(shown->objectName()))
            return;
        visited.append(shown->objectName());
        // The window's own keys count only while it is the active one.
        shown->activateWindow();
        if (!QTest::qWaitForWindowActive(shown))
            help.append(shown->objectName() + u" not active"_s);
        QWidget* focus = shown->focusWidget() ? shown->focusWidget() : shown;
        fx.help.clear();
        QTest::keyClick(focus, Qt::Key_F1);
        const QList<int> topics = fx.help.shownContexts();
        help.append(shown->objectName() + u' '
                    + (fx.help.contentsCount() == 1 ? u"contents"_s
                           : topics.size() == 1     ? QString::number(topics.first())
                                                    : u"none"_s));
        QTest::keyClick(focus, Qt::Key_F1, Qt::ShiftModifier);
        if (!QWhatsThis::inWhatsThisMode())
            help.append(shown->objectName() + u" without What's This"_s);
        QWhatsThis::leaveWhatsThisMode();
        clashes += clashesIn(shown);
    };
    visit(&window);

    // Modeless windows: looked at where they are shown.
    for (const auto& [command, name] :
         {std::pair{"mnuEntryAdd", "frmAdd"}, std::pair{"mnuViewOptions", "frmOptions"},
          std::pair{"mnuVocabProps", "frmProperties"}, std::pair{"mnuHelpAbout", "frmAbout"}}) {
        fx.action(QLatin1String(command))->trigger();
        QTRY_VERIFY2(MainWindowFixture::shownWindow(QLatin1String(name)), name);
        visit(MainWindowFixture::shownWindow(QLatin1String(name)));
        MainWindowFixture::shownWindow(QLatin1String(name))->close();
    }

    // Modal windows: looked at while they run, then answered: a wrong answer in the test
    // brings the mistake dialog, Finish the result.
    fx.walkModalWindows([&](QWidget* modal) { visit(modal); });

    visited.sort();
    QCOMPARE(visited,
             (QStringList{u"frmAbout"_s, u"frmAdd"_s, u"frmMistake"_s, u"frmOptions"_s,
                          u"frmProperties"_s, u"frmQSearch"_s, u"frmResult"_s, u"frmTest"_s,
                          u"frmVocab"_s}));
    QCOMPARE(clashes, QStringList());
    help.sort();
    QCOMPARE(help,
             (QStringList{u"frmAbout 50"_s, u"frmAdd 30"_s, u"frmMistake 41"_s, u"frmOptions 15"_s,
                          u"frmProperties 60"_s, u"frmQSearch 31"_s, u"frmResult 42"_s,
                          u"frmTest 40"_s, u"frmVocab contents"_s}));
}

QTEST_MAIN(TestWindowKeys)
#include "TestWindowKeys.moc"
