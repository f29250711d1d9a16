// Quillfret Pro.
#include <QApplication>

#include "DisplayPlatform.h"
#include "modMain.h"

int main(int argc, char** argv) {
    DisplayPlatform::PreferX11(argc, argv);
    QApplication app(argc, argv);
    modMain::DescribeApplication();
    return modMain::Main(app);
}
