#pragma once
// The picture files that a click in the manager window puts on its pages, listed from the model by
// the window's own rules, as native paths for a bare decode beside the click.

#include <QString>

#include <vector>

namespace ZANRET
{
class CharacterData;
}

namespace UiBench
{
// A character click: the outfit pictures of its preview panel (and the overlay when an outfit is
// not available).
std::vector<QString> CharacterClickPictures(ZANRET::CharacterData* character);
// The poses page of the selected outfit.
std::vector<QString> PosesPagePictures(ZANRET::CharacterData* character);
// Every page but the poses page (skins, cloth materials, asset categories), for the selected
// outfit and pose: what a pose click rebuilds.
std::vector<QString> OtherPagesPictures(ZANRET::CharacterData* character);
} // namespace UiBench
