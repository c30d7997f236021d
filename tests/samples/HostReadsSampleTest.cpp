// The stand-in host reads every material library and mesh file of the default sample: the files
// are in the formats it documents, not only in the shape the generator meant.

#include "SampleCatalogue.h"

#include "hostsdk/Host.h"
#include "hostsdk/Interface.h"
#include "hostsdk/Material.h"
#include "hostsdk/Object.h"
#include "hostsdk/ParamBlock.h"
#include "win32/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
const Class_ID kProxyMesh(0x6CF53873, 0x1FF85498);

fs::path Samples()
{
    const char* samples = std::getenv("ZANRET_SAMPLES");
    return samples != nullptr ? fs::path(samples) : fs::path();
}

// As the plug-in hands paths to the host: backslashes.
std::wstring HostPath(const fs::path& path)
{
    std::wstring wide = win32::Utf8ToWide(path.string());
    for (wchar_t& ch : wide)
    {
        if (ch == L'/')
            ch = L'\\';
    }
    return wide;
}

std::vector<fs::path> FilesWithExtension(const fs::path& root, const char* extension)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    {
        if (entry.is_regular_file() && entry.path().extension() == extension)
            files.push_back(entry.path());
    }
    return files;
}

class HostReadsSampleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::is_directory(Samples()));
        Host::Reset();
    }
    void TearDown() override { Host::Reset(); }
};

TEST_F(HostReadsSampleTest, EveryLibraryLoadsWithAllItsMaterials)
{
    const std::vector<fs::path> libraries = FilesWithExtension(Samples(), ".mat");
    ASSERT_GT(libraries.size(), 15U);
    for (const fs::path& file : libraries)
    {
        const Values names = SampleCatalogue(file).Select("/materialLibrary/material/@name");
        ASSERT_NE(GetCOREInterface()->LoadMaterialLib(HostPath(file).c_str()), 0) << file;
        const MtlLib& library = GetCOREInterface()->GetMaterialLibrary();
        EXPECT_EQ(library.Count(), static_cast<int>(names.size())) << file;
        for (const std::string& name : names)
            EXPECT_GE(library.FindMtlByName(MSTR(win32::Utf8ToWide(name).c_str())), 0)
                << file << ": " << name;
    }
}

TEST_F(HostReadsSampleTest, EveryMeshLoadsFromItsFile)
{
    const std::vector<fs::path> meshes = FilesWithExtension(Samples(), ".vrmesh");
    ASSERT_GT(meshes.size(), 50U);
    for (const fs::path& file : meshes)
    {
        auto* proxy = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMesh));
        ASSERT_NE(proxy, nullptr);
        proxy->GetParamBlock(0)->SetValue(0, 0, HostPath(file).c_str());
        EXPECT_TRUE(Host::ProxyMeshLoadedFromFile(proxy)) << file;
        // In centimetres: a body is a standing or seated adult of many triangles. Nothing else is
        // taller than a person.
        const int triangles = Host::ProxyMeshTriangleCount(proxy);
        EXPECT_GT(triangles, 0) << file;
        const Box3 bounds = proxy->GetLocalBounds(0);
        const float height = bounds.pmax.z - bounds.pmin.z;
        EXPECT_LT(height, 200.0f) << file;
        if (file.filename() == "pose.vrmesh")
        {
            EXPECT_GE(triangles, 72) << file;
            EXPECT_GT(height, 100.0f) << file;
        }
    }
}
} // namespace
