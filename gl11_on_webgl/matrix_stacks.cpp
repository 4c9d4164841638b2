#include "gl11_on_webgl/matrix_stacks.h"

MatrixStacks::MatrixStacks() : modelView_(1), projection_(1) {
    modelView_.reserve(kDepth);
    projection_.reserve(kDepth);
}

bool MatrixStacks::push() {
    auto& matrices = stack();
    if (matrices.size() >= kDepth)
        return false;
    matrices.push_back(matrices.back());
    return true;
}

bool MatrixStacks::pop() {
    auto& matrices = stack();
    if (matrices.size() <= 1)
        return false;
    matrices.pop_back();
    toClipStale_ = true;
    return true;
}

void MatrixStacks::loadIdentity() {
    stack().back() = Matrix4{};
    toClipStale_ = true;
}

void MatrixStacks::multiply(const Matrix4& by) {
    stack().back() = stack().back() * by;
    toClipStale_ = true;
}

const Matrix4& MatrixStacks::top(Mode mode) const {
    return mode == Mode::ModelView ? modelView_.back() : projection_.back();
}

const Matrix4& MatrixStacks::toClip() {
    if (toClipStale_) {
        toClip_ = projection_.back() * modelView_.back();
        toClipStale_ = false;
    }
    return toClip_;
}
