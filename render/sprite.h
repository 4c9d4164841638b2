#pragma once

#include <cstdint>

#include "render/drawable.h"
#include "render/texture.h"

// A rectangle of a texture, in texture pixels from its top-left corner.
struct SpriteRect {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// A textured rectangle cut from a texture it does not own. A plain value: copies share the
// texture. At scale 1 it covers rect.width x rect.height screen pixels whatever the texture size.
class Sprite : public Drawable {
  public:
    // The pivot starts in the middle of the rectangle (a 30x30 sprite turns about (15, 15)).
    Sprite(SpriteRect rect, const Texture* texture);
    // The whole texture.
    explicit Sprite(const Texture* texture);

    void draw(std::int16_t x, std::int16_t y) override;

    std::int16_t width() const { return rect_.width; }
    std::int16_t height() const { return rect_.height; }
    const SpriteRect& rect() const { return rect_; }
    const Texture* texture() const { return texture_; }

  private:
    SpriteRect rect_;
    const Texture* texture_;
    // The rectangle in texture coordinates, worked out once: neither the rectangle nor the
    // texture's size changes, and a frame draws some 330 sprites.
    float s0_ = 0.0f;
    float t0_ = 0.0f;
    float s1_ = 0.0f;
    float t1_ = 0.0f;
};
