// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drop-down boxes as screen readers should hear them, on every Qt version the program builds
// with: named by their accessible name or the caption tied to them (Qt on Linux names a
// drop-down by its shown text, which says nothing of what it chooses), their shown text as
// their value. An editable box also offers, after its text part, a list of found names that
// pops up under it (ItemFinder's), so that a screen reader can reach the names listed there.
// Called before the window's boxes are first asked for by a screen reader (from its constructor).
void NameDropDowns();
