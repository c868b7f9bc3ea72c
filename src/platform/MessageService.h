#pragma once

#include <QString>

class QObject;

namespace lexmint {

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

/// A modal message box as the program asks for it. An empty title stands for the
/// application title; a non-zero help context adds a Help button that opens that help topic.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int helpContext = 0;
    /// The window that asks: the box belongs to it and stays over it. Without one, the box
    /// belongs to the window that is active.
    QObject* window = nullptr;
};

/// Shows message boxes. Windows and the store report to the user only through this seam,
/// so that tests can answer every box without a real modal dialog.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

} // namespace lexmint
