// SPDX-License-Identifier: GPL-3.0-or-later
#include "globals.h"

#include "db/moddb.h"
#include "files/oxlfiles.h"

ClockCalibration gCalibration;
QString gCharacterFolder;
CharacterRecord gCharacter;
clsStat gStatTable;
clsItem gItemTable;

QString GameDatabasePath()
{
    return ProgramFolder() + QLatin1String(GameDatabaseFileName);
}
