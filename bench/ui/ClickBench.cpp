// Clicks in the manager window on the large generated repository (300 characters, 12 outfits, 20
// poses, 40 assets each), as the user makes them, each beside the bare decoding of the picture files
// that the click puts on the window's pages. The ratios of the medians are printed at the end.
//
//   character click  the tree node of a character: its outfit pictures in the panel
//   outfit click     an outfit's tree node: every tab page built (first visit, and a second visit)
//   pose click       a pose's check box: every page but the poses page built again

#include "ClickPictures.h"
#include "TempFolder.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowPictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace ZANRET;
using MainWindowGeneralFill::Field;

namespace
{
struct Clicked
{
    CharacterData* character = nullptr;
    QTreeWidgetItem* characterNode = nullptr;
    QTreeWidgetItem* outfitNode = nullptr;
    std::vector<QString> characterPictures;
    std::vector<QString> outfitPictures;
    std::vector<QString> posePictures;
    std::vector<QString> posesPagePictures;
};
Clicked g_clicked;

QTreeWidget* Tree()
{
    return MainWindowClass::window->CharacterSelector()->TreeView();
}

MainWindowGeneralSelector* Tabs()
{
    return MainWindowClass::window->GeneralSelector();
}

// What the click left for the event loop (deferred deletions, polishing, layout) is part of what it
// costs; painting is not (the window is never exposed here), as the floor draws nothing either.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ClickNode(QTreeWidgetItem* node)
{
    QTreeWidget* tree = node->treeWidget();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
    Settle();
}

// Untimed: the node is no longer highlighted, so that the next click on it changes the selection, as
// a click coming from another node does; and, for a first visit, no picture is known yet.
void PrepareClick(benchmark::State& state, bool firstVisit)
{
    state.PauseTiming();
    {
        const QSignalBlocker quiet(Tree());
        Tree()->clearSelection();
    }
    if (firstVisit)
    {
        MainWindowPictures::Clear();
    }
    state.ResumeTiming();
}

void Decode(benchmark::State& state, const std::vector<QString>* pictures)
{
    for (auto _ : state)
    {
        for (const QString& picture : *pictures)
        {
            QImage image(picture);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["pictures"] = static_cast<double>(pictures->size());
}

void ReportDecoded(benchmark::State& state, std::size_t before)
{
    state.counters["decoded"] = benchmark::Counter(
        static_cast<double>(MainWindowPictures::DecodeCount() - before), benchmark::Counter::kAvgIterations);
}

// The pages from firstPage on hold a picture for each file the floor decodes (every element of the
// generated repository can be chosen, so no overlay is read).
void CheckPagePictures(benchmark::State& state, std::int32_t firstPage, const std::vector<QString>& decoded)
{
    std::size_t count = 0;
    for (std::int32_t i = firstPage; i < Tabs()->GetPageCount(); ++i)
    {
        for (const auto& element : Tabs()->GetPage(i)->GetElements())
        {
            count += element->GetLogo() ? 1 : 0;
        }
    }
    state.counters["page pictures"] = static_cast<double>(count);
    if (count != decoded.size())
    {
        state.SkipWithError("the pages hold another number of pictures than the floor decodes");
    }
}

// Clicks on a tree node, each a first visit (nothing decoded yet) or not.
void ClickNodeRepeatedly(benchmark::State& state, QTreeWidgetItem* node, bool firstVisit)
{
    const std::size_t before = MainWindowPictures::DecodeCount();
    for (auto _ : state)
    {
        PrepareClick(state, firstVisit);
        ClickNode(node);
    }
    ReportDecoded(state, before);
}

void CharacterClick(benchmark::State& state, bool firstVisit)
{
    ClickNodeRepeatedly(state, g_clicked.characterNode, firstVisit);
}

void OutfitClick(benchmark::State& state, bool firstVisit)
{
    ClickNodeRepeatedly(state, g_clicked.outfitNode, firstVisit);
    CheckPagePictures(state, 0, g_clicked.outfitPictures);
}

// Two poses in turn: each click chooses a pose that is not chosen yet.
void PoseClick(benchmark::State& state)
{
    const std::size_t before = MainWindowPictures::DecodeCount();
    std::size_t next = 1;
    for (auto _ : state)
    {
        PrepareClick(state, true);
        QCheckBox* box = Tabs()->GetPage(0)->GetElements().at(next)->GetCheckBox();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        Settle();
        next = 1 - next;
    }
    ReportDecoded(state, before);
    CheckPagePictures(state, 1, g_clicked.posePictures);
}

BENCHMARK_CAPTURE(CharacterClick, First, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CharacterClick, Again, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, CharacterClickPictures, &g_clicked.characterPictures)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OutfitClick, First, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OutfitClick, Again, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, OutfitClickPictures, &g_clicked.outfitPictures)->Unit(benchmark::kMillisecond);
// What the outfit click shows at once: the poses page (the other pages wait until they are shown).
BENCHMARK_CAPTURE(Decode, PosesPagePictures, &g_clicked.posesPagePictures)->Unit(benchmark::kMillisecond);
BENCHMARK(PoseClick)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, PoseClickPictures, &g_clicked.posePictures)->Unit(benchmark::kMillisecond);

// Prints the runs as usual and keeps their times (the medians when runs are repeated), for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            if (run.error_occurred)
            {
                continue;
            }
            if (run.run_type == Run::RT_Iteration && !times.count(run.run_name.str()))
            {
                times[run.run_name.str()] = run.GetAdjustedRealTime();
            }
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            {
                times[run.run_name.str()] = run.GetAdjustedRealTime();
            }
        }
    }
    void PrintRatio(const char* what, const std::string& click, const std::string& floor) const
    {
        const auto c = times.find(click);
        const auto f = times.find(floor);
        if (c != times.end() && f != times.end() && f->second > 0)
        {
            std::printf("%-36s %8.2f ms   floor %8.2f ms   ratio %.2f\n", what, c->second, f->second,
                        c->second / f->second);
        }
    }
    std::map<std::string, double> times;
};

// The character with the most elements.
CharacterData* LargestCharacter()
{
    CharacterData* largest = nullptr;
    std::int32_t most = -1;
    for (std::int32_t i = 0; i < Data2::GetCharacterCount(); ++i)
    {
        CharacterData* character = Data2::GetCharacter(i);
        std::int32_t count = 0;
        for (auto which :
             {CharacterData::SKINS, CharacterData::CLOTH, CharacterData::POSES, CharacterData::ASSETS})
        {
            count += character->GetCount(which);
        }
        if (count > most)
        {
            most = count;
            largest = character;
        }
    }
    return largest;
}

QTreeWidgetItem* NodeOf(const QString& name)
{
    const QList<QTreeWidgetItem*> found = Tree()->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Chooses the largest character and its first outfit as the user does, and lists what each click
// shows for that selection.
bool PrepareClicks()
{
    g_clicked.character = LargestCharacter();
    if (!g_clicked.character)
    {
        return false;
    }
    g_clicked.characterNode = NodeOf(MainWindowGeneralFill::ToQString(Field(g_clicked.character, L"name")));
    if (!g_clicked.characterNode || g_clicked.characterNode->childCount() == 0)
    {
        return false;
    }
    Tree()->expandItem(g_clicked.characterNode);
    g_clicked.outfitNode = g_clicked.characterNode->child(0);
    Tree()->scrollToItem(g_clicked.outfitNode);
    g_clicked.characterPictures = UiBench::CharacterClickPictures(g_clicked.character);
    ClickNode(g_clicked.outfitNode);
    if (!Selection2::GetPose() || Tabs()->GetPageCount() == 0 || Tabs()->GetPage(0)->GetElements().size() < 2)
    {
        return false;
    }
    g_clicked.posePictures = UiBench::OtherPagesPictures(g_clicked.character);
    g_clicked.posesPagePictures = UiBench::PosesPagePictures(g_clicked.character);
    g_clicked.outfitPictures = g_clicked.posesPagePictures;
    g_clicked.outfitPictures.insert(g_clicked.outfitPictures.end(), g_clicked.posePictures.begin(),
                                    g_clicked.posePictures.end());
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    TempFolder appData;
    TempFolder repository;
    setenv("LOCALAPPDATA", appData.Path().c_str(), 1);
    const std::string generate = std::string("\"") + ZANRET_SAMPLES_GENERATOR + "\" \"" +
                                 repository.Path().string() +
                                 "/large\" --characters 300 --outfits 12 --poses 20 --assets 40 >/dev/null";
    if (std::system(generate.c_str()) != 0)
    {
        std::fprintf(stderr, "could not generate the repository\n");
        return 1;
    }
    const std::wstring path = (repository.Path() / "large").wstring() + L"\\";
    Settings::LoadSettings();
    Settings::SetPath(path.c_str());
    // As the action does it: the catalogue is read and the window opened, over no host window.
    Commands::CallMainWindow();
    if (!MainWindowClass::window || !PrepareClicks())
    {
        std::fprintf(stderr, "the window did not open on a character with an outfit and two poses\n");
        return 1;
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nmedians, each click beside decoding the pictures it puts on the pages:\n");
    reporter.PrintRatio("character click, first visit", "CharacterClick/First",
                        "Decode/CharacterClickPictures");
    reporter.PrintRatio("character click, again", "CharacterClick/Again", "Decode/CharacterClickPictures");
    reporter.PrintRatio("outfit click, first visit", "OutfitClick/First", "Decode/OutfitClickPictures");
    reporter.PrintRatio("outfit click, second visit", "OutfitClick/Again", "Decode/OutfitClickPictures");
    reporter.PrintRatio("outfit click beside its shown page", "OutfitClick/First",
                        "Decode/PosesPagePictures");
    reporter.PrintRatio("pose click", "PoseClick", "Decode/PoseClickPictures");
    benchmark::Shutdown();

    MainWindowClass::window->close();
    Settle();
    Selection2::Clear();
    Data2::Reset();
    Settings::FreeSettings();
    return 0;
}
