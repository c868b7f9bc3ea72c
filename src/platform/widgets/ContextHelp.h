#pragma once

#include <QObject>

class QWidget;

namespace lexmint {

class HelpService;

/// Help where the user asks for it, in every window of the program: the desktop's help key (F1)
/// shows the topic of the focused control's window or page, the contents where there is none
/// (the main window); its What's This key (Shift+F1) enters What's This mode.
class ContextHelp final : public QObject {
    Q_OBJECT

public:
    /// Watches the keys of the whole application while it exists.
    explicit ContextHelp(HelpService& help, QObject* parent = nullptr);
    ~ContextHelp() override;

    /// The help topic of a window or page and everything in it.
    static void setContext(QWidget* widget, int context);
    /// The topic of the nearest of the widget and its parents that has one; 0 for none.
    static int contextOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpService& m_help;
};

} // namespace lexmint
