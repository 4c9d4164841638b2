#pragma once

// Idle events per second of a headless session: a fresh GameSession driven by Idle events
// alone, its tick counter moved 16 ms per event (a 60 Hz loop), so pieces fall, lock, and the
// game restarts as the well fills. Needs a current GL context and the image files.
double idleEventsPerSecond(double seconds);
