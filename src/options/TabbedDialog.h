#pragma once

#include <QDialog>

class QTabWidget;

namespace lexmint {

class HelpService;

/// A fixed dialog of tab pages ("tbsOptions") above the buttons OK, Cancel and Help.
///
/// OK calls accept(), which a subclass overrides to store its values before it closes;
/// Cancel, Esc and the close box discard. Help shows the topic of the selected page.
/// F1 shows the topic of the selected page too; the title bar has a What's This button.
/// Ctrl+Tab, with no other modifier, selects the next page and wraps from the last to the
/// first, whichever control has the focus; the dialog sees the key before its controls, and
/// the tab widget's own handling of Ctrl+Shift+Tab is not used. The dialog is centred on the
/// screen when it is first shown.
class TabbedDialog : public QDialog {
    Q_OBJECT

public:
    void setVisible(bool visible) override;

protected:
    /// Sizes in twips: the designed client area and the tab strip in it. Larger fonts make
    /// the dialog larger, never smaller.
    TabbedDialog(QSize clientTwips, QSize tabStripTwips, HelpService& help,
                 QWidget* parent = nullptr);

    /// Adds a page ("fraOptions<index>") and its tab with a caption, a key kept as the tab's
    /// data, a tool tip and the help topic shown for it.
    QWidget* addPage(const QString& caption, const QString& key, const QString& toolTip,
                     int helpContext);
    QTabWidget* tabs() const { return m_tabs; }

private:
    void showHelp();

    HelpService& m_help;
    QTabWidget* m_tabs;
};

} // namespace lexmint
