#pragma once

#include <QFrame>

namespace lexmint {

/// The frameless window that shows the program's picture and name while the program starts,
/// centred on the screen.
class SplashWindow : public QFrame {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);
};

} // namespace lexmint
