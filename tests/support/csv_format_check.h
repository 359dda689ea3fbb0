// Strict check of the carried table format. The CSV module garbles bad
// quoting without any error, so every carried file must pass this.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct CarriedCsv {
    std::vector<std::string> problems;               // empty when the text is well-formed
    std::vector<std::vector<std::string>> records;   // header first; field texts unquoted (UTF-8)
    bool ok() const { return problems.empty(); }
};

// UTF-8 without BOM; CRLF after every record and nothing after the last;
// every non-empty field quoted; the same field count in every record; no
// apostrophe; no double quote inside a field; every character in GBK.
CarriedCsv CheckCarriedCsv(std::string_view utf8);

// The carried text of a catalogue table parsed and checked; problems name the table.
CarriedCsv LoadCarriedTable(std::string_view utf8Name);
