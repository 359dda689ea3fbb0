// The resource archive and the two item templates carried in the program.
#pragma once
#include <string_view>

std::string_view CarriedArchive();
std::string_view ListItemTemplate();      // UTF-8 XML
std::string_view ComboItemTemplate();     // UTF-8 XML
