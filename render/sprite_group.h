#pragma once

#include <cstdint>
#include <vector>

#include "render/drawable.h"

// One entry of a group: a drawable it does not own, at an offset in the group's own pixels.
struct GroupChild {
    Drawable* drawable = nullptr;
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Draws its entries, in the order added, under its own scale and rotation, so they turn and
// scale as one. The same drawable may appear in many entries. Copies share the drawables.
class SpriteGroup : public Drawable {
  public:
    SpriteGroup() = default;

    void addChild(Drawable* drawable, std::int16_t x, std::int16_t y);
    void draw(std::int16_t x, std::int16_t y) override;

    const std::vector<GroupChild>& children() const { return children_; }

  private:
    std::vector<GroupChild> children_;
};
