// TGameInfo: facts about the computer and the operating system, collected once when created.
#pragma once

#include <QObject>

class TGameInfo : public QObject {
  Q_OBJECT

 public:
  explicit TGameInfo(QObject* parent = nullptr);
};
