#include "render/sprite.h"

#include "render/gl_api.h"

namespace {

SpriteRect wholeOf(const Texture* texture) {
    return SpriteRect{0, 0, static_cast<std::int16_t>(texture->width()),
                      static_cast<std::int16_t>(texture->height())};
}

}  // namespace

Sprite::Sprite(SpriteRect rect, const Texture* texture) : rect_(rect), texture_(texture) {
    pivot = ScreenPoint{static_cast<std::int16_t>(rect.width / 2),
                        static_cast<std::int16_t>(rect.height / 2)};
    if (texture_ == nullptr)
        return;  // a sprite that is only laid out, never drawn
    const float texW = static_cast<float>(texture_->width());
    const float texH = static_cast<float>(texture_->height());
    s0_ = static_cast<float>(rect_.x) / texW;
    t0_ = static_cast<float>(rect_.y) / texH;
    s1_ = s0_ + static_cast<float>(rect_.width) / texW;
    t1_ = t0_ + static_cast<float>(rect_.height) / texH;
}

Sprite::Sprite(const Texture* texture) : Sprite(wholeOf(texture), texture) {}

void Sprite::draw(std::int16_t x, std::int16_t y) {
    glPushMatrix();
    texture_->bind();
    applyTransform(x, y);

    const GLshort w = rect_.width;
    const GLshort h = rect_.height;

    // No colour is set: the default white lets the texels through to blending unchanged.
    glBegin(GL_QUADS);
    glTexCoord2f(s0_, t0_);
    glVertex2s(0, 0);
    glTexCoord2f(s1_, t0_);
    glVertex2s(w, 0);
    glTexCoord2f(s1_, t1_);
    glVertex2s(w, h);
    glTexCoord2f(s0_, t1_);
    glVertex2s(0, h);
    glEnd();
    glFlush();
    glPopMatrix();
}
