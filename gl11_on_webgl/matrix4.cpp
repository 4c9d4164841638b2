#include "gl11_on_webgl/matrix4.h"

#include <cmath>

#include "maths/pi.h"

Matrix4 Matrix4::translation(float x, float y, float z) {
    Matrix4 t;
    t.at(0, 3) = x;
    t.at(1, 3) = y;
    t.at(2, 3) = z;
    return t;
}

Matrix4 Matrix4::rotation(float degrees, float x, float y, float z) {
    Matrix4 r;
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f)
        return r;
    x /= length;
    y /= length;
    z /= length;
    const float radians = degrees * static_cast<float>(kPi / 180.0);
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float k = 1.0f - c;
    r.at(0, 0) = x * x * k + c;
    r.at(0, 1) = x * y * k - z * s;
    r.at(0, 2) = x * z * k + y * s;
    r.at(1, 0) = y * x * k + z * s;
    r.at(1, 1) = y * y * k + c;
    r.at(1, 2) = y * z * k - x * s;
    r.at(2, 0) = x * z * k - y * s;
    r.at(2, 1) = y * z * k + x * s;
    r.at(2, 2) = z * z * k + c;
    return r;
}

Matrix4 Matrix4::scaling(float x, float y, float z) {
    Matrix4 s;
    s.at(0, 0) = x;
    s.at(1, 1) = y;
    s.at(2, 2) = z;
    return s;
}

Matrix4 Matrix4::ortho(double left, double right, double bottom, double top, double near,
                       double far) {
    Matrix4 o;
    o.at(0, 0) = static_cast<float>(2.0 / (right - left));
    o.at(1, 1) = static_cast<float>(2.0 / (top - bottom));
    o.at(2, 2) = static_cast<float>(-2.0 / (far - near));
    o.at(0, 3) = static_cast<float>(-(right + left) / (right - left));
    o.at(1, 3) = static_cast<float>(-(top + bottom) / (top - bottom));
    o.at(2, 3) = static_cast<float>(-(far + near) / (far - near));
    return o;
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a.at(row, k) * b.at(k, column);
            product.at(row, column) = sum;
        }
    }
    return product;
}
