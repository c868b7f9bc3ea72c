// Starts the real program on an X server with a sample vocabulary and takes a screenshot.

#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// The part of the screen that is not the server's black background: the program's windows.
QRect windowArea(const QImage& screen)
{
    QRect area;
    for (int y = 0; y < screen.height(); y += 2)
        for (int x = 0; x < screen.width(); x += 2)
            if (screen.pixel(x, y) != qRgb(0, 0, 0))
                area |= QRect(x, y, 2, 2);
    return area;
}

// Grabs the screen until it shows a window at least `minimumWidth` wide that no longer
// changes between two grabs; a null image when that does not happen in time.
QImage settledScreen(int minimumWidth, int timeoutMs)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QElapsedTimer timer;
    timer.start();
    QImage previous;
    while (timer.elapsed() < timeoutMs) {
        QTest::qWait(200);
        QImage shot = screen->grabWindow(0).toImage();
        if (windowArea(shot).width() >= minimumWidth && shot == previous)
            return shot;
        previous = std::move(shot);
    }
    return {};
}

} // namespace

class TestProgramOnScreen : public QObject {
    Q_OBJECT
private slots:
    void showsASampleVocabulary();
};

void TestProgramOnScreen::showsASampleVocabulary()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(u"config/Orvanel Software"_s));
    // A returning user with a roomy window, so that the welcome does not come up.
    QVERIFY(!writeFile(home.filePath(u"config/Orvanel Software"_s), u"Lex Mint.conf"_s,
                       "[Settings]\nMainWinState=0\nMainWidth=11500\nMainHeight=7600\n")
                 .isEmpty());
    const QString vocabulary =
        copyToDir(buildDataDir() + u"/Spa-Eng.lxm"_s, home.path(), u"Spa-Eng.lxm"_s);
    QVERIFY(!vocabulary.isEmpty());

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(qEnvironmentVariable("LEXMINT_PROGRAM"), {vocabulary});
    QVERIFY(program.waitForStarted());

    // The main window is far wider than the splash; it is up once the screen stops changing.
    const QImage shot = settledScreen(500, 30000);
    QVERIFY(!shot.isNull());
    QCOMPARE(program.state(), QProcess::Running);

    const QImage window = shot.copy(windowArea(shot));
    const QString folder = qEnvironmentVariable("LEXMINT_SCREENSHOT_DIR");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(window.save(folder + u"/main-window.png"_s));

    program.terminate();
    QVERIFY(program.waitForFinished(10000));
}

QTEST_MAIN(TestProgramOnScreen)
#include "TestProgramOnScreen.moc"
