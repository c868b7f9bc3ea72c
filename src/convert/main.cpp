#include "convert/ConvertCommand.h"
#include "shell/InstallRecord.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream output(stdout);
    QTextStream errors(stderr);
    lexmint::ConvertCommand command(output, errors);
    return command.run(QCoreApplication::arguments(), lexmint::InstallRecord().programDir());
}
