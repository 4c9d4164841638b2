// Must not compile: Emscripten's own GL headers would declare every WebGL call again.
#include <GLES2/gl2.h>
