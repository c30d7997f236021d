// scene-host's scripted session on the sample repository, as `scripts/demo --headless` runs it:
// the plug-in loaded from its module, the manager driven with the mouse, two characters built and
// placed, undo and redo; then the scene dump, the step report and the pictures are checked.

#include "SceneHostRun.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
const QString kAnnaGroup = QStringLiteral("ZANRET Character Anna");
const QString kZoeGroup = QString::fromUtf8("ZANRET Character Zo\xC3\xAB");
const QString kLayer = QStringLiteral("ZANRET Characters");

// A repository path as a file of this system: backslashes are separators, a run counts as one.
QString NativePath(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(path);
}

class SceneHostSession : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_FALSE(SamplesFolder().isEmpty()) << "ZANRET_SAMPLES is not set";
        s_run = std::make_unique<SceneHostRun>(SamplesFolder());
    }
    static void TearDownTestSuite() { s_run.reset(); }

    static QJsonArray Nodes()
    {
        return s_run->Json(QStringLiteral("scene.json"))[QStringLiteral("nodes")].toArray();
    }
    // The node of that name in the group (or, for the group's head, named as the group).
    static QJsonObject Node(const QString& group, const QString& name, const QString& property)
    {
        for (const QJsonValue& value : Nodes())
        {
            const QJsonObject node = value.toObject();
            const bool inGroup =
                node[QStringLiteral("group")].toString() == group ||
                (node[QStringLiteral("groupHead")].toBool() && node[QStringLiteral("name")] == group);
            if (inGroup && node[QStringLiteral("name")].toString() == name &&
                node[QStringLiteral("properties")].toObject().contains(property))
                return node;
        }
        return {};
    }
    static QString Property(const QJsonObject& node, const QString& key)
    {
        return node[QStringLiteral("properties")].toObject()[key].toString();
    }
    static QString MaterialName(const QJsonObject& node)
    {
        return node[QStringLiteral("material")].toObject()[QStringLiteral("name")].toString();
    }
    static double Translation(const QJsonObject& node, int axis)
    {
        return node[QStringLiteral("transform")].toArray()[3].toArray()[axis].toDouble();
    }

    static std::unique_ptr<SceneHostRun> s_run;
};

std::unique_ptr<SceneHostRun> SceneHostSession::s_run;

TEST_F(SceneHostSession, EveryStepHappenedAndTheHostClosedCleanly)
{
    EXPECT_EQ(s_run->ExitCode(), 0) << s_run->Output().toStdString();
    const QJsonObject report = s_run->Json(QStringLiteral("session.json"));
    EXPECT_EQ(report[QStringLiteral("failures")].toInt(-1), 0);
    const QJsonArray steps = report[QStringLiteral("steps")].toArray();
    // Loading, opening, the six picks, two builds, the moves and clicks, undo, redo, the outputs.
    EXPECT_GE(steps.size(), 24);
    for (const QJsonValue& step : steps)
        EXPECT_TRUE(step[QStringLiteral("happened")].toBool())
            << step[QStringLiteral("step")].toString().toStdString();
    EXPECT_TRUE(
        steps.last()[QStringLiteral("step")].toString().startsWith(QStringLiteral("closing the host")));
}

TEST_F(SceneHostSession, TheSecondCharacterIsBuiltFromWhatWasPickedInTheWindow)
{
    const QJsonObject head = Node(kAnnaGroup, kAnnaGroup, QStringLiteral("ZANRET_GROUP"));
    ASSERT_FALSE(head.isEmpty());
    EXPECT_TRUE(head[QStringLiteral("groupHead")].toBool());
    EXPECT_EQ(head[QStringLiteral("layer")].toString(), kLayer);

    const QJsonObject parent = Node(kAnnaGroup, kAnnaGroup, QStringLiteral("ZANRET_PARENT"));
    ASSERT_FALSE(parent.isEmpty());
    EXPECT_EQ(parent[QStringLiteral("parent")].toString(), kAnnaGroup);

    const QJsonObject body = Node(kAnnaGroup, QStringLiteral("Walking"), QStringLiteral("ZANRET_CHAR"));
    EXPECT_EQ(Property(body, QStringLiteral("ZANRET_CHAR")), QStringLiteral("anna"));
    EXPECT_EQ(Property(body, QStringLiteral("ZANRET_POSE")), QStringLiteral("walk"));
    EXPECT_EQ(MaterialName(body), QStringLiteral("Anna Skin Tan"));

    const QJsonObject dress =
        Node(kAnnaGroup, QStringLiteral("Summer Dress"), QStringLiteral("ZANRET_CLOTH"));
    EXPECT_EQ(Property(dress, QStringLiteral("ZANRET_CLOTH")), QStringLiteral("anna_dress"));
    EXPECT_EQ(Property(dress, QStringLiteral("ZANRET_POSE")), QStringLiteral("walk"));
    EXPECT_EQ(MaterialName(dress), QStringLiteral("Dress Blue"));

    // The picked asset, the pose's mandatory hair, and what the outfit and the required
    // categories choose by themselves.
    EXPECT_EQ(Property(Node(kAnnaGroup, QStringLiteral("Necklace"), QStringLiteral("ZANRET_ASSET")),
                       QStringLiteral("ZANRET_ASSET")),
              QStringLiteral("necklace"));
    EXPECT_FALSE(Node(kAnnaGroup, QStringLiteral("Hair"), QStringLiteral("ZANRET_ASSET")).isEmpty());
    EXPECT_EQ(MaterialName(Node(kAnnaGroup, QStringLiteral("Handbag"), QStringLiteral("ZANRET_ASSET"))),
              QStringLiteral("Bag Canvas"));

    int members = 0;
    for (const QJsonValue& value : Nodes())
    {
        const QJsonObject node = value.toObject();
        if (node[QStringLiteral("group")].toString() != kAnnaGroup)
            continue;
        ++members;
        EXPECT_EQ(node[QStringLiteral("layer")].toString(), kLayer)
            << node[QStringLiteral("name")].toString().toStdString();
        EXPECT_TRUE(node[QStringLiteral("groupMember")].toBool());
    }
    EXPECT_EQ(members, 8); // parent, body, dress, hair, bag, hat, sunglasses, necklace
}

TEST_F(SceneHostSession, MeshesAndTexturesComeFromTheRepository)
{
    const QString samples = QDir::cleanPath(SamplesFolder());
    const QString maps = samples + QStringLiteral("/maps/");
    int meshes = 0;
    int textures = 0;
    for (const QJsonValue& value : Nodes())
    {
        const QJsonObject node = value.toObject();
        const std::string name = node[QStringLiteral("name")].toString().toStdString();
        const QJsonObject object = node[QStringLiteral("object")].toObject();
        if (object.contains(QStringLiteral("meshPath")))
        {
            ++meshes;
            const QString mesh = NativePath(object[QStringLiteral("meshPath")].toString());
            EXPECT_TRUE(mesh.startsWith(samples + QLatin1Char('/'))) << name;
            EXPECT_TRUE(object[QStringLiteral("meshLoaded")].toBool()) << name << ": " << mesh.toStdString();
            EXPECT_GT(object[QStringLiteral("triangles")].toInt(), 0) << name;
            EXPECT_FALSE(node[QStringLiteral("material")].isNull()) << name;
        }
        for (const QJsonValue& texture :
             node[QStringLiteral("material")][QStringLiteral("textures")].toArray())
        {
            ++textures;
            const QString file = NativePath(texture.toString());
            EXPECT_TRUE(file.startsWith(maps)) << name << ": " << file.toStdString();
            EXPECT_TRUE(QFileInfo::exists(file)) << name << ": " << file.toStdString();
        }
    }
    EXPECT_EQ(meshes, 9); // Zoë's body and overall, Anna's seven meshes
    EXPECT_GE(textures, meshes);
}

TEST_F(SceneHostSession, UndoAndRedoLeaveTheHostAsAfterTheBuilds)
{
    const QJsonObject scene = s_run->Json(QStringLiteral("scene.json"));
    EXPECT_EQ(scene[QStringLiteral("undo")].toArray(),
              (QJsonArray{QStringLiteral("ZANRET Character"), QStringLiteral("ZANRET Character")}));
    EXPECT_EQ(scene[QStringLiteral("redoCount")].toInt(-1), 0);
    EXPECT_EQ(scene[QStringLiteral("commandModes")].toInt(-1), 0);
    EXPECT_TRUE(scene[QStringLiteral("scriptErrors")].toArray().isEmpty());
    EXPECT_TRUE(scene[QStringLiteral("quickAccess")].toArray().contains(
        QJsonArray{QStringLiteral("ZANRET"), QStringLiteral("ZANRET Manager")}));
    EXPECT_TRUE(scene[QStringLiteral("layers")].toArray().contains(kLayer));

    // The first character stays where it was put on the ground.
    const QJsonObject zoe = Node(kZoeGroup, kZoeGroup, QStringLiteral("ZANRET_GROUP"));
    ASSERT_FALSE(zoe.isEmpty());
    EXPECT_NEAR(Translation(zoe, 0), 90.0, 3.0);
    EXPECT_NEAR(Translation(zoe, 1), 40.0, 3.0);
    EXPECT_NEAR(Translation(zoe, 2), 0.0, 0.01);
}

TEST_F(SceneHostSession, PicturesShowTheManagerAndTheCharacters)
{
    const QImage manager(s_run->OutputFile(QStringLiteral("manager.png")));
    const QImage viewport(s_run->OutputFile(QStringLiteral("viewport.png")));
    const QImage whole(s_run->OutputFile(QStringLiteral("scene-host.png")));
    ASSERT_FALSE(manager.isNull());
    ASSERT_FALSE(viewport.isNull());
    ASSERT_FALSE(whole.isNull());
    EXPECT_GE(manager.width(), 525);
    EXPECT_GE(manager.height(), 500);
    EXPECT_GT(whole.width(), manager.width());
    // Zoë's overall is yellow; nothing else in the view is.
    int yellow = 0;
    for (int y = 0; y < viewport.height(); ++y)
        for (int x = 0; x < viewport.width(); ++x)
        {
            const QColor c = viewport.pixelColor(x, y);
            if (c.red() > 140 && c.green() > 120 && c.blue() < 80)
                ++yellow;
        }
    EXPECT_GT(yellow, 1000);
}

TEST(SceneHostWithoutRepository, ACancelledCatalogueDialogIsAStepThatDidNotHappen)
{
    const SceneHostRun run{QString()};
    EXPECT_NE(run.ExitCode(), 0) << run.Output().toStdString();
    const QJsonArray steps = run.Json(QStringLiteral("session.json"))[QStringLiteral("steps")].toArray();
    bool opened = true;
    for (const QJsonValue& step : steps)
        if (step[QStringLiteral("step")].toString().contains(QStringLiteral("opened the manager")))
            opened = step[QStringLiteral("happened")].toBool();
    EXPECT_FALSE(opened);
    ASSERT_FALSE(steps.isEmpty());
    // The host still stops and unloads the plug-in cleanly.
    EXPECT_TRUE(steps.last()[QStringLiteral("happened")].toBool());
}
} // namespace
