// Where each subtype's rows come from, carried beside the catalogue and
// written by the size-table generator from the same list as SOURCES.md.
#pragma once
#include <string>

enum class ProvenanceClass { Printed, Transcribed, Rebuilt, FixedRowsOnly, NoRows };

struct SubtypeProvenance {
    int subtype;
    ProvenanceClass kind;
    int carriedRows;
    const char* utf8Line;  // the one Chinese line the user sees
};

// The entry of a subtype, or nullptr for an ID the catalogue does not know.
const SubtypeProvenance* FindProvenance(int subtype);
// The subtype's source line as GBK text; empty for an unknown subtype.
std::string ProvenanceLine(int subtype);
