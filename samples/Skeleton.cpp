#include "Skeleton.h"

namespace ZANRET::Samples
{
namespace
{
// Standing at rest: 172 cm from the soles to the top of the head.
Skeleton Standing()
{
    Skeleton s;
    s.pelvis = {0, 0, 92};
    s.shoulderLine = {0, 0, 138};
    s.head = {0, 0, 161};
    for (int i = 0; i < 2; ++i)
    {
        const float side = i == 0 ? -1.0f : 1.0f;
        s.shoulder[i] = {side * 19, 0, 137};
        s.elbow[i] = {side * 23, 1, 112};
        s.wrist[i] = {side * 25, -2, 88};
        s.hand[i] = {side * 25, -3, 79};
        s.hip[i] = {side * 9, 0, 90};
        s.knee[i] = {side * 9, -1, 50};
        s.ankle[i] = {side * 9, 1, 8};
        s.toe[i] = {side * 10, -18, 3};
    }
    return s;
}

// Mid-stride: the right leg forward, the arms swinging against the legs.
Skeleton Walking()
{
    Skeleton s = Standing();
    s.pelvis.z = 90;
    s.shoulderLine.z = 136;
    s.head = {0, -2, 159};
    for (Vec3* joint : {&s.shoulder[0], &s.shoulder[1], &s.hip[0], &s.hip[1]})
        joint->z -= 2;
    s.knee = {Vec3{-9, -14, 50}, Vec3{9, 5, 49}};
    s.ankle = {Vec3{-9, -20, 8}, Vec3{9, 20, 12}};
    s.toe = {Vec3{-10, -38, 4}, Vec3{10, 4, 2}};
    s.elbow = {Vec3{-23, 9, 111}, Vec3{23, -8, 111}};
    s.wrist = {Vec3{-24, 15, 88}, Vec3{24, -19, 90}};
    s.hand = {Vec3{-24, 18, 79}, Vec3{24, -24, 82}};
    return s;
}

// On a seat 44 cm high, the thighs forward, the hands on them.
Skeleton Sitting()
{
    Skeleton s = Standing();
    const float drop = 92 - 52;
    s.pelvis.z -= drop;
    s.shoulderLine.z -= drop;
    s.head.z -= drop;
    for (int i = 0; i < 2; ++i)
    {
        const float side = i == 0 ? -1.0f : 1.0f;
        s.shoulder[i].z -= drop;
        s.hip[i] = {side * 9, 0, 51};
        s.knee[i] = {side * 10, -40, 51};
        s.ankle[i] = {side * 10, -42, 8};
        s.toe[i] = {side * 11, -60, 3};
        s.elbow[i] = {side * 23, -2, 74};
        s.wrist[i] = {side * 16, -24, 62};
        s.hand[i] = {side * 14, -32, 60};
    }
    return s;
}

// Standing, the right hand raised above the head.
Skeleton Waving()
{
    Skeleton s = Standing();
    s.elbow[0] = {-34, 0, 150};
    s.wrist[0] = {-30, -2, 170};
    s.hand[0] = {-29, -3, 179};
    return s;
}

// The weight on the left leg, the right ankle crossed in front of it, the body tilted to the left
// and the right hand on the hip.
Skeleton Leaning()
{
    Skeleton s = Standing();
    s.pelvis = {3, 0, 91};
    s.shoulderLine = {9, 0, 136};
    s.head = {12, 0, 159};
    s.shoulder = {Vec3{-10, 0, 134}, Vec3{28, 0, 139}};
    s.elbow[0] = {-30, 4, 112};
    s.wrist[0] = {-17, -2, 97};
    s.hand[0] = {-10, -4, 95};
    s.elbow[1] = {30, 1, 114};
    s.wrist[1] = {32, -2, 90};
    s.hand[1] = {32, -3, 81};
    s.hip = {Vec3{-6, 0, 89}, Vec3{12, 0, 89}};
    s.knee = {Vec3{-2, -8, 50}, Vec3{13, -1, 50}};
    s.ankle = {Vec3{12, -8, 8}, Vec3{14, 1, 8}};
    s.toe = {Vec3{14, -26, 3}, Vec3{15, -17, 3}};
    return s;
}
} // namespace

Skeleton SkeletonOf(Posture posture)
{
    switch (posture)
    {
    case Posture::Standing:
        break;
    case Posture::Walking:
        return Walking();
    case Posture::Sitting:
        return Sitting();
    case Posture::Waving:
        return Waving();
    case Posture::Leaning:
        return Leaning();
    }
    return Standing();
}
} // namespace ZANRET::Samples
