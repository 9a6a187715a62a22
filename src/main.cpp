#include <QApplication>
#include <QMainWindow>

#include "platform/Fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kelvane");
  platform::RegisterTahomaIfMissing();

  QMainWindow window;
  window.setWindowTitle("Child Support and Alimony Calculations");
  window.resize(800, 600);
  window.show();
  return app.exec();
}
