#include "bench/raw_stream.h"

#include "bench/full_well_scene.h"
#include "render/gl_api.h"

namespace {

// The screen layout the game uses: the well's top-left corner, its 30-pixel cells, the block
// atlas (128 pixels, blocks of 32 with the sprite one pixel inside), the read-out's places.
constexpr float kWellX = 50.0f;
constexpr float kWellY = 44.0f;
constexpr int kCell = 30;
constexpr float kAtlas = 128.0f;
constexpr float kReadoutX = 400.0f;
constexpr float kDigitsX = 464.0f;
constexpr float kDigitPitch = 32.0f;
constexpr float kScoreY = 100.0f;
constexpr float kLevelY = 140.0f;

// Cell sprites of colour k: the block in column k % 4 and block row 2 * (k / 4) of the atlas,
// the darker shade one block row below.
RawFrameStream::Quad cellQuad(std::uint32_t atlas, std::size_t colour, bool dark, float x,
                              float y) {
    const int column = static_cast<int>(colour % 4);
    const int row = static_cast<int>(colour / 4) * 2 + (dark ? 1 : 0);
    const float s0 = static_cast<float>(32 * column + 1) / kAtlas;
    const float t0 = static_cast<float>(32 * row + 1) / kAtlas;
    const float side = static_cast<float>(kCell) / kAtlas;
    return {atlas, x, y, 15.0f, 15.0f, s0, t0, s0 + side, t0 + side, kCell, kCell};
}

RawFrameStream::Quad imageQuad(std::uint32_t texture, std::int16_t w, std::int16_t h, float x,
                               float y) {
    return {texture, x, y, w / 2.0f, h / 2.0f, 0.0f, 0.0f, 1.0f, 1.0f, w, h};
}

void transform(float x, float y, float px, float py) {
    glTranslatef(x, y, 0.0f);
    glTranslatef(px, py, 0.0f);
    glRotatef(0.0f, 0.0f, 0.0f, 1.0f);
    glScalef(1.0f, 1.0f, 0.0f);
    glTranslatef(-px, -py, 0.0f);
}

void issue(const RawFrameStream::Quad& q) {
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, q.texture);
    transform(q.x, q.y, q.px, q.py);
    glBegin(GL_QUADS);
    glTexCoord2f(q.s0, q.t0);
    glVertex2s(0, 0);
    glTexCoord2f(q.s1, q.t0);
    glVertex2s(q.w, 0);
    glTexCoord2f(q.s1, q.t1);
    glVertex2s(q.w, q.h);
    glTexCoord2f(q.s0, q.t1);
    glVertex2s(0, q.h);
    glEnd();
    glFlush();
    glPopMatrix();
}

void issueAll(const std::vector<RawFrameStream::Quad>& quads) {
    for (const RawFrameStream::Quad& quad : quads)
        issue(quad);
}

}  // namespace

RawFrameStream::RawFrameStream(const Textures& textures) {
    well_ = Group{kWellX, kWellY, 0.0f, 0.0f};
    for (int row = 0; row < FullWell::kRows; ++row) {
        for (int column = 0; column < FullWell::kColumns; ++column) {
            const float x = static_cast<float>(column * kCell);
            const float y = static_cast<float>(row * kCell);
            background_.push_back(cellQuad(textures.atlas, 0, true, x, y));
            blocks_.push_back(cellQuad(textures.atlas, FullWell::blockColour(column, row), true,
                                       kWellX + x, kWellY + y));
        }
    }
    // Shape 0 (.#. over ###) at cell (5, 0), turning about its cell (1, 0); plain colour 1.
    piece_ = Group{kWellX + 5 * kCell, kWellY, 1.5f * kCell, 0.5f * kCell};
    const int shape[4][2] = {{1, 0}, {0, 1}, {1, 1}, {2, 1}};
    for (const auto& cell : shape) {
        pieceCells_.push_back(cellQuad(textures.atlas, 1, false,
                                       static_cast<float>(cell[0] * kCell),
                                       static_cast<float>(cell[1] * kCell)));
    }
    // Score 00000, level 1.
    readout_.push_back(imageQuad(textures.scoreLabel, 64, 32, kReadoutX, kScoreY));
    for (int n = 0; n < 5; ++n)
        readout_.push_back(
            imageQuad(textures.digits[0], 32, 32, kDigitsX + kDigitPitch * n, kScoreY));
    readout_.push_back(imageQuad(textures.levelLabel, 64, 32, kReadoutX, kLevelY));
    readout_.push_back(imageQuad(textures.digits[1], 32, 32, kDigitsX, kLevelY));
}

void RawFrameStream::draw() const {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glPushMatrix();
    transform(well_.x, well_.y, well_.px, well_.py);
    issueAll(background_);
    glPopMatrix();
    issueAll(blocks_);
    glPushMatrix();
    transform(piece_.x, piece_.y, piece_.px, piece_.py);
    issueAll(pieceCells_);
    glPopMatrix();
    issueAll(readout_);
}

std::size_t RawFrameStream::quadCount() const {
    return background_.size() + blocks_.size() + pieceCells_.size() + readout_.size();
}
