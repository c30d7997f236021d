#include "SceneDump.h"

#include "HostText.h"
#include "MaterialWalk.h"
#include "SceneWalk.h"

#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>
#include <hostsdk/ParamBlock.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace scenehost
{
namespace
{
QJsonArray ToArray(const Point3& p)
{
    return QJsonArray{p.x, p.y, p.z};
}

QJsonArray ToArray(const std::vector<MSTR>& texts)
{
    QJsonArray array;
    for (const MSTR& text : texts)
        array.append(ToQString(text));
    return array;
}

QString ClassIdText(Class_ID id)
{
    return QStringLiteral("0x%1,0x%2").arg(id.PartA(), 0, 16).arg(id.PartB(), 0, 16);
}

QJsonObject DumpMaterial(Mtl* material)
{
    QJsonObject json;
    json[QStringLiteral("name")] = ToQString(material->GetName());
    json[QStringLiteral("class")] = ClassIdText(material->ClassID());
    QJsonArray parts;
    WalkMaterial(material,
                 [&](MtlBase* m)
                 {
                     if (m != material)
                         parts.append(ToQString(m->GetName()));
                 });
    json[QStringLiteral("parts")] = parts;
    QJsonArray textures;
    for (const std::wstring& path : TexturePaths(material))
        textures.append(QString::fromStdWString(path));
    json[QStringLiteral("textures")] = textures;
    return json;
}

QJsonObject DumpProperties(INode* node)
{
    QJsonObject properties;
    for (const MSTR& key : Host::UserPropertyKeys(node))
    {
        BOOL flag = FALSE;
        MSTR text;
        if (node->GetUserProperty(key.data(), flag))
            properties[ToQString(key)] = flag != FALSE;
        else if (node->GetUserProperty(key.data(), text))
            properties[ToQString(key)] = ToQString(text);
    }
    return properties;
}

QJsonObject DumpNode(INode* node)
{
    QJsonObject json;
    json[QStringLiteral("name")] = ToQString(node->GetName());
    json[QStringLiteral("handle")] = static_cast<qint64>(node->GetHandle());
    INode* parent = node->GetParentNode();
    json[QStringLiteral("parent")] =
        parent && !parent->IsRootNode() ? QJsonValue(ToQString(parent->GetName())) : QJsonValue();
    json[QStringLiteral("children")] = node->NumberOfChildren();
    if (Object* object = node->GetObjectRef())
    {
        QJsonObject o;
        o[QStringLiteral("superClass")] = QStringLiteral("0x%1").arg(object->SuperClassID(), 0, 16);
        o[QStringLiteral("class")] = ClassIdText(object->ClassID());
        o[QStringLiteral("instances")] = static_cast<int>(Host::NodesUsing(object).size());
        if (object->ClassID() == kProxyMeshObjectClassID)
        {
            IParamBlock2* block = object->GetParamBlock(0);
            const MCHAR* path = block ? block->GetStr(0) : nullptr;
            o[QStringLiteral("meshPath")] = ToQString(path);
            o[QStringLiteral("meshLoaded")] = Host::ProxyMeshLoadedFromFile(object);
            o[QStringLiteral("triangles")] = Host::ProxyMeshTriangleCount(object);
        }
        json[QStringLiteral("object")] = o;
    }
    const Matrix3 tm = node->GetNodeTM(0);
    json[QStringLiteral("transform")] = QJsonArray{ToArray(tm.GetRow(0)), ToArray(tm.GetRow(1)),
                                                   ToArray(tm.GetRow(2)), ToArray(tm.GetRow(3))};
    json[QStringLiteral("properties")] = DumpProperties(node);
    ILayer* layer = node->GetLayer();
    json[QStringLiteral("layer")] = layer ? QJsonValue(ToQString(layer->GetName())) : QJsonValue();
    json[QStringLiteral("groupHead")] = node->IsGroupHead() != FALSE;
    json[QStringLiteral("groupMember")] = node->IsGroupMember() != FALSE;
    INode* group = OutermostGroupHead(node);
    json[QStringLiteral("group")] =
        group && group != node ? QJsonValue(ToQString(group->GetName())) : QJsonValue();
    json[QStringLiteral("selected")] = node->Selected() != 0;
    Mtl* material = node->GetMtl();
    json[QStringLiteral("material")] = material ? QJsonValue(DumpMaterial(material)) : QJsonValue();
    return json;
}
} // namespace

QJsonObject DumpScene()
{
    QJsonObject scene;
    QJsonArray nodes;
    for (INode* node : Host::SceneNodes())
        nodes.append(DumpNode(node));
    scene[QStringLiteral("nodes")] = nodes;

    QJsonArray layers;
    if (Interface13* host = GetCOREInterface13())
        if (ILayerManager* manager = host->GetLayerManager())
            for (int i = 0; i < manager->GetLayerCount(); ++i)
                if (ILayer* layer = manager->GetLayer(i))
                    layers.append(ToQString(layer->GetName()));
    scene[QStringLiteral("layers")] = layers;
    scene[QStringLiteral("undo")] = ToArray(Host::UndoNames());
    scene[QStringLiteral("redoCount")] = Host::RedoCount();
    scene[QStringLiteral("prompts")] = ToArray(Host::Prompts());
    scene[QStringLiteral("commandModes")] = static_cast<int>(Host::CommandModes().size());
    scene[QStringLiteral("scriptLines")] = ToArray(Host::ScriptLines());
    scene[QStringLiteral("scriptErrors")] = ToArray(Host::ScriptErrors());
    QJsonArray quickAccess;
    for (const auto& [table, text] : Host::QuickAccessItems())
        quickAccess.append(QJsonArray{ToQString(table), ToQString(text)});
    scene[QStringLiteral("quickAccess")] = quickAccess;
    return scene;
}

bool WriteSceneDump(const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(QJsonDocument(DumpScene()).toJson(QJsonDocument::Indented));
    return out.commit();
}
} // namespace scenehost
