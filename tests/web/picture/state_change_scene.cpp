#include "tests/web/picture/state_change_scene.h"

#include <cstdint>

#include "render/gl_api.h"

namespace {

// Each quad is magnified to whole pixels, 32 to a texel: every fragment samples at a multiple of
// 1/32 of a texel, where the filter's weights are exact in both rasterisers.
constexpr GLshort kTexelPixels = 32;

void setParameter(GLenum name, GLenum value) {
    glTexParameterf(GL_TEXTURE_2D, name, static_cast<GLfloat>(value));
}

// Linearly filtered; GL's default wrap (repeat) until clamped.
GLuint texture(GLsizei width, GLsizei height, const std::uint8_t* pixels, bool clamp) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    setParameter(GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    setParameter(GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (clamp) {
        setParameter(GL_TEXTURE_WRAP_S, GL_CLAMP);
        setParameter(GL_TEXTURE_WRAP_T, GL_CLAMP);
    }
    glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    return name;
}

// Opposite edges apart in colour and alpha, so wrapping, the border and blending each show.
const std::uint8_t kCorners[2 * 2 * 4] = {255, 0, 0,   255, 0,   255, 0, 128,
                                          0,   0, 255, 255, 255, 255, 0, 64};

// Three texels a row, rows 8-byte aligned: the first row is followed by four bytes of padding
// (white) that an alignment of 4 would read as the second row's first texel.
const std::uint8_t kPaddedRows[16 + 12] = {255, 0,   0,   255, 0,   255, 0,   255, 0, 0,
                                           255, 255, 255, 255, 255, 255, 255, 255, 0, 255,
                                           0,   255, 255, 255, 255, 0,   255, 255};

}  // namespace

void texturedQuad(GLshort x, GLshort y, GLshort width, GLshort height) {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2s(x, y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2s(static_cast<GLshort>(x + width), y);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2s(static_cast<GLshort>(x + width), static_cast<GLshort>(y + height));
    glTexCoord2f(0.0f, 1.0f);
    glVertex2s(x, static_cast<GLshort>(y + height));
    glEnd();
}

void drawStateChangeScene() {
    const GLuint corners = texture(2, 2, kCorners, false);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    const GLuint padded = texture(3, 2, kPaddedRows, true);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLuint imageless = 0;
    glGenTextures(1, &imageless);
    glLoadIdentity();
    const GLshort side = 2 * kTexelPixels;

    // A quad the clear after it wipes out.
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glClear(GL_COLOR_BUFFER_BIT);
    texturedQuad(40, 240, side, side);
    glClear(GL_COLOR_BUFFER_BIT);

    // Repeating, then clamped with the border weighing in over the outer half texel.
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, corners);
    texturedQuad(40, 40, side, side);
    setParameter(GL_TEXTURE_WRAP_S, GL_CLAMP);
    setParameter(GL_TEXTURE_WRAP_T, GL_CLAMP);
    texturedQuad(140, 40, side, side);

    // Added whole, then weighed by alpha.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    texturedQuad(240, 40, side, side);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    texturedQuad(340, 40, side, side);
    glDisable(GL_BLEND);

    // White with the texture bound but texturing off, textured again once it is on; white again
    // from a texture that has no image.
    glDisable(GL_TEXTURE_2D);
    texturedQuad(40, 140, side, side);
    glEnable(GL_TEXTURE_2D);
    texturedQuad(140, 140, side, side);
    glBindTexture(GL_TEXTURE_2D, imageless);
    texturedQuad(240, 140, side, side);

    glBindTexture(GL_TEXTURE_2D, padded);
    texturedQuad(340, 140, 3 * kTexelPixels, side);

    glEnable(GL_BLEND);
    const GLuint names[3] = {corners, padded, imageless};
    glDeleteTextures(3, names);
}
