#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

/// What the window manager says about a window, read from the X server.
class WindowProperties {
public:
    WindowProperties() : m_display(XOpenDisplay(nullptr)) {}
    ~WindowProperties()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    WindowProperties(const WindowProperties&) = delete;
    WindowProperties& operator=(const WindowProperties&) = delete;

    bool isOpen() const { return m_display != nullptr; }

    /// The actions the window manager allows on the window, without their prefix
    /// ("MINIMIZE", "CLOSE"); empty until it manages the window.
    QStringList allowedActions(WId window) const
    {
        QStringList names;
        for (const unsigned long atom : read(window, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
            char* name = XGetAtomName(m_display, atom);
            names.append(QString::fromLatin1(name).remove(u"_NET_WM_ACTION_"_s));
            XFree(name);
        }
        names.sort();
        return names;
    }

    /// Whether the window asks, through its Motif hints, for neither a minimise nor a maximise
    /// function or button; most window managers follow these.
    bool asksForNoMinimiseOrMaximise(WId window) const
    {
        constexpr unsigned long Functions = 1, Decorations = 2;
        constexpr unsigned long FunctionAll = 1, FunctionMinimise = 8, FunctionMaximise = 16;
        constexpr unsigned long DecorAll = 1, DecorMinimise = 32, DecorMaximise = 64;
        const QList<unsigned long> hints = read(window, "_MOTIF_WM_HINTS", AnyPropertyType);
        if (hints.size() < 3 || !(hints[0] & Functions) || !(hints[0] & Decorations))
            return false;
        return !(hints[1] & (FunctionAll | FunctionMinimise | FunctionMaximise))
            && !(hints[2] & (DecorAll | DecorMinimise | DecorMaximise));
    }

    /// The window the window is transient for; 0 for none.
    WId transientFor(WId window) const
    {
        const QList<unsigned long> owner = read(window, "WM_TRANSIENT_FOR", XA_WINDOW);
        return owner.isEmpty() ? 0 : owner.first();
    }

private:
    QList<unsigned long> read(WId window, const char* property, Atom type) const
    {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        QList<unsigned long> values;
        XSync(m_display, False);
        if (XGetWindowProperty(m_display, window, XInternAtom(m_display, property, False), 0, 64,
                               False, type, &actualType, &format, &count, &after, &data)
                == Success
            && data && format == 32) {
            const auto* longs = reinterpret_cast<const unsigned long*>(data);
            values = QList<unsigned long>(longs, longs + count);
        }
        if (data)
            XFree(data);
        return values;
    }

    Display* m_display;
};

} // namespace

class TestWindowFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void fixedDialogsUnderAWindowManager();
};

// Under openbox: every dialog with a fixed border can be neither resized, nor minimised, nor
// maximised, and stands over the window that opened it.
void TestWindowFrames::fixedDialogsUnderAWindowManager()
{
    WindowProperties x11;
    QVERIFY(x11.isOpen());
    MainWindowFixture fx;
    MainWindow& window =
        fx.start({fx.vocabulary(u"mine.lxm"_s, {u"Apfel|apple"_s, u"Baum|tree"_s})});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Openbox keeps minimising for every dialog whatever its hints ask (it lets no hint remove
    // a button); it takes resizing and maximising away from a window of fixed size.
    const QStringList fixed{u"CHANGE_DESKTOP"_s, u"CLOSE"_s, u"MINIMIZE"_s, u"MOVE"_s};
    QStringList seen;
    QStringList wrong;
    const auto check = [&](QWidget* dialog, QWidget* opener) {
        const QString name = dialog->objectName();
        if (seen.contains(name))
            return;
        seen.append(name);
        // The window manager sets the actions once it manages the window.
        QTRY_VERIFY(!x11.allowedActions(dialog->winId()).isEmpty());
        // Shading, stacking and the window manager's own actions do not change the frame.
        QStringList actions = x11.allowedActions(dialog->winId());
        actions.removeIf([](const QString& action) {
            return action.startsWith(u'_') || action == u"SHADE" || action == u"ABOVE"
                || action == u"BELOW" || action == u"FULLSCREEN";
        });
        if (actions != fixed)
            wrong.append(name + u": "_s + actions.join(u' '));
        if (!x11.asksForNoMinimiseOrMaximise(dialog->winId()))
            wrong.append(name + u": hints allow minimising or maximising"_s);
        if (x11.transientFor(dialog->winId()) != opener->winId())
            wrong.append(name + u": not transient for "_s + opener->objectName());
    };

    for (const auto& [command, name] :
         {std::pair{"mnuVocabProps", "frmProperties"}, std::pair{"mnuViewOptions", "frmOptions"},
          std::pair{"mnuHelpAbout", "frmAbout"}}) {
        fx.action(QLatin1String(command))->trigger();
        QTRY_VERIFY(MainWindowFixture::shownWindow(QLatin1String(name)));
        check(MainWindowFixture::shownWindow(QLatin1String(name)), &window);
        MainWindowFixture::shownWindow(QLatin1String(name))->close();
    }

    // The modal ones are looked at while they run: quick find, the test, the mistake dialog
    // after a wrong answer and the result after Finish.
    QWidget* testWindow = nullptr;
    fx.walkModalWindows([&](QWidget* modal) {
        const QString name = modal->objectName();
        if (name == u"frmTest"_s)
            testWindow = modal;
        check(modal, name == u"frmMistake"_s || name == u"frmResult"_s ? testWindow : &window);
    });

    seen.sort();
    QCOMPARE(seen,
             (QStringList{u"frmAbout"_s, u"frmMistake"_s, u"frmOptions"_s, u"frmProperties"_s,
                          u"frmQSearch"_s, u"frmResult"_s, u"frmTest"_s}));
    QCOMPARE(wrong.join(u"\n"_s), QString());
}

QTEST_MAIN(TestWindowFrames)
#include "TestWindowFrames.moc"
