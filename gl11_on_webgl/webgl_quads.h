#pragma once

#include <cstdint>
#include <vector>

#include "gl11_on_webgl/quad_batch.h"
#include "gl11_on_webgl/texture_table.h"

// Draws gathered quads with WebGL 1: one vertex upload, then one indexed draw call for each run
// of quads that share a texture, sampled as fixed-function GL_MODULATE does with the colour left
// white: linearly, with GL_CLAMP's border, or, for runs that sample only texel centres, by the
// nearest texel through a plainer shader (texel_exact.h), which draws the same for less work.
// Needs: the WebGL context current; it keeps its program, buffers and attribute arrays bound,
// so nothing else may change those (nothing else in the program uses them), and every binding of
// a texture goes through bindTexture.
class WebGLQuads {
  public:
    // The runs' textures are the program's names in `textures`. Draws nothing while the context
    // is lost.
    void draw(const QuadBatch& batch, TextureTable& textures);
    // Binds the WebGL texture (0: none) unless it is bound already: the program binds a texture
    // for every sprite, and WebGL needs one bound only to draw or to take an image or a
    // parameter.
    void bindTexture(std::uint32_t webglName);
    // What WebGL has bound is no longer known (a texture deleted, a context restored).
    void forgetBinding() { webglBound_ = kUnknown; }
    // The context was lost: what it held is gone, and the next draw makes it again.
    void forgetObjects();
    // Starts making the programs and buffers, when the context is current, so that the browser
    // compiles while the program starts; the first draw does it otherwise. False while the
    // context is lost.
    bool prepare();
    // A frame is presented, drawn or not: the programs' link is asked about once, a number of
    // frames after it was started.
    void countFrame();

  private:
    static constexpr std::uint32_t kUnknown = ~0u;

    void setFilter(TextureRecord& record, bool exact);
    void coverIndices(std::size_t quads);
    void use(std::uint32_t program);

    bool prepared_ = false;
    std::uint32_t linear_ = 0;  // programs
    std::uint32_t exact_ = 0;
    std::uint32_t inUse_ = 0;
    int framesToLinkCheck_ = 0;  // 0: checked
    std::uint32_t white_ = 0;    // a texel of white, for quads drawn untextured
    std::uint32_t vertexBuffer_ = 0;
    std::uint32_t indexBuffer_ = 0;
    std::size_t indexedQuads_ = 0;
    std::uint32_t webglBound_ = kUnknown;
};
