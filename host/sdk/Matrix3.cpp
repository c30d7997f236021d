#include "hostsdk/Matrix3.h"

#include <cmath>

Matrix3::Matrix3(int init)
{
    if (init)
        IdentityMatrix();
    else
        Zero();
}

Matrix3::Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& row3)
    : m_rows{row0, row1, row2, row3}
{
    ValidateFlags();
}

void Matrix3::IdentityMatrix()
{
    m_rows[0] = Point3(1.0f, 0.0f, 0.0f);
    m_rows[1] = Point3(0.0f, 1.0f, 0.0f);
    m_rows[2] = Point3(0.0f, 0.0f, 1.0f);
    m_rows[3] = Point3();
    m_flags = MAT_IDENT;
}

void Matrix3::Zero()
{
    for (Point3& row : m_rows)
        row = Point3();
    m_flags = 0;
}

void Matrix3::SetRow(int i, const Point3& p)
{
    m_rows[i & 3] = p;
    ValidateFlags();
}

void Matrix3::SetTrans(const Point3& p)
{
    m_rows[3] = p;
    m_flags &= ~POS_IDENT;
}

void Matrix3::NoTrans()
{
    m_rows[3] = Point3();
    m_flags |= POS_IDENT;
}

void Matrix3::ValidateFlags()
{
    m_flags = 0;
    if (m_rows[3] == Point3())
        m_flags |= POS_IDENT;
    const bool axesIdentity = m_rows[0] == Point3(1.0f, 0.0f, 0.0f) &&
                              m_rows[1] == Point3(0.0f, 1.0f, 0.0f) && m_rows[2] == Point3(0.0f, 0.0f, 1.0f);
    if (axesIdentity)
        m_flags |= ROT_IDENT | SCL_IDENT;
}

bool Matrix3::IsIdentity() const
{
    Matrix3 identity;
    return *this == identity;
}

Matrix3 RotateXMatrix(float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 m(Point3(1.0f, 0.0f, 0.0f), Point3(0.0f, c, s), Point3(0.0f, -s, c), Point3());
    m.SetIdentFlags(POS_IDENT | SCL_IDENT);
    return m;
}

Matrix3 RotateYMatrix(float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 m(Point3(c, 0.0f, -s), Point3(0.0f, 1.0f, 0.0f), Point3(s, 0.0f, c), Point3());
    m.SetIdentFlags(POS_IDENT | SCL_IDENT);
    return m;
}

Matrix3 RotateZMatrix(float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix3 m(Point3(c, s, 0.0f), Point3(-s, c, 0.0f), Point3(0.0f, 0.0f, 1.0f), Point3());
    m.SetIdentFlags(POS_IDENT | SCL_IDENT);
    return m;
}

Matrix3 TransMatrix(const Point3& p)
{
    Matrix3 m;
    m.SetTrans(p);
    return m;
}

Matrix3 ScaleMatrix(const Point3& s)
{
    Matrix3 m;
    m.SetScale(s);
    return m;
}

void Matrix3::RotateX(float angle)
{
    *this = *this * RotateXMatrix(angle);
}

void Matrix3::RotateY(float angle)
{
    *this = *this * RotateYMatrix(angle);
}

void Matrix3::RotateZ(float angle)
{
    *this = *this * RotateZMatrix(angle);
}

void Matrix3::Translate(const Point3& p)
{
    m_rows[3] += p;
    m_flags &= ~POS_IDENT;
}

void Matrix3::Scale(const Point3& s, BOOL trans)
{
    const int rows = trans ? 4 : 3;
    for (int i = 0; i < rows; ++i)
    {
        m_rows[i].x *= s.x;
        m_rows[i].y *= s.y;
        m_rows[i].z *= s.z;
    }
    m_flags &= ~SCL_IDENT;
    if (trans)
        m_flags &= ~POS_IDENT;
}

void Matrix3::SetScale(const Point3& s)
{
    m_rows[0] = Point3(s.x, 0.0f, 0.0f);
    m_rows[1] = Point3(0.0f, s.y, 0.0f);
    m_rows[2] = Point3(0.0f, 0.0f, s.z);
    m_rows[3] = Point3();
    m_flags = POS_IDENT | ROT_IDENT;
    if (s == Point3(1.0f, 1.0f, 1.0f))
        m_flags |= SCL_IDENT;
}

Matrix3 Matrix3::operator*(const Matrix3& m) const
{
    // A matrix flagged as the identity changes nothing: the other one, flags included, is the result.
    if (m_flags == MAT_IDENT && IsIdentity())
        return m;
    if (m.m_flags == MAT_IDENT && m.IsIdentity())
        return *this;
    Matrix3 r(0);
    for (int i = 0; i < 4; ++i)
    {
        const Point3& a = m_rows[i];
        r.m_rows[i] = m.m_rows[0] * a.x + m.m_rows[1] * a.y + m.m_rows[2] * a.z;
    }
    r.m_rows[3] += m.m_rows[3];
    r.m_flags = m_flags & m.m_flags;
    return r;
}

bool Matrix3::operator==(const Matrix3& m) const
{
    for (int i = 0; i < 4; ++i)
        if (!(m_rows[i] == m.m_rows[i]))
            return false;
    return true;
}

bool Matrix3::Equals(const Matrix3& m, float epsilon) const
{
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 3; ++k)
            if (std::fabs(m_rows[i][k] - m.m_rows[i][k]) > epsilon)
                return false;
    return true;
}

Point3 operator*(const Point3& p, const Matrix3& m)
{
    return m.GetRow(0) * p.x + m.GetRow(1) * p.y + m.GetRow(2) * p.z + m.GetRow(3);
}

Point3 VectorTransform(const Matrix3& m, const Point3& v)
{
    return m.GetRow(0) * v.x + m.GetRow(1) * v.y + m.GetRow(2) * v.z;
}

Point3 VectorTransform(const Point3& v, const Matrix3& m)
{
    return VectorTransform(m, v);
}

Matrix3 Inverse(const Matrix3& m)
{
    const Point3 a = m.GetRow(0);
    const Point3 b = m.GetRow(1);
    const Point3 c = m.GetRow(2);
    // Rows of the inverse of the 3x3 part: the cofactors divided by the determinant.
    const double det =
        static_cast<double>(a.x) * (static_cast<double>(b.y) * c.z - static_cast<double>(b.z) * c.y) -
        static_cast<double>(a.y) * (static_cast<double>(b.x) * c.z - static_cast<double>(b.z) * c.x) +
        static_cast<double>(a.z) * (static_cast<double>(b.x) * c.y - static_cast<double>(b.y) * c.x);
    if (det == 0.0 || !std::isfinite(det))
        return Matrix3();
    const double k = 1.0 / det;
    const Point3 r0((b.y * c.z - b.z * c.y) * k, (a.z * c.y - a.y * c.z) * k, (a.y * b.z - a.z * b.y) * k);
    const Point3 r1((b.z * c.x - b.x * c.z) * k, (a.x * c.z - a.z * c.x) * k, (a.z * b.x - a.x * b.z) * k);
    const Point3 r2((b.x * c.y - b.y * c.x) * k, (a.y * c.x - a.x * c.y) * k, (a.x * b.y - a.y * b.x) * k);
    Matrix3 inv(r0, r1, r2, Point3());
    const Point3 t = m.GetRow(3);
    inv.SetRow(3, -(r0 * t.x + r1 * t.y + r2 * t.z));
    inv.SetIdentFlags(m.GetIdentFlags());
    inv.ValidateFlags();
    return inv;
}
