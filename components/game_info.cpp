// Collecting the system facts.
#include "components/game_info.h"

TGameInfo::TGameInfo(QObject* parent) : QObject(parent) { setObjectName("GameInfo1"); }
