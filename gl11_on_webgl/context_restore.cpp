#include "gl11_on_webgl/context_restore.h"

#include <webgl/webgl1.h>

namespace {

void remakeTexture(TextureRecord& record) {
    emscripten_glGenTextures(1, &record.webglName);
    record.webglFilter = 0;
    emscripten_glBindTexture(GL_TEXTURE_2D, record.webglName);
    if (record.sampling.clampS)
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    if (record.sampling.clampT)
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // The filters are set at each draw (webgl_quads.cpp), so they need nothing here.
    if (record.sampling.width <= 0)
        return;
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(record.sampling.width),
                            static_cast<GLsizei>(record.sampling.height), 0, GL_RGBA,
                            GL_UNSIGNED_BYTE, record.image.empty() ? nullptr : record.image.data());
}

}  // namespace

void restoreContext(TextureTable& textures, const FixedState& state, std::uint32_t bound) {
    // The copies' rows follow one another without padding.
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    textures.forEach([](std::uint32_t, TextureRecord& record) { remakeTexture(record); });
    const TextureRecord* boundRecord = textures.find(bound);
    emscripten_glBindTexture(GL_TEXTURE_2D, boundRecord != nullptr ? boundRecord->webglName : 0);

    if (state.blend)
        emscripten_glEnable(GL_BLEND);
    emscripten_glBlendFunc(state.blendSource, state.blendDestination);
    emscripten_glClearColor(state.clearColour[0], state.clearColour[1], state.clearColour[2],
                            state.clearColour[3]);
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, state.unpackAlignment);
    emscripten_glPixelStorei(GL_PACK_ALIGNMENT, state.packAlignment);
    emscripten_glViewport(0, 0, state.viewWidth, state.viewHeight);
}
