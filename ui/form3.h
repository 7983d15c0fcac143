// TForm3: the download notice window, created hidden at start and shown while a download runs.
#pragma once

#include <QWidget>

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
};

// The download notice window the program body created, or nullptr.
TForm3* FindForm3();
