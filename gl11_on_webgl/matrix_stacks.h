#pragma once

#include <cstddef>
#include <vector>

#include "gl11_on_webgl/matrix4.h"

// The model-view and projection matrix stacks of fixed-function GL, kept on the CPU, and their
// product, which takes a vertex straight to clip space.
// Limits: 32 matrices a stack, as desktop drivers give; push and pop beyond that are refused.
class MatrixStacks {
  public:
    enum class Mode { ModelView, Projection };
    static constexpr std::size_t kDepth = 32;

    MatrixStacks();

    void select(Mode mode) { mode_ = mode; }
    Mode selected() const { return mode_; }

    // Both answer false, and change nothing, where GL would raise a stack overflow or underflow.
    bool push();
    bool pop();

    void loadIdentity();
    // The current matrix becomes current x `by`, as glTranslate, glRotate, glScale and glOrtho do.
    void multiply(const Matrix4& by);

    const Matrix4& top(Mode mode) const;
    // Projection x model-view, worked out again only after either changed.
    const Matrix4& toClip();

  private:
    std::vector<Matrix4>& stack() { return mode_ == Mode::ModelView ? modelView_ : projection_; }

    std::vector<Matrix4> modelView_;
    std::vector<Matrix4> projection_;
    Mode mode_ = Mode::ModelView;
    Matrix4 toClip_;
    bool toClipStale_ = false;
};
