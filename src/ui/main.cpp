#include "ui/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    trovanta::ui::startTrovanta();
    const int rc = app.exec();
    trovanta::ui::stopTrovanta();
    return rc;
}
