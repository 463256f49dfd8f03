#include "globals.h"

ClockCalibration gCalibration;
QString gCharacterFolder;
CharacterRecord gCharacter;
clsStat gStatTable;
clsItem gItemTable;
