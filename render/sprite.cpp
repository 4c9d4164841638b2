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
}

Sprite::Sprite(const Texture* texture) : Sprite(wholeOf(texture), texture) {}

void Sprite::draw(std::int16_t x, std::int16_t y) {
    glPushMatrix();
    texture_->bind();
    applyTransform(x, y);

    const float texW = static_cast<float>(texture_->width());
    const float texH = static_cast<float>(texture_->height());
    const float s0 = static_cast<float>(rect_.x) / texW;
    const float t0 = static_cast<float>(rect_.y) / texH;
    const float s1 = s0 + static_cast<float>(rect_.width) / texW;
    const float t1 = t0 + static_cast<float>(rect_.height) / texH;
    const GLshort w = rect_.width;
    const GLshort h = rect_.height;

    // No colour is set: the default white lets the texels through to blending unchanged.
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex2s(0, 0);
    glTexCoord2f(s1, t0);
    glVertex2s(w, 0);
    glTexCoord2f(s1, t1);
    glVertex2s(w, h);
    glTexCoord2f(s0, t1);
    glVertex2s(0, h);
    glEnd();
    glFlush();
    glPopMatrix();
}
