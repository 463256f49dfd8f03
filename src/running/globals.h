// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/gameclock.h"
#include "db/clsitem.h"
#include "db/clsstat.h"
#include "files/character.h"

#include <QString>

// The program-wide state, owned by the main window for the whole run.

// The latest real moment and the game moment that belongs to it.
extern ClockCalibration gCalibration;
// The folder the character-file dialog starts in.
extern QString gCharacterFolder;
// The character file read last.
extern CharacterRecord gCharacter;
// The game's stats and items in use: loaded from the game database at start, and again
// when it changes while the program runs.
extern clsStat gStatTable;
extern clsItem gItemTable;

// The game database in the program folder.
QString GameDatabasePath();
