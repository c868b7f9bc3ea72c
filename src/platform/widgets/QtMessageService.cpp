#include "QtMessageService.h"

#include "platform/AppIdentity.h"
#include "platform/widgets/DialogOwner.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace lexmint {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    // A box closed with Esc or its close button gives the answer that changes nothing.
    switch (buttons) {
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel: return MessageAnswer::Cancel;
    case MessageButtons::Ok: break;
    }
    return MessageAnswer::Ok;
}

// Window managers shorten a title that is wider than its window, and a box with a short
// question is narrow. The box is made wide enough for the title and the title bar's buttons.
void fitTitle(QMessageBox& box)
{
    constexpr int TitleBarButtons = 120;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + TitleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QtMessageService::QtMessageService(HelpOpener openHelp) : m_openHelp(std::move(openHelp)) {}

MessageAnswer QtMessageService::show(const Message& message)
{
    QMessageBox box(boxIcon(message.icon),
                    message.title.isEmpty() ? applicationTitle() : message.title, message.text,
                    boxButtons(message.buttons), dialogOwner(message.window));
    if (message.helpContext != 0 && m_openHelp) {
        QPushButton* help = box.addButton(QMessageBox::Help);
        // Keep the box open while the help topic is shown.
        help->disconnect();
        QObject::connect(help, &QPushButton::clicked, &box,
                         [this, context = message.helpContext] { m_openHelp(context); });
    }
    fitTitle(box);
    return answerOf(box.exec(), message.buttons);
}

} // namespace lexmint
