#pragma once

// A key let go while Alt is held is a system key, as on Windows, and raises nothing; not with
// Ctrl held too: Ctrl+Alt is AltGr on many layouts, which types ordinary keys. Every backend
// that sees the modifiers itself asks this.
inline bool isSystemKey(bool altHeld, bool ctrlHeld) {
    return altHeld && !ctrlHeld;
}
