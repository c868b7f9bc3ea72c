#include "QtSoundService.h"

#include <QApplication>

namespace lexmint {

void QtSoundService::playAlert()
{
    QApplication::beep();
}

} // namespace lexmint
