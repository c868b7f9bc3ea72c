#include "options/TabbedDialog.h"

#include "platform/HelpService.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/ContextHelp.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

// The designed margins around the tab strip and the buttons below it, in twips.
constexpr int Left = 96;
constexpr int Top = 120;
constexpr int AboveButtons = 92;
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 375;
constexpr int ButtonSpacing = 141;

/// Ctrl+Tab selects the next page of a dialog's tab widget, whichever of the dialog's controls
/// has the focus. Key presses go to the focused control first; watching them for the whole
/// application lets the dialog act on them before any of its controls does.
class PageKeys final : public QObject {
public:
    PageKeys(QWidget* dialog, QTabWidget* tabs) : QObject(dialog), m_dialog(dialog), m_tabs(tabs)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
            || static_cast<QWidget*>(watched)->window() != m_dialog)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || !key->modifiers().testFlag(Qt::ControlModifier))
            return false;
        // Only Ctrl alone turns the page; the tab widget gets no Ctrl+Tab of any kind.
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier)
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + 1) % m_tabs->count());
        return true;
    }

private:
    QWidget* m_dialog;
    QTabWidget* m_tabs;
};

} // namespace

TabbedDialog::TabbedDialog(QSize clientTwips, QSize tabStripTwips, HelpService& help,
                           QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowContextHelpButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_help(help),
      m_tabs(new QTabWidget(this))
{
    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };

    m_tabs->setObjectName(u"tbsOptions"_s);
    m_tabs->setMinimumSize(x(tabStripTwips.width()), y(tabStripTwips.height()));

    const auto button = [&](const char* name, const QString& text) {
        auto* result = new QPushButton(text, this);
        result->setObjectName(QLatin1StringView(name));
        result->setMinimumSize(x(ButtonWidth), y(ButtonHeight));
        return result;
    };
    QPushButton* ok = button("cmdOK", tr("OK"));
    QPushButton* cancel = button("cmdCancel", tr("Cancel"));
    QPushButton* helpButton = button("cmdHelp", tr("Help"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &TabbedDialog::showHelp);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(x(ButtonSpacing));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(
        x(Left), y(Top), x(clientTwips.width() - Left - tabStripTwips.width()),
        y(clientTwips.height() - Top - tabStripTwips.height() - AboveButtons - ButtonHeight));
    layout->setSpacing(y(AboveButtons));
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    new PageKeys(this, m_tabs);
    // F1 outside the pages, on the buttons, asks for the topic of the selected page.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        ContextHelp::setContext(this, ContextHelp::contextOf(m_tabs->currentWidget()));
    });
}

QWidget* TabbedDialog::addPage(const QString& caption, const QString& key, const QString& toolTip,
                               int helpContext)
{
    auto* page = new QWidget;
    page->setObjectName(u"fraOptions%1"_s.arg(m_tabs->count()));
    const int index = m_tabs->addTab(page, caption);
    m_tabs->tabBar()->setTabData(index, key);
    m_tabs->setTabToolTip(index, toolTip);
    ContextHelp::setContext(page, helpContext);
    if (m_tabs->count() == 1)
        ContextHelp::setContext(this, helpContext);
    return page;
}

void TabbedDialog::setVisible(bool visible)
{
    // Centred on the screen the first time, at the size that the layout fixes.
    if (visible && !testAttribute(Qt::WA_Moved)) {
        adjustSize();
        move(screen()->availableGeometry().center() - rect().center());
    }
    QDialog::setVisible(visible);
}

void TabbedDialog::showHelp()
{
    m_help.showTopic(ContextHelp::contextOf(m_tabs->currentWidget()));
}

} // namespace lexmint
