#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindow.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// The window that `window` asks to stand over, as the window manager reads it; 0 for none.
WId transientFor(Display* display, WId window)
{
    Window owner = 0;
    return XGetTransientForHint(display, window, &owner) ? owner : 0;
}

} // namespace

class TestWindowFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void dialogsStandOverTheirOpener();
};

// Under a window manager every dialog stands over the window that opened it: a modal one behind
// its opener would leave the program blocked with nothing to click.
void TestWindowFrames::dialogsStandOverTheirOpener()
{
    const std::unique_ptr<Display, int (*)(Display*)> x11(XOpenDisplay(nullptr), XCloseDisplay);
    QVERIFY(x11);
    MainWindowFixture fx;
    MainWindow& window =
        fx.start({fx.vocabulary(u"mine.lxm"_s, {u"Apfel|apple"_s, u"Baum|tree"_s})});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList seen;
    QStringList wrong;
    const auto check = [&](QWidget* dialog, QWidget* opener) {
        const QString name = dialog->objectName();
        if (seen.contains(name))
            return;
        seen.append(name);
        if (transientFor(x11.get(), dialog->winId()) != opener->winId())
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

    // Quick find is modal: it is looked at while it runs.
    const ModalWatch watch([&](QWidget* modal) {
        check(modal, &window);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    fx.action(u"mnuEntryFind"_s)->trigger();

    seen.sort();
    QCOMPARE(seen,
             (QStringList{u"frmAbout"_s, u"frmOptions"_s, u"frmProperties"_s, u"frmQSearch"_s}));
    QCOMPARE(wrong.join(u"\n"_s), QString());
}

QTEST_MAIN(TestWindowFrames)
#include "TestWindowFrames.moc"
