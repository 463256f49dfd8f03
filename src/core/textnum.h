// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// Small text and number helpers shared by the clock, the files and the dialogs.

// The decimal number at the start of a text. Blanks are ignored, an optional sign
// and digits with at most one decimal point are taken, any other character ends the
// number. A text that does not begin with a number is worth 0.
double NumberValue(QStringView text);

// The number value of the characters at positions first..first+count-1 (counting
// from 1). Positions past the end of the text hold nothing.
double PieceValue(QStringView text, int first, int count);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Whole-number conversion with ties to even. A value outside the integer's range
// throws KelvaraError("Overflow").
int16_t ToInt16(double value);
int32_t ToInt32(double value);

// Whole-number conversion for values known to be small (pieces of date and time
// texts): ties to even, no range error.
int64_t ToInt64Clamped(double value);

// How much of the start of `text`, at most `units` UTF-16 units, ends between two
// whole characters (grapheme clusters): a cut there never parts the halves of an emoji,
// a letter from its accent or the two letters of a flag.
qsizetype WholeCharacters(const QString& text, qsizetype units);
