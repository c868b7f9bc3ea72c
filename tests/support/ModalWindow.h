#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lexmint::test {

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

} // namespace lexmint::test
