// The window program: the main window, the two small windows hidden, the message loop.
#include <QApplication>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The layout's pixel places were drawn for classic controls: group box
  // titles on the frame line, bevelled panels on the button face.
  QApplication::setStyle(QStringLiteral("Windows"));
  // The first window is the main one: its closing ends the program.
  TForm1 form1;
  TForm2 form2;
  TForm3 form3;
  form1.show();
  // Without a window manager nothing would hand the new window the focus,
  // and it is the activation that fills every page.
  form1.activateWindow();
  return QApplication::exec();
}
