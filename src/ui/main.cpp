#include "ui/AnalyseCommand.h"
#include "ui/Program.h"

#include <QApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    // The review of a record on the command line needs no display: it runs before Qt.
    if (auto status = wuzi::RunAnalyseCommand(argc, argv, std::cout, std::cerr)) return *status;
    QApplication app(argc, argv);
    wuzi::SetUpApplication();
    wuzi::Program program;
    program.start();
    return app.exec();
}
