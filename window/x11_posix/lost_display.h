#pragma once

// When the X server goes away under the game, Xlib's last word is a terse "X connection to :N
// broken". This puts it in the game's own words and ends the program with exit code 1, without
// running anything (destructors, exit handlers) that could call into X again.
void explainALostDisplay();
