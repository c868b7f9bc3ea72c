#include "app/Application.h"
#include "app/UiLanguage.h"
#include "platform/AppIdentity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(lexmint::applicationTitle());
    QApplication::setOrganizationName(lexmint::organizationName());
    lexmint::installUiLanguage(app);
    // The arguments as bytes: a file name need not be valid text. Qt has taken out its own.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(argv[i]);
    lexmint::Application program(arguments);
    program.start();
    return QApplication::exec();
}
