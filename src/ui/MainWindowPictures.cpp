#include "ui/MainWindowPictures.h"

#include "repository/Data2.h"
#include "repository/RepositoryLayout.h"
#include "ui/MainWindowGeneralFill.h"

#include <win32/textfile.h>

#include <QByteArray>

#include <list>
#include <unordered_map>

namespace ZANRET::MainWindowPictures
{
namespace
{
// No preview comes near this; a larger file is one that cannot be read.
constexpr std::uint64_t kPictureFileLimit = std::uint64_t{256} << 20;

struct Kept
{
    QImage picture;
    // Its place in the use order.
    std::list<std::wstring>::iterator use;
};

struct Store
{
    std::unordered_map<std::wstring, Kept> pictures;
    // Most recently used first.
    std::list<std::wstring> uses;
    qsizetype bytes = 0;
    qsizetype keptBytes = kDefaultKeptBytes;
    std::size_t decoded = 0;
};

Store& TheStore()
{
    static Store store;
    return store;
}

QImage Decode(const std::wstring& path)
{
    ++TheStore().decoded;
    // A picture outside the repository is one that is not there; only regular files are read.
    std::string bytes;
    if (!MainWindowGeneralFill::FileExists(path) ||
        !RepositoryLayout::StaysInRepository(MainWindowGeneralFill::RepositoryPath(), path) ||
        !win32::ReadBinaryFile(path.c_str(), bytes, kPictureFileLimit))
    {
        return QImage();
    }
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
}

void GiveWayToNewest(Store& store)
{
    while (store.bytes > store.keptBytes && store.uses.size() > 1)
    {
        const auto oldest = store.pictures.find(store.uses.back());
        store.bytes -= oldest->second.picture.sizeInBytes();
        store.pictures.erase(oldest);
        store.uses.pop_back();
    }
}
} // namespace

QImage Get(const std::wstring& path)
{
    Store& store = TheStore();
    if (!Data2::IsValid())
    {
        Clear();
        return Decode(path);
    }
    const auto found = store.pictures.find(path);
    if (found != store.pictures.end())
    {
        store.uses.splice(store.uses.begin(), store.uses, found->second.use);
        return found->second.picture;
    }
    const QImage picture = Decode(path);
    store.uses.push_front(path);
    store.pictures.emplace(path, Kept{picture, store.uses.begin()});
    store.bytes += picture.sizeInBytes();
    GiveWayToNewest(store);
    return picture;
}

void Clear()
{
    Store& store = TheStore();
    store.pictures.clear();
    store.uses.clear();
    store.bytes = 0;
}

void SetKeptBytes(qsizetype bytes)
{
    Store& store = TheStore();
    store.keptBytes = bytes;
    GiveWayToNewest(store);
}

std::size_t DecodeCount()
{
    return TheStore().decoded;
}

std::size_t KeptCount()
{
    return TheStore().pictures.size();
}
} // namespace ZANRET::MainWindowPictures
