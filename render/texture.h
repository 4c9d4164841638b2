#pragma once

#include <cstdint>

// One OpenGL 2D texture made from 8-bit RGBA pixels, rows top first. Created and deleted only
// while a GL context is current; never copied.
class Texture {
  public:
    // pixels: width * height * 4 bytes. GL copies them, so the caller may free them on return.
    // The new texture is left bound.
    Texture(std::int32_t width, std::int32_t height, const std::uint8_t* pixels);
    virtual ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    void bind() const;
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::uint32_t name() const { return name_; }

  private:
    std::int32_t width_;
    std::int32_t height_;
    std::uint32_t name_ = 0;
};
