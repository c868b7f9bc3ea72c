#include "app/AboutDialog.h"

#include "app/ToolbarIcons.h"
#include "platform/AppIdentity.h"
#include "platform/BrowserService.h"
#include "platform/MessageService.h"
#include "platform/widgets/Twips.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

const QColor LinkBlue(0, 0, 255);
const QColor LinkRed(255, 0, 0);

QString versionLine()
{
    return QCoreApplication::translate("lexmint::AboutDialog", "Version %1.%2.%3")
        .arg(LEXMINT_VERSION_MAJOR)
        .arg(LEXMINT_VERSION_MINOR)
        .arg(LEXMINT_VERSION_PATCH);
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1StringView(name));
    return result;
}

/// One of the two lines of the etched separator; the mouse passes through it to the window.
QWidget* separatorLine(const char* name, const QColor& colour, QWidget* parent)
{
    auto* line = new QWidget(parent);
    line->setObjectName(QLatin1StringView(name));
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

AboutDialog::AboutDialog(BrowserService& browser, MessageService& messages, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      m_browser(browser),
      m_messages(messages, this)
{
    setObjectName(u"frmAbout"_s);
    ContextHelp::setContext(this, helpcontext::AboutDialog);
    setWindowTitle(tr("About %1").arg(applicationTitle()));
    setMouseTracking(true);

    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };

    m_picture = label("picIcon", QString(), this);
    m_picture->setPixmap(programPicture(this));
    m_picture->setFixedSize(ProgramPictureSize);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);

    auto* title = label("lblTitle", versionLine(), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* slogan = label("lblVersion", tr("Make building your vocabulary fun!"), this);
    auto* description =
        label("lblDescription",
              tr("For the latest information on the product see the product's web page:"), this);
    description->setWordWrap(true);

    m_webPage = label("lblWebPage", HomePageAddress, this);
    QFont underlined = m_webPage->font();
    underlined.setUnderline(true);
    m_webPage->setFont(underlined);
    m_webPage->setCursor(Qt::PointingHandCursor);
    m_webPage->setMouseTracking(true);
    m_webPage->installEventFilter(this);
    setLinkColour(LinkBlue);

    auto* disclaimer = label(
        "lblDisclaimer",
        tr("Copyright \u00A9 2026 %1. Lex Mint is free software: you may copy, change and share "
           "it under the GNU General Public License, version 3 or later. It comes with no "
           "warranty.")
            .arg(organizationName()),
        this);
    disclaimer->setWordWrap(true);
    disclaimer->setFixedWidth(x(3876));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    ok->setMinimumSize(x(1260), y(384));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The text column starts one picture margin right of the picture, plus 15 twips.
    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    text->addWidget(title);
    text->addSpacing(y(72));
    text->addWidget(slogan);
    text->addSpacing(y(72));
    text->addWidget(description);
    text->addSpacing(y(108));
    text->addWidget(m_webPage, 0, Qt::AlignLeft);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->setContentsMargins(x(181), y(216), x(181), y(269));
    top->setSpacing(x(181 + 15));
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(x(252), y(170), x(231), y(84));
    bottom->setSpacing(x(117));
    bottom->addWidget(disclaimer, 0, Qt::AlignTop);
    bottom->addStretch();
    bottom->addWidget(ok, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(separatorLine("Line1_0", QColor(128, 128, 128), this));
    layout->addWidget(separatorLine("Line1_1", Qt::white, this));
    layout->addLayout(bottom);

    description->setMinimumWidth(x(2640));
    slogan->setMinimumWidth(x(2832));
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_webPage
        && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
        setLinkColour(LinkRed);

    if ((watched == m_webPage || watched == m_picture)
        && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* clicked = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton
            && clicked->rect().contains(mouse->position().toPoint())) {
            openHomePage(watched == m_webPage);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::mouseMoveEvent(QMouseEvent* event)
{
    // Moves over the labels and the picture reach here too when they pass them on; only the
    // free background turns the link back to blue.
    if (!childAt(event->position().toPoint()))
        setLinkColour(LinkBlue);
    QDialog::mouseMoveEvent(event);
}

void AboutDialog::openHomePage(bool fromLink)
{
    if (!m_browser.open(QUrl(HomePageAddress))) {
        m_messages.show(
            {tr("Cannot launch your default Internet browser. Make sure that you have a "
                "browser installed and set up correctly."),
             tr("Cannot Run Program"), MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    if (fromLink)
        setLinkColour(LinkBlue);
}

void AboutDialog::setLinkColour(const QColor& colour)
{
    QPalette palette = m_webPage->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_webPage->setPalette(palette);
}

} // namespace lexmint
