// A welded family's three formula texts as the catalogue holds them, with
// the line breaks of the surface-area formula removed.
#pragma once
#include <string>

struct FamilyFormulas {
    std::string area, weight, surface;
};

// All three empty when the family has no formula row.
FamilyFormulas ReadFamilyFormulas(const std::string& family);
