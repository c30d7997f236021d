// One free mouse move in the place state (one pick, one intersection, one transform write, one
// redraw) over scenes of built characters, next to the host's pick alone and two floors that cast
// the same rays: a bounding-volume hierarchy over the very triangles the pick may land on, queried
// bare, and a walk over every node's world bounds, collected beforehand. Ends with a table of all
// of them by scene size.

#include "PlacementTestScene.h"

#include "RayBox.h"
#include "TriangleMesh.h"

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
// Two positions over the grid, so that every move writes a new transform; every benchmark casts
// the rays through these two pixels in turn.
constexpr IPoint2 kAt[2] = {{kViewSize / 2 + 13, kViewSize / 2 - 7}, {kViewSize / 3, kViewSize / 2 + 40}};

struct Scene
{
    int nodes = 0;
    HWND viewport = nullptr;
    INode* placed = nullptr;
};

// Characters on a square grid, 60 units apart, seen from high above, and one more being placed.
// Kept for the next benchmark of the same size.
const Scene& SceneOf(int nodes)
{
    static Scene scene;
    if (scene.nodes == nodes)
        return scene;
    if (scene.placed)
        ZANRET::Placement::CancelPlacement();
    Host::Reset();
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
    scene.nodes = nodes;
    ZANRET::Placement::StartPlacement(scene.placed);
    // The first pick after a build takes the new nodes in; it is not what a move costs.
    Point3 ignored;
    ZANRET::Placement::PickSurfacePoint(ignored, kAt[0], scene.viewport);
    return scene;
}

Ray RayAt(const Scene& scene, int k)
{
    return GetCOREInterface()
        ->GetViewExp(scene.viewport)
        .MapScreenToWorldRay(static_cast<float>(kAt[k].x), static_cast<float>(kAt[k].y));
}

void MouseMoveInPlaceState(benchmark::State& state)
{
    const Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(Host::SendMouse(scene.viewport, MOUSE_FREEMOVE, 0, kAt[i]));
        i ^= 1;
    }
    state.counters["nodes"] = Host::NodeCount();
}

// The host's pick alone, with the placement's filter, as each move makes it.
void HostPickInPlaceState(benchmark::State& state)
{
    const Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    Interface* ip = GetCOREInterface();
    int i = 0;
    for (auto _ : state)
    {
        ZANRET::PlacementPickMode filter;
        benchmark::DoNotOptimize(ip->PickNode(scene.viewport, kAt[i], &filter));
        i ^= 1;
    }
    state.counters["nodes"] = Host::NodeCount();
}

// The floor: the nearest of the triangles that the pick may land on, by a hierarchy over all of
// them in world space, built beforehand.
void BareBvhQuery(benchmark::State& state)
{
    const Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    hostsdk::TriangleMesh all;
    for (INode* node : Host::SceneNodes())
    {
        if (!ZANRET::Placement::IsPickable(node))
            continue;
        for (const Point3& corner : Host::WorldTriangles(node))
        {
            all.vertices.push_back(corner);
            all.bounds += corner;
            if (all.vertices.size() % 3 == 0)
            {
                const int first = static_cast<int>(all.vertices.size()) - 3;
                all.triangles.push_back({first, first + 1, first + 2});
            }
        }
    }
    all.BuildHierarchy();
    const Ray rays[2] = {RayAt(scene, 0), RayAt(scene, 1)};
    // A floor that answers something else than the pick proves nothing.
    for (int k = 0; k < 2; ++k)
    {
        float at = 0.0f;
        Point3 normal;
        Point3 picked;
        const bool hit = all.Intersect(rays[k], at, normal);
        if (hit != ZANRET::Placement::PickSurfacePoint(picked, kAt[k], scene.viewport) ||
            (hit && Length(rays[k].p + rays[k].dir * at - picked) > 1e-3f * (1.0f + Length(picked))))
        {
            state.SkipWithError("the hierarchy over the triangles finds another surface than the pick");
            return;
        }
    }
    int i = 0;
    for (auto _ : state)
    {
        float at = 0.0f;
        Point3 normal;
        benchmark::DoNotOptimize(all.Intersect(rays[i], at, normal));
        i ^= 1;
    }
    state.counters["nodes"] = Host::NodeCount();
    state.counters["triangles"] = static_cast<double>(all.triangles.size());
}

// Every node's world bounds looked at once, from a list made beforehand: the nearest it enters.
void CachedBoxWalk(benchmark::State& state)
{
    const Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    std::vector<Box3> boxes;
    for (INode* node : Host::SceneNodes())
        if (Object* obj = node->GetObjectRef(); obj && !obj->GetLocalBounds(0).IsEmpty())
            boxes.push_back(Host::WorldBounds(node));
    const Ray rays[2] = {RayAt(scene, 0), RayAt(scene, 1)};
    int i = 0;
    for (auto _ : state)
    {
        size_t nearest = boxes.size();
        float nearestAt = std::numeric_limits<float>::max();
        for (size_t b = 0; b < boxes.size(); ++b)
        {
            float at = 0.0f;
            if (hostsdk::RayHitsBox(rays[i], boxes[b], at) && at < nearestAt)
            {
                nearestAt = at;
                nearest = b;
            }
        }
        benchmark::DoNotOptimize(nearest);
        i ^= 1;
    }
    state.counters["nodes"] = Host::NodeCount();
}

#define SCENE_SIZES Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)
BENCHMARK(MouseMoveInPlaceState)->SCENE_SIZES;
BENCHMARK(HostPickInPlaceState)->SCENE_SIZES;
BENCHMARK(BareBvhQuery)->SCENE_SIZES;
BENCHMARK(CachedBoxWalk)->SCENE_SIZES;

std::map<std::string, std::map<int, double>> microseconds; // benchmark -> nodes -> time

// Keeps the console output and remembers each run's time per iteration for the closing table.
class TableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            // With repetitions the median stands for the size; without, the one run does.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (!median && (run.run_type != Run::RT_Iteration || run.iterations == 0)))
                continue;
            const std::string name = run.benchmark_name();
            const int nodes = std::stoi(name.substr(name.find('/') + 1));
            microseconds[name.substr(0, name.find('/'))][nodes] = run.GetAdjustedRealTime();
        }
    }
};

double Time(const char* benchmark, int nodes)
{
    const auto& times = microseconds[benchmark];
    const auto it = times.find(nodes);
    return it == times.end() ? 0.0 : it->second;
}

double Ratio(double a, double b)
{
    return b > 0.0 ? a / b : 0.0;
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%8s %10s %10s %14s %10s %15s %10s\n", "nodes", "move (us)", "pick (us)", "bare BVH (us)",
                "move/BVH", "box walk (us)", "move/walk");
    for (const auto& [nodes, move] : microseconds["MouseMoveInPlaceState"])
    {
        const double bvh = Time("BareBvhQuery", nodes);
        const double walk = Time("CachedBoxWalk", nodes);
        std::printf("%8d %10.2f %10.2f %14.3f %10.1f %15.2f %10.3f\n", nodes, move,
                    Time("HostPickInPlaceState", nodes), bvh, Ratio(move, bvh), walk, Ratio(move, walk));
    }
    const double from = Time("MouseMoveInPlaceState", 1000);
    const double to = Time("MouseMoveInPlaceState", 100000);
    if (from > 0.0 && to > 0.0)
        std::printf("\nmove from 1,000 to 100,000 nodes: x%.2f (x100 would be linear)\n", to / from);
    return 0;
}
