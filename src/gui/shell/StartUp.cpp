#include "gui/shell/StartUp.h"

#include <QApplication>

int runLumora(QApplication& application)
{
    return application.exec();
}
