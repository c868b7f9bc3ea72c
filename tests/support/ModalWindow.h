#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lexmint::test {

/// Who makes a new window active: the platform (a window manager, or Qt's offscreen
/// platform), or, where nothing does (an X server without a window manager), the test.
enum class Activation { ByPlatform, ByTest };

/// While it lives, hands the active modal window to `answer` every 10 ms, for as long as one is
/// up. A modal window runs its own event loop: this is how a test looks at it and answers it.
class ModalWatch {
public:
    explicit ModalWatch(const std::function<void(QWidget* modal)>& answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [answer] {
            if (QWidget* modal = QApplication::activeModalWidget())
                answer(modal);
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

/// Calls `open`, which opens the modal window `name` at once or through events still to come
/// (a key press), and runs `steps` from inside that window's event loop once it is active;
/// the steps end by closing the window. True when they ran. A failed step closes the window,
/// so that the test does not wait on it.
inline bool runInModalWindow(const QString& name, Activation activation,
                             const std::function<void()>& open,
                             const std::function<void(QWidget*)>& steps)
{
    bool done = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || window->objectName() != name)
            return;
        if (!window->isActiveWindow()) {
            if (activation == Activation::ByTest)
                window->activateWindow();
            return;
        }
        poll.stop();
        steps(window);
        if (QTest::currentTestFailed())
            window->close();
        done = true;
    });
    poll.start(10);
    open();
    return QTest::qWaitFor([&] { return done; }, 20000);
}

} // namespace lexmint::test
