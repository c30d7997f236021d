#pragma once
// A fresh stand-in host, an empty instance store, and the builder's test repository read into the
// store with the settings pointing at it.

#include "BuilderTestRepository.h"
#include "TempFolder.h"
#include "repository/LocalAppData.h"
#include "repository/MessageLog.h"

#include "repository/Data2.h"
#include "repository/Parser2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "scene/Builder.h"
#include "scene/BuilderConventions.h"
#include "scene/ObjectDatabase.h"

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class BuilderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        ZANRET::ObjectDatabase::Clear();
        ip = GetCOREInterface();
        ZANRET::Settings::LoadSettings();
        ZANRET::Settings::SetPath(repository.WidePath().c_str());
        BuilderTestRepository::Write(repository);
        ASSERT_TRUE(ZANRET::Parser2::ParseRepository(repository.WidePath().c_str()));
        ZANRET::Data2::SetValid(true);
        log.Clear();
    }
    void TearDown() override
    {
        Host::Reset();
        ZANRET::ObjectDatabase::Clear();
    }

    static void Select(const wchar_t* character, const wchar_t* cloth, const wchar_t* style,
                       const wchar_t* pose, const wchar_t* skin)
    {
        ZANRET::Selection2::SetCharacter(character);
        ZANRET::Selection2::SetCloth(cloth);
        ZANRET::Selection2::SetStyle(style);
        ZANRET::Selection2::SetPose(pose);
        ZANRET::Selection2::SetSkin(skin);
    }
    // anna in her red dress, standing, light skin.
    static void SelectAnna(const wchar_t* pose = L"stand")
    {
        Select(L"anna", L"dress", L"red", pose, L"light");
    }
    // Selects an asset of anna by id, or one of its materials.
    static void SelectAsset(const wchar_t* assetId, const wchar_t* materialId = nullptr)
    {
        ZANRET::CharacterData* anna = ZANRET::Data2::GetCharacter(L"anna");
        ZANRET::DataContainer* asset = anna->GetAsset(assetId);
        ZANRET::DataContainer* element =
            materialId ? ZANRET::CharacterData::FindById(asset, materialId) : asset;
        ZANRET::Selection2::AddAsset(ZANRET::Data2::GetUnique(element));
    }

    // The repository folder as the settings hold it, followed by rest.
    std::wstring RepositoryPath(const std::wstring& rest = L"") const { return repository.WidePath() + rest; }
    // The name of a folder beside the repository, which a catalogue reaches with "..\<name>".
    std::wstring BesideName() const { return beside.Path().filename().wstring(); }

    static INode* Child(INode* parent, const std::wstring& name)
    {
        for (int i = 0; i < parent->NumberOfChildren(); ++i)
            if (hostsdk::ToWide(parent->GetChildNode(i)->GetName()) == name)
                return parent->GetChildNode(i);
        return nullptr;
    }
    static std::vector<std::wstring> ChildNames(INode* parent)
    {
        std::vector<std::wstring> names;
        for (int i = 0; i < parent->NumberOfChildren(); ++i)
            names.push_back(hostsdk::ToWide(parent->GetChildNode(i)->GetName()));
        return names;
    }
    static std::wstring StringProperty(INode* node, const wchar_t* key)
    {
        MSTR value;
        if (!node->GetUserProperty(hostsdk::FromWide(key).c_str(), value))
            return L"<none>";
        return hostsdk::ToWide(value.c_str());
    }
    static bool BoolProperty(INode* node, const wchar_t* key)
    {
        BOOL value = FALSE;
        return node->GetUserProperty(hostsdk::FromWide(key).c_str(), value) && value == TRUE;
    }
    static std::wstring MeshPath(INode* node)
    {
        IParamBlock2* block = node->GetObjectRef()->GetParamBlock(0);
        return hostsdk::ToWide(block->GetStr(ZANRET::Builder::kProxyPathParameter));
    }
    static ILayer* CharacterLayer()
    {
        return GetCOREInterface13()->GetLayerManager()->FindLayer(
            hostsdk::FromWide(ZANRET::Builder::kCharacterLayerName).c_str());
    }
    static int LayerNodeCount()
    {
        ILayer* layer = CharacterLayer();
        if (!layer)
            return 0;
        return static_cast<ILayerProperties*>(layer->GetInterface(kLayerPropertiesInterfaceID))
            ->NumberOfNodes();
    }

    TempFolder repository;
    TempFolder beside;
    TempFolder settingsFolder;
    LocalAppData appData{settingsFolder.Path()};
    CleanModel model;
    MessageLog log;
    Interface* ip = nullptr;
};

inline void ExpectPointNear(const Point3& actual, const Point3& expected, float eps = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}
