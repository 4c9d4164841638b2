#pragma once

// Stops the program where the drawing code makes a GL call, or passes a value, that the web
// translation does not take: better a loud stop, named in the console, than a wrong picture.
[[noreturn]] void refuseGLCall(const char* call, unsigned value);
