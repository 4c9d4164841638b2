#pragma once

// A 4x4 matrix as fixed-function GL keeps it: column-major floats, multiplied onto the right of
// the current one by each transform call.
struct Matrix4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Matrix4 translation(float x, float y, float z);
    // `degrees` counter-clockwise about the axis (x, y, z), which need not be of unit length;
    // an axis of no length gives the identity.
    static Matrix4 rotation(float degrees, float x, float y, float z);
    static Matrix4 scaling(float x, float y, float z);
    static Matrix4 ortho(double left, double right, double bottom, double top, double near,
                         double far);

    float at(int row, int column) const { return m[column * 4 + row]; }
    float& at(int row, int column) { return m[column * 4 + row]; }
};

Matrix4 operator*(const Matrix4& a, const Matrix4& b);
