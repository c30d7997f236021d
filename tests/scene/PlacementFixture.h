#pragma once
// A fresh stand-in host with one viewport looking straight down at the origin, a system unit that
// makes the unit scale 2, and every placement message recorded.

#include "PlacementTestScene.h"

#include "repository/Debug.h"
#include "scene/Builder.h"
#include "scene/Placement.h"
#include "scene/PlacementMode.h"

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

class PlacementTest : public ::testing::Test
{
protected:
    static constexpr int kSize = 400;
    static constexpr IPoint2 kCentre{kSize / 2, kSize / 2};

    void SetUp() override
    {
        Host::Reset();
        Host::SetSystemUnit(UNITS_CENTIMETERS, 2.0f);
        ip = GetCOREInterface();
        viewport = Host::CreateViewport(kSize, kSize);
        LookDown();
        ZANRET::Debug::SetMessageHook(
            [this](ZANRET::DEBUG_TYPE type, const wchar_t* text) {
                messages.push_back({type, text ? text : L""});
            });
    }
    void TearDown() override
    {
        // Leaves placement idle for the next test.
        ZANRET::Placement::CancelPlacement();
        ZANRET::Debug::SetMessageHook({});
        Host::Reset();
    }

    void LookDown()
    {
        Host::SetViewportCamera(viewport, {0.0f, 0.0f, 500.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                45.0f);
    }

    int Move(IPoint2 m) { return Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, m); }
    int LeftClick(IPoint2 m) { return Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, m); }
    int RightClick(IPoint2 m = kCentre)
    {
        return Host::SendMouse(viewport, MOUSE_PROPCLICK, MOUSE_RBUTTON, m);
    }

    // Where the viewport's ray through m meets z = 0.
    Point3 GroundUnder(IPoint2 m)
    {
        const Ray ray =
            ip->GetViewExp(viewport).MapScreenToWorldRay(static_cast<float>(m.x), static_cast<float>(m.y));
        const float t = -(ray.p.z / ray.dir.z);
        return Point3(ray.p.x + ray.dir.x * t, ray.p.y + ray.dir.y * t, 0.0f);
    }

    static Matrix3 TM(INode* node) { return node->GetNodeTM(0); }
    static float UnitScale() { return ZANRET::Builder::GetUnitScale().x; }
    // The matrix of a node scaled by the unit scale, turned by angle about Z and moved to p.
    static Matrix3 Turned(float angle, const Point3& p)
    {
        Matrix3 tm;
        tm.Scale(ZANRET::Builder::GetUnitScale(), FALSE);
        tm.RotateZ(angle);
        tm.Translate(p);
        return tm;
    }

    bool ModeActive() const
    {
        const auto modes = Host::CommandModes();
        return std::find(modes.begin(), modes.end(),
                         static_cast<CommandMode*>(ZANRET::Placement::GetMode())) != modes.end();
    }
    static int Executed(int command)
    {
        const auto commands = Host::ExecutedCommands();
        return static_cast<int>(std::count(commands.begin(), commands.end(), command));
    }
    static int PromptCount(const wchar_t* text)
    {
        const auto prompts = Host::Prompts();
        const MSTR wanted(hostsdk::FromWide(text));
        return static_cast<int>(std::count(prompts.begin(), prompts.end(), wanted));
    }
    int MessageCount(ZANRET::DEBUG_TYPE type, const std::wstring& text) const
    {
        return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                              [&](const auto& m)
                                              { return m.first == type && m.second == text; }));
    }
    static bool InScene(INode* node)
    {
        const auto nodes = Host::SceneNodes();
        return std::find(nodes.begin(), nodes.end(), node) != nodes.end();
    }

    Interface* ip = nullptr;
    HWND viewport = nullptr;
    std::vector<std::pair<ZANRET::DEBUG_TYPE, std::wstring>> messages;
};
