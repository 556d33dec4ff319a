// Starts 3D-Zendrix.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, "3D-Zendrix", "The main window is not built yet.");
    return 0;
}
