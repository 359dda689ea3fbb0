// Reading entries of an encrypted ZIP archive held in memory. Entry names
// are stored as GBK bytes and matched byte for byte.
#pragma once
#include <string>
#include <vector>

class Archive {
public:
    Archive() = default;
    Archive(const void* data, size_t size, std::string password);

    bool valid() const { return data_ != nullptr; }
    // False when there is no such entry, the password is wrong or the data is damaged.
    bool Read(const std::string& gbkName, std::string& bytes) const;
    std::vector<std::string> Names() const;  // GBK

private:
    const void* data_ = nullptr;
    size_t size_ = 0;
    std::string password_;
};

// The archive that the loaded resources came from; layouts and images read it.
Archive& CurrentArchive();
