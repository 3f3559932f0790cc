#pragma once

#include <cstdint>
#include <string>

class TDXAnimation;
class TJoinFile;

// The archive entry of a character's animation: the character number in at least two digits,
// then the letter 64 + animation ("03B" for character 3, animation 2).
std::string CharacterEntryName(std::int32_t shape, std::int32_t animation);

// Makes the archive entry `name` the character that `animation` shows. False when the archive
// has no readable entry of that name, or one longer than a model may be; the character shown
// before is then kept. A character that
// Create declines to load (no scene or core linked) is not a failure here.
bool LoadAnimationEntry(TJoinFile& archive, const std::string& name, TDXAnimation& animation);
