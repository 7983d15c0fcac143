// TForm1: the main window, its five pages and the strip below them.
#pragma once

#include <QWidget>

class TGameInfo;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  // The activation sequence; the window runs it on every activation, the
  // report calls it directly.
  void FormActivate();

  TGameInfo& GameInfo1() { return *game_info_; }

  int BuildNumber = 0;

 protected:
  bool event(QEvent* event) override;

 private:
  TGameInfo* game_info_ = nullptr;
};
