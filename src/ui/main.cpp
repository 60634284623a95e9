#include "ui/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    wuzi::SetUpApplication();
    wuzi::Program program;
    program.start();
    return app.exec();
}
