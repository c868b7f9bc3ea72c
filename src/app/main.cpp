#include "app/Application.h"
#include "platform/AppIdentity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(lexmint::applicationTitle());
    QApplication::setOrganizationName(lexmint::organizationName());
    lexmint::Application program(QApplication::arguments().mid(1));
    program.start();
    return QApplication::exec();
}
