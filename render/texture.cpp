#include "render/texture.h"

#include "render/gl_api.h"

Texture::Texture(std::int32_t width, std::int32_t height, const std::uint8_t* pixels)
    : width_(width), height_(height) {
    GLuint generated = 0;
    glGenTextures(1, &generated);
    name_ = generated;
    glBindTexture(GL_TEXTURE_2D, name_);
    // Rows are packed without padding whatever the width.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(GL_CLAMP));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(GL_CLAMP));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_LINEAR));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLfloat>(GL_LINEAR));
    glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

Texture::~Texture() {
    GLuint doomed = name_;
    glDeleteTextures(1, &doomed);
}

void Texture::bind() const {
    glBindTexture(GL_TEXTURE_2D, name_);
}
