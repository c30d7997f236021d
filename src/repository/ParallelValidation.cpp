#include "repository/ParallelValidation.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace ZANRET::ParallelValidation
{
namespace
{
// Below this many characters validation takes about as long as starting a thread.
constexpr std::size_t kFewCharacters = 32;
// The stat calls wait on the file system's locks; more threads than this gain little.
constexpr unsigned kMostThreads = 4;
} // namespace

unsigned ThreadsFor(std::size_t characterCount)
{
    if (characterCount < kFewCharacters)
        return 1;
    // Zero: the hardware could not be asked.
    return std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads);
}

void CheckCharacters(std::span<CharacterData* const> characters, unsigned threads, CharacterCheck check)
{
    const std::size_t count = characters.size();
    if (threads <= 1 || count <= 1)
    {
        for (CharacterData* character : characters)
            check(character, nullptr);
        return;
    }
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, count));
    std::vector<Debug::MessageList> kept(count);
    // Bytes, not a vector<bool>: the threads write the entries of different characters at once.
    std::vector<unsigned char> done(count, 0);
    // Characters are handed out one by one: their sizes differ too much for fixed ranges.
    std::atomic<std::size_t> next{0};
    const auto work = [&]
    {
        for (std::size_t i = next++; i < count; i = next++)
        {
            try
            {
                check(characters[i], &kept[i]);
                done[i] = 1;
            }
            catch (...)
            {
                // Checked again below, where a failure reaches the caller as it would without threads.
                kept[i].clear();
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        try
        {
            workers.reserve(threads - 1);
            for (unsigned t = 1; t < threads; ++t)
                workers.emplace_back(work);
        }
        catch (const std::exception&)
        {
            // No thread or no memory for one: the threads that did start and this one share what
            // is left.
        }
        work();
    }
    for (std::size_t i = 0; i < count; ++i)
    {
        if (done[i])
            Debug::AddDebugMessages(kept[i]);
        else
            check(characters[i], nullptr);
    }
}
} // namespace ZANRET::ParallelValidation
