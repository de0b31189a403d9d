// The yardstick for start-up: an empty Qt dialog of the main window's size.
#include "FirstPaint.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog window;
    window.setFixedSize(992, 669);
    FirstPaint done(&window);
    window.show();
    return app.exec();
}
