// The folder that holds the program file, without a trailing separator.
#pragma once
#include <string>

// GBK text. Paths appended by callers may use "\" or "/"; see NativePath.
std::string ProgramDirectory();

// A GBK path as the file system takes it: UTF-8, with every "\" turned into
// "/", so paths written in either style open.
std::string NativePath(const std::string& gbkPath);
