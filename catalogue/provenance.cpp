#include "provenance.h"

#include <algorithm>
#include <iterator>

#include "database.h"

namespace {

const SubtypeProvenance kProvenance[] = {
#include "provenance_table.inc"
};

}  // namespace

const SubtypeProvenance* FindProvenance(int subtype) {
    const auto* it = std::find_if(std::begin(kProvenance), std::end(kProvenance),
                                  [subtype](const SubtypeProvenance& p) { return p.subtype == subtype; });
    return it == std::end(kProvenance) ? nullptr : it;
}

std::string ProvenanceLine(int subtype) {
    const SubtypeProvenance* p = FindProvenance(subtype);
    return p ? Utf8ToGbk(p->utf8Line) : std::string();
}
