#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

namespace lexmint {

/// The icon of a toolbar button, by the button's key: "new", "open", "props", "add", "edit",
/// "find", "test", "options" or "help". The desktop's icon theme supplies it when the theme has
/// a fitting icon; the program's own artwork stands in otherwise. Null for any other key.
QIcon toolbarIcon(const QString& key);

/// The program's icon, for its windows.
QIcon applicationIcon();

/// The size of the program's picture in logical pixels.
inline constexpr QSize ProgramPictureSize{160, 121};

/// The program's picture at ProgramPictureSize, rendered at the device pixel ratio of the screen
/// that forScreen is on (of the application when forScreen is null), so that it stays sharp.
QPixmap programPicture(const QWidget* forScreen);

} // namespace lexmint
