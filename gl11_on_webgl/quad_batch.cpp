#include "gl11_on_webgl/quad_batch.h"

void QuadBatch::begin(std::uint32_t texture, const TexelGrid& grid) {
    texture_ = texture;
    grid_ = grid;
    cornersGiven_ = 0;
}

void QuadBatch::vertex(const Matrix4& toClip, float x, float y, float s, float t) {
    QuadVertex& corner = corners_[cornersGiven_++];
    for (int row = 0; row < 4; ++row)
        corner.clip[row] = toClip.at(row, 0) * x + toClip.at(row, 1) * y + toClip.at(row, 3);
    corner.texCoord[0] = s;
    corner.texCoord[1] = t;
    if (cornersGiven_ < 4)
        return;
    cornersGiven_ = 0;
    vertices_.insert(vertices_.end(), corners_, corners_ + 4);
    const bool exact = texture_ != 0 && samplesTexelCentres(corners_, grid_);
    if (!runs_.empty() && runs_.back().texture == texture_ && runs_.back().exact == exact) {
        ++runs_.back().quads;
        return;
    }
    runs_.push_back(QuadRun{texture_, exact, quadCount() - 1, 1});
}

void QuadBatch::end() {
    cornersGiven_ = 0;
}

void QuadBatch::clear() {
    vertices_.clear();
    runs_.clear();
}
