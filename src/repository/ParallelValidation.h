#pragma once
// The validation of a large repository's characters spread over a few threads. Each character's
// messages are kept and passed on by the calling thread once all are done, in character order: the
// messages and the flags are those of one thread validating the characters one after the other.

#include "repository/CharacterData.h"
#include "repository/Debug.h"

#include <cstddef>
#include <span>

namespace ZANRET::ParallelValidation
{
// Validates one character; its messages are kept in the list, or passed on at once without one.
using CharacterCheck = void (*)(CharacterData* character, Debug::MessageList* kept);

// One (the calling thread alone) for a small repository, where starting threads costs more than it
// saves; otherwise up to four, never more than the hardware has.
unsigned ThreadsFor(std::size_t characterCount);

// Runs the check for each character on up to the given number of threads, the calling one among
// them; one checks them all on the calling thread. A character whose check failed on a worker is
// checked again on the calling thread at its place in the order.
void CheckCharacters(std::span<CharacterData* const> characters, unsigned threads, CharacterCheck check);
} // namespace ZANRET::ParallelValidation
