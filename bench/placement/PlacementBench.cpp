// One free mouse move in the place state (one pick, one intersection, one transform write, one
// redraw) over scenes of built characters, next to the host's pick alone and a plain linear walk
// over the nodes' bounds, which is what a pick should not exceed. Ends with a table of all three
// by scene size.

#include "PlacementTestScene.h"

#include "scene/Placement.h"
#include "scene/PlacementPickMode.h"

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <string>

namespace
{
// A character as built: parent, three meshes, group head.
constexpr int kNodesPerCharacter = 5;
constexpr int kViewSize = 800;

struct Scene
{
    HWND viewport = nullptr;
    INode* placed = nullptr;
};

// Characters on a square grid, 60 units apart, seen from high above; the one to place comes last.
Scene MakeScene(int nodes)
{
    Host::Reset();
    Scene scene;
    const int characters = nodes / kNodesPerCharacter;
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(characters))));
    for (int i = 0; i < characters - 1; ++i)
    {
        TestCharacter c = PlacementTestScene::MakeCharacter(L"C" + std::to_wstring(i), 3);
        Matrix3 tm;
        tm.SetTrans(Point3((i % side - side / 2) * 60.0f, (i / side - side / 2) * 60.0f, 0.0f));
        c.head->SetNodeTM(0, tm);
    }
    scene.placed = PlacementTestScene::MakeCharacter(L"Placed", 3).parent;
    scene.viewport = Host::CreateViewport(kViewSize, kViewSize);
    const float height = 60.0f * static_cast<float>(side) + 200.0f;
    Host::SetViewportCamera(scene.viewport, {0.0f, -height * 0.3f, height}, {0.0f, 0.0f, 0.0f},
                            {0.0f, 1.0f, 0.0f}, 60.0f);
    return scene;
}

// Where the ray enters the box; false when it misses.
bool RayHitsBox(const Ray& ray, const Box3& box, float& enter)
{
    float t0 = 0.0f;
    float t1 = std::numeric_limits<float>::max();
    for (int i = 0; i < 3; ++i)
    {
        if (ray.dir[i] == 0.0f)
        {
            if (ray.p[i] < box.pmin[i] || ray.p[i] > box.pmax[i])
                return false;
            continue;
        }
        float a = (box.pmin[i] - ray.p[i]) / ray.dir[i];
        float b = (box.pmax[i] - ray.p[i]) / ray.dir[i];
        if (a > b)
            std::swap(a, b);
        t0 = std::fmax(t0, a);
        t1 = std::fmin(t1, b);
        if (t0 > t1)
            return false;
    }
    enter = t0;
    return true;
}

// The nearest node whose world bounds the ray enters: every node's bounds looked at once.
INode* WalkBounds(const Ray& ray, const std::vector<INode*>& nodes)
{
    INode* nearest = nullptr;
    float nearestAt = std::numeric_limits<float>::max();
    for (INode* node : nodes)
    {
        Object* obj = node->GetObjectRef();
        if (!obj)
            continue;
        const Box3 local = obj->GetLocalBounds(0);
        if (local.IsEmpty())
            continue;
        const Matrix3 tm = node->GetObjectTM(0);
        Box3 world;
        for (int corner = 0; corner < 8; ++corner)
            world +=
                Point3(corner & 1 ? local.pmax.x : local.pmin.x, corner & 2 ? local.pmax.y : local.pmin.y,
                       corner & 4 ? local.pmax.z : local.pmin.z) *
                tm;
        float at = 0.0f;
        if (RayHitsBox(ray, world, at) && at < nearestAt)
        {
            nearestAt = at;
            nearest = node;
        }
    }
    return nearest;
}

std::map<int, double> moveMicroseconds;
std::map<int, double> pickMicroseconds;
std::map<int, double> walkMicroseconds;

void MouseMoveInPlaceState(benchmark::State& state)
{
    const int nodes = static_cast<int>(state.range(0));
    Scene scene = MakeScene(nodes);
    ZANRET::Placement::StartPlacement(scene.placed);
    // Two positions over the grid, so every move writes a new transform.
    const IPoint2 at[2] = {{kViewSize / 2 + 13, kViewSize / 2 - 7}, {kViewSize / 3, kViewSize / 2 + 40}};
    int i = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(Host::SendMouse(scene.viewport, MOUSE_FREEMOVE, 0, at[i]));
        i ^= 1;
    }
    state.counters["nodes"] = Host::NodeCount();
    ZANRET::Placement::CancelPlacement();
    Host::Reset();
}

// The host's pick alone, with the placement's filter, as each move makes it.
void HostPickInPlaceState(benchmark::State& state)
{
    const int nodes = static_cast<int>(state.range(0));
    Scene scene = MakeScene(nodes);
    ZANRET::Placement::StartPlacement(scene.placed);
    Interface* ip = GetCOREInterface();
    const IPoint2 at{kViewSize / 2 + 13, kViewSize / 2 - 7};
    for (auto _ : state)
    {
        ZANRET::PlacementPickMode filter;
        benchmark::DoNotOptimize(ip->PickNode(scene.viewport, at, &filter));
    }
    state.counters["nodes"] = Host::NodeCount();
    ZANRET::Placement::CancelPlacement();
    Host::Reset();
}

void LinearWalkOverBounds(benchmark::State& state)
{
    const int nodes = static_cast<int>(state.range(0));
    Scene scene = MakeScene(nodes);
    const Ray ray = GetCOREInterface()
                        ->GetViewExp(scene.viewport)
                        .MapScreenToWorldRay(kViewSize / 2.0f, kViewSize / 2.0f);
    for (auto _ : state)
    {
        // The scene list is part of the walk: a pick has to find the nodes as well.
        const std::vector<INode*> all = Host::SceneNodes();
        benchmark::DoNotOptimize(WalkBounds(ray, all));
    }
    state.counters["nodes"] = Host::NodeCount();
    Host::Reset();
}

BENCHMARK(MouseMoveInPlaceState)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(HostPickInPlaceState)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearWalkOverBounds)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Keeps the console output and remembers each run's time per iteration for the closing table.
class TableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            // With repetitions the mean stands for the size; without, the one run does.
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if (!mean && (run.run_type != Run::RT_Iteration || run.iterations == 0))
                continue;
            const std::string name = run.benchmark_name();
            const int nodes = std::stoi(name.substr(name.find('/') + 1));
            const double us = run.GetAdjustedRealTime(); // in the benchmark's unit, microseconds
            if (name.rfind("MouseMove", 0) == 0)
                moveMicroseconds[nodes] = us;
            else if (name.rfind("HostPick", 0) == 0)
                pickMicroseconds[nodes] = us;
            else
                walkMicroseconds[nodes] = us;
        }
    }
};
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%10s %12s %12s %18s %11s %20s\n", "nodes", "move (us)", "pick (us)", "bounds walk (us)",
                "pick/walk", "move per node (ns)");
    for (const auto& [nodes, move] : moveMicroseconds)
    {
        const double pick = pickMicroseconds.count(nodes) ? pickMicroseconds[nodes] : 0.0;
        const double walk = walkMicroseconds.count(nodes) ? walkMicroseconds[nodes] : 0.0;
        std::printf("%10d %12.2f %12.2f %18.2f %11.2f %20.1f\n", nodes, move, pick, walk,
                    walk > 0.0 ? pick / walk : 0.0, move * 1000.0 / nodes);
    }
    return 0;
}
