#include "gui/shell/StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return runLumora(application);
}
