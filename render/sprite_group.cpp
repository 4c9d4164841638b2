#include "render/sprite_group.h"

#include "render/gl_api.h"

void SpriteGroup::addChild(Drawable* drawable, std::int16_t x, std::int16_t y) {
    children_.push_back(GroupChild{drawable, x, y});
}

void SpriteGroup::draw(std::int16_t x, std::int16_t y) {
    glPushMatrix();
    applyTransform(x, y);
    // Each child pushes inside the group's matrix, so its transform composes with the group's.
    for (const GroupChild& child : children_) {
        child.drawable->draw(child.x, child.y);
    }
    glPopMatrix();
}
