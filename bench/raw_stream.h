#pragma once

#include <cstdint>
#include <vector>

// The full-well frame as the bare stream of GL calls the drawing must issue, with no game
// object in the loop: a flat table of quads worked out once, then per frame nothing but GL.
// Every quad is issued as the drawing code issues a sprite: push, bind, translate to the
// position, translate to the pivot, rotate, scale, translate back, four textured vertices,
// glFlush, pop. The background cells and the piece's cells sit inside a group's push/pop with
// the group's own transform, as they do on screen.
class RawFrameStream {
  public:
    // GL texture names, each already holding its image: the 128 x 128 block atlas, the two
    // 64 x 32 labels and the ten 32 x 32 digits. Not owned.
    struct Textures {
        std::uint32_t atlas = 0;
        std::uint32_t scoreLabel = 0;
        std::uint32_t levelLabel = 0;
        std::uint32_t digits[10] = {};
    };

    explicit RawFrameStream(const Textures& textures);

    // Clears, loads the identity and issues the whole scene. Presenting is the caller's.
    void draw() const;

    // Quads per frame: 160 background cells, 160 blocks, 4 piece cells, 2 labels and 6 digits.
    std::size_t quadCount() const;

    struct Quad {
        std::uint32_t texture;
        float x, y;    // position
        float px, py;  // pivot
        float s0, t0, s1, t1;
        std::int16_t w, h;
    };
    struct Group {
        float x, y, px, py;
    };

  private:
    Group well_{};
    std::vector<Quad> background_;
    std::vector<Quad> blocks_;
    Group piece_{};
    std::vector<Quad> pieceCells_;
    std::vector<Quad> readout_;
};
