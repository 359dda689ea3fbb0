#include "carried_tables.h"

std::optional<std::string_view> CarriedTableText(std::string_view utf8Name) {
    for (int i = 0; i < kCarriedTableEntryCount; ++i) {
        const CarriedTableEntry& e = kCarriedTableEntries[i];
        if (e.begin && utf8Name == e.name) {
            return std::string_view(e.begin, static_cast<size_t>(e.end - e.begin));
        }
    }
    return std::nullopt;
}
