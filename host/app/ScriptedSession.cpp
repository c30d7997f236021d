#include "ScriptedSession.h"

#include "HostMainWindow.h"
#include "HostText.h"
#include "ManagerDriver.h"
#include "SceneDump.h"
#include "SceneWalk.h"
#include "UserInput.h"
#include "ViewportWidget.h"

#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSaveFile>
#include <QScreen>
#include <QToolBar>

#include <cmath>
#include <cstdio>

namespace scenehost
{
namespace
{
// What the session picks in the sample repository (samples/README.md).
const QString kManagerAction = QStringLiteral("ZANRET Manager");
const QString kFirstCharacter = QString::fromUtf8("Zo\xC3\xAB");
const QString kFirstOutfit = QStringLiteral("Overall");
const QString kSecondCharacter = QStringLiteral("Anna");
const QString kSecondOutfit = QStringLiteral("Summer Dress");
const QString kPose = QStringLiteral("Walking");
const QString kSkin = QStringLiteral("Tan");
const QString kMaterial = QStringLiteral("Blue");
const QString kAsset = QStringLiteral("Necklace");

// Where the characters go on the ground (centimetres).
const Point3 kFirstPlace(90.0f, 40.0f, 0.0f);
const Point3 kSecondPlace(-70.0f, -10.0f, 0.0f);
// One pixel is about half a centimetre at the sample's distance: a few pixels of rounding.
constexpr float kPlaceTolerance = 3.0f;
constexpr int kTurnPixels = 100; // one radian
constexpr float kTurnTolerance = 0.05f;

QString Text(const Point3& p)
{
    return QStringLiteral("(%1, %2, %3)").arg(p.x, 0, 'f', 1).arg(p.y, 0, 'f', 1).arg(p.z, 0, 'f', 1);
}

bool BoolProperty(INode* node, const MCHAR* key)
{
    BOOL value = FALSE;
    return node->GetUserProperty(key, value) && value;
}

// The parent node of the character made last: what placement moves.
INode* NewestCharacterParent()
{
    INode* newest = nullptr;
    for (INode* node : Host::SceneNodes())
        if (BoolProperty(node, _M("ZANRET_PARENT")) && (!newest || node->GetHandle() > newest->GetHandle()))
            newest = node;
    return newest;
}

INode* GroupHeadNamed(const QString& name)
{
    for (INode* node : Host::SceneNodes())
        if (BoolProperty(node, _M("ZANRET_GROUP")) && ToQString(node->GetName()) == name)
            return node;
    return nullptr;
}

QString TopPrompt()
{
    const std::vector<MSTR> prompts = Host::Prompts();
    return prompts.empty() ? QString() : ToQString(prompts.back());
}

float Distance(const Point3& a, const Point3& b)
{
    return (a - b).Length();
}

// The turn about the vertical of a node's transform, in radians.
float TurnOf(INode* node)
{
    const Point3 x = node->GetNodeTM(0).GetRow(0);
    return std::atan2(x.y, x.x);
}

// A window as it shows: from the screen where a window system shows it, else drawn by itself.
QPixmap Picture(QWidget& window)
{
    const QRect frame = window.frameGeometry();
    QScreen* screen = window.screen();
    if (QGuiApplication::platformName() != QStringLiteral("offscreen") && screen)
    {
        const QPixmap shown = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (!shown.isNull())
            return shown;
    }
    return window.grab();
}

// The host window and the manager beside or over it, where they stand; what lies between them is
// left transparent.
QImage WholeProgram(QWidget& host, QWidget* manager)
{
    QRect whole = host.frameGeometry();
    if (manager)
        whole |= manager->frameGeometry();
    QImage picture(whole.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (QWidget* window : {&host, manager})
    {
        if (!window)
            continue;
        const QPixmap shown = Picture(*window);
        // A picture from the screen holds the frame; one the window drew holds its inside alone.
        const QRect from =
            shown.size() == window->frameGeometry().size() ? window->frameGeometry() : window->geometry();
        painter.drawPixmap(from.topLeft() - whole.topLeft(), shown);
    }
    return picture;
}
} // namespace

ScriptedSession::ScriptedSession(HostMainWindow& window, const QString& outputFolder)
    : m_window(window), m_output(outputFolder)
{
}

bool ScriptedSession::Step(const QString& name, bool happened, const QString& detail)
{
    QJsonObject step;
    step[QStringLiteral("step")] = name;
    step[QStringLiteral("happened")] = happened;
    if (!detail.isEmpty())
        step[QStringLiteral("detail")] = detail;
    m_steps.append(step);
    if (!happened)
        ++m_failures;
    std::fprintf(happened ? stdout : stderr, "%s %s%s%s\n", happened ? "ok    " : "FAILED", qPrintable(name),
                 detail.isEmpty() ? "" : ": ", qPrintable(detail));
    std::fflush(happened ? stdout : stderr);
    return happened;
}

bool ScriptedSession::WriteReport() const
{
    QSaveFile out(QDir(m_output).filePath(QStringLiteral("session.json")));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QJsonObject report;
    report[QStringLiteral("steps")] = m_steps;
    report[QStringLiteral("failures")] = m_failures;
    out.write(QJsonDocument(report).toJson(QJsonDocument::Indented));
    return out.commit();
}

bool ScriptedSession::Run()
{
    QDir().mkpath(m_output);
    // As the user sees it: the host window at its first size, the manager where it opens.
    m_window.show();
    Settle();
    m_window.Refresh();
    if (OpenManager() && PlaceFirstCharacter() && ChooseSecondCharacter() && PlaceSecondCharacter())
        UndoAndRedo();
    WriteOutputs();
    // The host is closed next with a placement running and the manager open: both must end before
    // the plug-in is unloaded.
    if (m_manager)
    {
        ManagerDriver(m_manager).Press(QStringLiteral("Create"));
        Settle();
        Step(QStringLiteral("Create again: a placement is running as the host closes"),
             !Host::CommandModes().empty());
    }
    return AllHappened();
}

bool ScriptedSession::OpenManager()
{
    QAction* open = nullptr;
    for (QAction* action : m_window.QuickAccess()->actions())
        if (action->text() == kManagerAction)
            open = action;
    if (!Step(QStringLiteral("the plug-in's start line put \"ZANRET Manager\" on the quick-access toolbar"),
              open != nullptr))
        return false;
    open->trigger();
    Settle();
    m_manager = ManagerDriver::FindManager();
    if (m_manager)
    {
        // The origin, where the characters go, to the middle of the widest part of the viewport
        // that the manager leaves free.
        ViewportWidget* viewport = m_window.Viewport();
        const QRect view(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
        const QRect covered = m_manager->frameGeometry().intersected(view);
        int left = view.left();
        int right = view.right();
        if (!covered.isEmpty() && covered.left() - view.left() >= view.right() - covered.right())
            right = covered.left() - 1;
        else if (!covered.isEmpty())
            left = covered.right() + 1;
        viewport->PanBy((left + right) / 2 - view.center().x(), 0);
        Settle();
    }
    return Step(QStringLiteral("the quick-access button opened the manager window"), m_manager != nullptr);
}

void ScriptedSession::ClickViewport()
{
    Click(m_window.Viewport(), m_lastPixel);
}

bool ScriptedSession::MoveOver(const Point3& world)
{
    QPoint pixel;
    ViewportWidget* viewport = m_window.Viewport();
    if (!viewport->PixelOf(world, pixel) || !viewport->rect().contains(pixel))
        return false;
    MoveTo(viewport, pixel);
    m_lastPixel = pixel;
    return true;
}

bool ScriptedSession::PlaceFirstCharacter()
{
    ManagerDriver manager(m_manager);
    if (!Step(QStringLiteral("chose %1, %2 in the character tree").arg(kFirstCharacter, kFirstOutfit),
              manager.ChooseInTree(kFirstCharacter, kFirstOutfit)))
        return false;
    const int before = Host::NodeCount();
    manager.Press(QStringLiteral("Create"));
    Settle();
    INode* parent = NewestCharacterParent();
    if (!Step(
            QStringLiteral("Create built %1 and started the placement").arg(kFirstCharacter),
            Host::NodeCount() > before && parent && !Host::CommandModes().empty(),
            QStringLiteral("%1 nodes made, prompt \"%2\"").arg(Host::NodeCount() - before).arg(TopPrompt())))
        return false;
    const bool moved = MoveOver(kFirstPlace);
    const Point3 at = parent->GetNodeTM(0).GetTrans();
    if (!Step(QStringLiteral("%1 follows the mouse over the ground").arg(kFirstCharacter),
              moved && Distance(at, kFirstPlace) < kPlaceTolerance,
              QStringLiteral("at %1, wanted %2").arg(Text(at), Text(kFirstPlace))))
        return false;
    ClickViewport();
    ClickViewport();
    return Step(QStringLiteral("two clicks fixed %1 and ended the placement").arg(kFirstCharacter),
                Host::CommandModes().empty() && parent->Selected(),
                QStringLiteral("%1 command modes left").arg(Host::CommandModes().size()));
}

bool ScriptedSession::ChooseSecondCharacter()
{
    ManagerDriver manager(m_manager);
    if (!Step(QStringLiteral("chose %1, %2 in the character tree").arg(kSecondCharacter, kSecondOutfit),
              manager.ChooseInTree(kSecondCharacter, kSecondOutfit)))
        return false;
    const QStringList tabs = manager.TabTexts();
    // The tabs are named by the catalogue; these are the sample's.
    const struct
    {
        QString what;
        QString tab;
        QString choice;
    } picks[] = {{QStringLiteral("pose"), QStringLiteral("Poses"), kPose},
                 {QStringLiteral("skin"), QStringLiteral("Skin"), kSkin},
                 {QStringLiteral("cloth material"), QStringLiteral("Cloth Material"), kMaterial},
                 {QStringLiteral("asset"), QStringLiteral("Jewellery"), kAsset}};
    bool all = true;
    for (const auto& pick : picks)
    {
        const bool shown = manager.ShowTab(pick.tab);
        const bool ticked = shown && manager.TickOnCurrentTab(pick.choice);
        all = Step(QStringLiteral("picked the %1 \"%2\" on the tab \"%3\"")
                       .arg(pick.what, pick.choice, pick.tab),
                   ticked,
                   shown ? QStringLiteral("ticked: %1")
                               .arg(manager.TickedOnCurrentTab().join(QStringLiteral(", ")))
                         : QStringLiteral("tabs: %1").arg(tabs.join(QStringLiteral(", ")))) &&
              all;
    }
    return all;
}

bool ScriptedSession::PlaceSecondCharacter()
{
    ManagerDriver manager(m_manager);
    m_nodesBeforeSecond = Host::NodeCount();
    INode* first = NewestCharacterParent();
    manager.Press(QStringLiteral("Create"));
    Settle();
    INode* parent = NewestCharacterParent();
    if (!Step(QStringLiteral("Create built %1 and started the placement").arg(kSecondCharacter),
              parent && parent != first && !Host::CommandModes().empty() &&
                  TopPrompt() == QStringLiteral("Place your ZANRET Character"),
              QStringLiteral("%1 nodes made, prompt \"%2\"")
                  .arg(Host::NodeCount() - m_nodesBeforeSecond)
                  .arg(TopPrompt())))
        return false;

    // Over the first character: the new one stands on its surface, above the ground.
    const Box3 firstBounds = SubtreeBounds(OutermostGroupHead(first));
    const Point3 chest(firstBounds.Center().x, firstBounds.Center().y,
                       firstBounds.pmin.z + (firstBounds.pmax.z - firstBounds.pmin.z) * 0.7f);
    const bool overFirst = MoveOver(chest);
    Point3 at = parent->GetNodeTM(0).GetTrans();
    const bool onFirst = at.z > 1.0f && at.z <= firstBounds.pmax.z + 0.5f &&
                         at.x >= firstBounds.pmin.x - 0.5f && at.x <= firstBounds.pmax.x + 0.5f;
    Step(QStringLiteral("%1 stands on %2 with the mouse over it").arg(kSecondCharacter, kFirstCharacter),
         overFirst && onFirst, QStringLiteral("at %1").arg(Text(at)));

    const bool overGround = MoveOver(kSecondPlace);
    at = parent->GetNodeTM(0).GetTrans();
    Step(QStringLiteral("%1 follows the mouse over the ground").arg(kSecondCharacter),
         overGround && Distance(at, kSecondPlace) < kPlaceTolerance,
         QStringLiteral("at %1, wanted %2").arg(Text(at), Text(kSecondPlace)));
    m_secondPlace = at;

    ClickViewport();
    if (!Step(QStringLiteral("the first click fixed the place"),
              TopPrompt() == QStringLiteral("Rotate your ZANRET Character"),
              QStringLiteral("prompt \"%1\"").arg(TopPrompt())))
        return false;
    const QPoint fixedAt = m_lastPixel;
    MoveTo(m_window.Viewport(), fixedAt + QPoint(kTurnPixels, 0));
    m_lastPixel = fixedAt + QPoint(kTurnPixels, 0);
    m_secondTurn = TurnOf(parent);
    Step(QStringLiteral("moving the mouse 100 pixels to the right turned %1 by one radian")
             .arg(kSecondCharacter),
         std::fabs(m_secondTurn - 1.0f) < kTurnTolerance &&
             Distance(parent->GetNodeTM(0).GetTrans(), m_secondPlace) < 0.01f,
         QStringLiteral("turned by %1").arg(m_secondTurn, 0, 'f', 3));

    ClickViewport();
    INode* head = OutermostGroupHead(parent);
    const bool ended = Host::CommandModes().empty() && parent->Selected() && head && head != parent;
    return Step(QStringLiteral("the second click ended the placement with %1 selected").arg(kSecondCharacter),
                ended && Distance(head->GetNodeTM(0).GetTrans(), m_secondPlace) < 0.01f,
                ended ? QStringLiteral("group at %1").arg(Text(head->GetNodeTM(0).GetTrans())) : QString());
}

bool ScriptedSession::UndoAndRedo()
{
    const QString group = QStringLiteral("ZANRET Character ") + kSecondCharacter;
    const int withSecond = Host::NodeCount();
    m_window.Refresh();
    m_window.UndoAction()->trigger();
    Settle();
    Step(QStringLiteral("Undo took %1 away").arg(kSecondCharacter),
         Host::NodeCount() == m_nodesBeforeSecond && !GroupHeadNamed(group),
         QStringLiteral("%1 nodes, %2 before Create").arg(Host::NodeCount()).arg(m_nodesBeforeSecond));
    m_window.Refresh();
    m_window.RedoAction()->trigger();
    Settle();
    INode* head = GroupHeadNamed(group);
    return Step(QStringLiteral("Redo brought %1 back").arg(kSecondCharacter),
                Host::NodeCount() == withSecond && head,
                head ? QStringLiteral("group at %1").arg(Text(head->GetNodeTM(0).GetTrans())) : QString());
}

bool ScriptedSession::WriteOutputs()
{
    const QDir out(m_output);
    m_window.Refresh();
    Settle();
    Step(QStringLiteral("wrote the scene dump"), WriteSceneDump(out.filePath(QStringLiteral("scene.json"))));

    const QImage viewport = m_window.Viewport()->Picture();
    Step(QStringLiteral("wrote the picture of the viewport"),
         viewport.save(out.filePath(QStringLiteral("viewport.png"))));
    QPointer<QWidget> manager = ManagerDriver::FindManager();
    Step(QStringLiteral("wrote the picture of the manager"),
         manager && manager->grab().save(out.filePath(QStringLiteral("manager.png"))));

    const QImage whole = WholeProgram(m_window, manager);
    return Step(QStringLiteral("wrote the picture of the host program"),
                whole.save(out.filePath(QStringLiteral("scene-host.png"))));
}
} // namespace scenehost
