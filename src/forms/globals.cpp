#include "globals.h"

ClockCalibration gCalibration;
QString gCharacterFolder;
