// TForm2: the privacy statement window, created hidden at start and only shown and hidden after.
#pragma once

#include <QWidget>

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);
};

// The privacy statement window the program body created, or nullptr.
TForm2* FindForm2();
