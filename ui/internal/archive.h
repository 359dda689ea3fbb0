// Reading entries of an encrypted ZIP archive held in memory. Entry names
// are stored as GBK bytes and matched byte for byte.
#pragma once
#include <memory>
#include <string>
#include <vector>

struct zip;

class Archive {
public:
    Archive() = default;
    Archive(const void* data, size_t size, std::string password);

    bool valid() const { return zip_ != nullptr; }
    // False when there is no such entry, the password is wrong or the data is damaged.
    bool Read(const std::string& gbkName, std::string& bytes) const;
    std::vector<std::string> Names() const;  // GBK

private:
    // Opened once: every open reads the whole directory again (and converts
    // each entry's time stamp through the time zone), and the window reads
    // dozens of pictures.
    std::shared_ptr<zip> zip_;
    std::string password_;
};

// The archive that the loaded resources came from; layouts and images read it.
Archive& CurrentArchive();
