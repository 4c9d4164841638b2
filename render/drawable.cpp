#include "render/drawable.h"

#include "render/gl_api.h"

void Drawable::applyTransform(std::int16_t x, std::int16_t y) const {
    const float px = static_cast<float>(pivot.x);
    const float py = static_cast<float>(pivot.y);
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glTranslatef(px, py, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    // z is scaled by 0: everything lies flat at depth 0.
    glScalef(scale, scale, 0.0f);
    glTranslatef(-px, -py, 0.0f);
}
