#pragma once

#include <cstdint>
#include <vector>

#include "gl11_on_webgl/quad_batch.h"

// How a texture is sampled beyond what WebGL's own sampler does: GL_CLAMP on an axis blends
// the edge texels with the (black, transparent) border under linear filtering, which WebGL's
// clamping to the edge does not.
struct TextureSampling {
    float width = 0;
    float height = 0;
    bool clampS = false;
    bool clampT = false;
};

// Draws gathered quads with WebGL 1: one vertex upload, then one indexed draw call for each run
// of quads that share a texture, sampled as fixed-function GL_MODULATE does with the colour left
// white: linearly, with GL_CLAMP's border, or, for runs that sample only texel centres, by the
// nearest texel through a plainer shader (texel_exact.h), which draws the same for less work.
// Needs: the WebGL context current; it keeps its program, buffers and attribute arrays bound,
// so nothing else may change those (nothing else in the program uses them).
class WebGLQuads {
  public:
    // `textures` is indexed by texture name. Leaves `boundTexture` bound, as the caller had it.
    void draw(const QuadBatch& batch, const std::vector<TextureSampling>& textures,
              std::uint32_t boundTexture);

  private:
    void prepare();
    void coverIndices(std::size_t quads);
    void use(std::uint32_t program);

    bool prepared_ = false;
    std::uint32_t linear_ = 0;  // programs
    std::uint32_t exact_ = 0;
    std::uint32_t inUse_ = 0;
    int clampSize_ = -1;       // the linear program's uniform
    std::uint32_t white_ = 0;  // a texel of white, for quads drawn untextured
    std::uint32_t vertexBuffer_ = 0;
    std::uint32_t indexBuffer_ = 0;
    std::size_t indexedQuads_ = 0;
};
