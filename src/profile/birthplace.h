// The 55 birthplaces the profile offers by name, each with its longitude.
#pragma once

#include <cstddef>
#include <string>

#include "profile/profile.h"

namespace vesm {

struct Birthplace {
    int eastOrWest = 0;  // 0 = east, 1 = west
    int degree = 0;
    int minute = 0;
    int second = 0;
    std::string name;  // UTF-8; empty for entry 0, "no place chosen"
};

constexpr std::size_t kBirthplaceCount = 55;

// Entry i of the table, 0 <= i < kBirthplaceCount; entry 0 for any other i.
Birthplace BirthplaceAt(std::size_t index);

// The entry a stored longitude stands for: the last one whose four longitude
// values all equal the profile's (two entries share one longitude), or 0.
std::size_t BirthplaceOfLongitude(const CProfile& profile);

// The profile with the longitude of entry i.
void SetLongitudeOfBirthplace(CProfile& profile, std::size_t index);

}  // namespace vesm
