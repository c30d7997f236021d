#include "hostsdk/Matrix3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr float kHalfPi = 1.57079632679f;

void ExpectNear(const Point3& actual, const Point3& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}
} // namespace

TEST(Geometry, RotationsAndTranslationApplyAfterTheTransformSoFar)
{
    // Turned about X first, then about Z, then moved: the row-vector order.
    Matrix3 tm;
    tm.RotateX(kHalfPi);
    tm.RotateZ(kHalfPi);
    tm.Translate(Point3(10.0f, 0.0f, 0.0f));
    // (0,1,0) -X-> (0,0,1) -Z-> (0,0,1) -> (10,0,1)
    ExpectNear(Point3(0.0f, 1.0f, 0.0f) * tm, Point3(10.0f, 0.0f, 1.0f));
    // (1,0,0) -X-> (1,0,0) -Z-> (0,1,0) -> (10,1,0)
    ExpectNear(Point3(1.0f, 0.0f, 0.0f) * tm, Point3(10.0f, 1.0f, 0.0f));

    Matrix3 y;
    y.RotateY(kHalfPi);
    ExpectNear(Point3(0.0f, 0.0f, 1.0f) * y, Point3(1.0f, 0.0f, 0.0f));
}

TEST(Geometry, ScaleLeavesTheTranslationUnlessAsked)
{
    Matrix3 tm;
    tm.Translate(Point3(5.0f, 6.0f, 7.0f));
    Matrix3 kept = tm;
    kept.Scale(Point3(2.0f, 2.0f, 2.0f));
    ExpectNear(kept.GetTrans(), Point3(5.0f, 6.0f, 7.0f));
    ExpectNear(Point3(1.0f, 1.0f, 1.0f) * kept, Point3(7.0f, 8.0f, 9.0f));
    Matrix3 scaledToo = tm;
    scaledToo.Scale(Point3(2.0f, 2.0f, 2.0f), TRUE);
    ExpectNear(scaledToo.GetTrans(), Point3(10.0f, 12.0f, 14.0f));

    Matrix3 pure = tm;
    pure.SetScale(Point3(0.5f, 0.5f, 0.5f));
    ExpectNear(pure.GetTrans(), Point3());
    ExpectNear(Point3(2.0f, 4.0f, 6.0f) * pure, Point3(1.0f, 2.0f, 3.0f));
}

TEST(Geometry, InverseUndoesTheTransformAndVectorsIgnoreTranslation)
{
    Matrix3 tm;
    tm.Scale(Point3(2.0f, 3.0f, 4.0f));
    tm.RotateX(0.3f);
    tm.RotateY(-1.1f);
    tm.RotateZ(2.0f);
    tm.Translate(Point3(-4.0f, 9.0f, 1.5f));
    const Matrix3 inv = Inverse(tm);
    const Point3 p(1.25f, -2.0f, 3.5f);
    ExpectNear((p * tm) * inv, p);
    EXPECT_TRUE((tm * inv).Equals(Matrix3(), 1e-5f));

    Matrix3 moved;
    moved.Translate(Point3(100.0f, 0.0f, 0.0f));
    ExpectNear(VectorTransform(moved, Point3(0.0f, 0.0f, 1.0f)), Point3(0.0f, 0.0f, 1.0f));

    // A singular matrix has no inverse: the identity comes back rather than infinities.
    Matrix3 flat;
    flat.SetScale(Point3(1.0f, 0.0f, 1.0f));
    EXPECT_TRUE(Inverse(flat).IsIdentity());
}

TEST(Geometry, IdentityTranslationFlag)
{
    Matrix3 tm;
    EXPECT_EQ(tm.GetIdentFlags(), MAT_IDENT);
    tm.SetTrans(Point3());
    EXPECT_EQ(tm.GetIdentFlags() & POS_IDENT, 0u);
    tm.IdentityMatrix();
    tm.RotateZ(1.0f);
    EXPECT_NE(tm.GetIdentFlags() & POS_IDENT, 0u);
    EXPECT_EQ(tm.GetIdentFlags() & ROT_IDENT, 0u);
    tm.Translate(Point3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(tm.GetIdentFlags() & POS_IDENT, 0u);
    EXPECT_EQ(-Point3(1.0f, -2.0f, 3.0f), Point3(-1.0f, 2.0f, -3.0f));
    ExpectNear(Normalize(Point3(3, 0.0, 4.0f)), Point3(0.6f, 0.0f, 0.8f));
}
