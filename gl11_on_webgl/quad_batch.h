#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gl11_on_webgl/matrix4.h"
#include "gl11_on_webgl/texel_exact.h"

// One corner of a quad as WebGL draws it: already in clip space, with its texture coordinates.
struct QuadVertex {
    float clip[4];
    float texCoord[2];
};

// Quads that follow one another with the same texture, drawn by one call; `exact` when every
// one of them samples only texel centres (texel_exact.h).
struct QuadRun {
    std::uint32_t texture = 0;  // 0: untextured
    bool exact = false;
    std::size_t firstQuad = 0;
    std::size_t quads = 0;
};

// The quads of glBegin(GL_QUADS) .. glEnd gathered over a frame, in the order they were given,
// so that they reach WebGL as one upload and one draw call for each change of texture.
// Limits: kMaxQuads quads before the batch must be drawn and cleared, so that 16-bit indices
// reach every vertex.
class QuadBatch {
  public:
    static constexpr std::size_t kMaxQuads = 65536 / 4;

    // Opens a primitive whose quads take `texture` (0: none), laid on `grid`.
    void begin(std::uint32_t texture, const TexelGrid& grid);
    // A corner at (x, y, 0, 1), taken to clip space by `toClip`. Every fourth one of a
    // primitive completes a quad.
    void vertex(const Matrix4& toClip, float x, float y, float s, float t);
    // Closes the primitive; corners of a quad left unfinished are dropped, as GL drops them.
    void end();

    bool empty() const { return runs_.empty(); }
    bool full() const { return quadCount() == kMaxQuads; }
    std::size_t quadCount() const { return vertices_.size() / 4; }
    const std::vector<QuadVertex>& vertices() const { return vertices_; }
    const std::vector<QuadRun>& runs() const { return runs_; }

    // Forgets the quads once drawn; an open primitive stays open.
    void clear();

  private:
    std::vector<QuadVertex> vertices_;
    std::vector<QuadRun> runs_;
    QuadVertex corners_[4] = {};
    std::size_t cornersGiven_ = 0;
    std::uint32_t texture_ = 0;
    TexelGrid grid_;
};
