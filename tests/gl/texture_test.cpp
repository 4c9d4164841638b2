#include <gtest/gtest.h>

#include <vector>

#include "render/gl_api.h"
#include "render/texture.h"
#include "tests/support/pixels.h"

namespace {

GLint boundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

TEST(Texture, UploadsPixelsTopRowFirstAndStaysBound) {
    std::vector<std::uint8_t> pixels(4 * 2 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i * 7);
    Texture texture(4, 2, pixels.data());
    EXPECT_EQ(texture.width(), 4);
    EXPECT_EQ(texture.height(), 2);
    EXPECT_NE(texture.name(), 0u);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(texture.name()));
    EXPECT_EQ(readBoundTexture(4, 2), pixels);

    GLfloat filter = 0, wrap = 0;
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(filter, static_cast<GLfloat>(GL_LINEAR));
    EXPECT_EQ(wrap, static_cast<GLfloat>(GL_CLAMP));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
}

TEST(Texture, DestroyingDeletesExactlyItsOwnName) {
    std::vector<std::uint8_t> pixels(16, 255);
    Texture keep(2, 2, pixels.data());
    GLuint doomedName = 0;
    {
        Texture doomed(2, 2, pixels.data());
        doomedName = doomed.name();
        EXPECT_TRUE(glIsTexture(doomedName));
    }
    EXPECT_FALSE(glIsTexture(doomedName));
    EXPECT_TRUE(glIsTexture(keep.name()));
    keep.bind();
    EXPECT_EQ(boundTexture(), static_cast<GLint>(keep.name()));
}

}  // namespace
