#pragma once
// A 4x3 transform in the host's row-vector convention: a point p maps to p * M, so the rows are the
// images of the X, Y and Z axes and the fourth row is the translation. RotateX/Y/Z, Translate and
// Scale apply after the transform so far (M := M * R).

#include "hostsdk/Point3.h"
#include "win32/types.h"

// Flags that say which parts of a matrix are known to be the identity.
constexpr DWORD POS_IDENT = 1;
constexpr DWORD ROT_IDENT = 2;
constexpr DWORD SCL_IDENT = 4;
constexpr DWORD MAT_IDENT = POS_IDENT | ROT_IDENT | SCL_IDENT;

class Matrix3
{
public:
    // The identity.
    Matrix3() { IdentityMatrix(); }
    // With a non-zero argument the identity; with 0 all zeros and no flags.
    explicit Matrix3(int init);
    Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& row3);

    void IdentityMatrix();
    void Zero();

    Point3 GetRow(int i) const { return m_rows[i & 3]; }
    // Sets a row; the flags are recomputed.
    void SetRow(int i, const Point3& p);
    Point3 GetTrans() const { return m_rows[3]; }
    // Sets the translation and clears POS_IDENT.
    void SetTrans(const Point3& p);
    void NoTrans();

    DWORD GetIdentFlags() const { return m_flags; }
    void SetIdentFlags(DWORD flags) { m_flags = flags & MAT_IDENT; }
    void ClearIdentFlag(DWORD flags) { m_flags &= ~flags; }
    // Recomputes the flags from the values.
    void ValidateFlags();
    bool IsIdentity() const;

    void RotateX(float angle);
    void RotateY(float angle);
    void RotateZ(float angle);
    void Translate(const Point3& p);
    // Scales the axes; the translation only when trans is non-zero.
    void Scale(const Point3& s, BOOL trans = FALSE);
    // Makes the matrix the pure scale s.
    void SetScale(const Point3& s);

    Matrix3 operator*(const Matrix3& m) const;
    Matrix3& operator*=(const Matrix3& m) { return *this = *this * m; }
    bool operator==(const Matrix3& m) const;
    bool Equals(const Matrix3& m, float epsilon = 1e-5f) const;

private:
    Point3 m_rows[4];
    DWORD m_flags = MAT_IDENT;
};

// A point through the whole transform.
Point3 operator*(const Point3& p, const Matrix3& m);
// A vector through the rotation and scale only.
Point3 VectorTransform(const Matrix3& m, const Point3& v);
Point3 VectorTransform(const Point3& v, const Matrix3& m);
// The inverse transform; a singular matrix gives the identity.
Matrix3 Inverse(const Matrix3& m);
Matrix3 ScaleMatrix(const Point3& s);
Matrix3 TransMatrix(const Point3& p);
Matrix3 RotateXMatrix(float angle);
Matrix3 RotateYMatrix(float angle);
Matrix3 RotateZMatrix(float angle);
