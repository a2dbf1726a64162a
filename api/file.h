#pragma once
// One file or folder of the account, and one photo, as the file API lists them.
#include <cstdint>
#include <string>

namespace brisko {

// Reads a decimal number the way the service's texts are read: leading blanks skipped,
// an optional sign, digits up to the first other character; 0 without leading digits.
std::int64_t parse_decimal(const std::string& text);

class file {
public:
    file() = default;
    virtual ~file() = default;
    file(const file&) = default;
    file& operator=(const file&) = default;

    std::int64_t get_id() const { return id; }
    void set_id(const std::string& text) { id = parse_decimal(text); }
    std::int64_t get_size() const { return size; }
    void set_size(const std::string& text) { size = parse_decimal(text); }

#define BRISKO_FILE_TEXT(field)                                                                \
    std::string get_##field() const { return field##_; }                                      \
    void set_##field(const std::string& value) { field##_ = value; }
    BRISKO_FILE_TEXT(linkcode)
    BRISKO_FILE_TEXT(name)
    BRISKO_FILE_TEXT(secure)
    BRISKO_FILE_TEXT(public)
    BRISKO_FILE_TEXT(copied)
    BRISKO_FILE_TEXT(shared)
    BRISKO_FILE_TEXT(directlink)
    BRISKO_FILE_TEXT(type)
    BRISKO_FILE_TEXT(path)
    BRISKO_FILE_TEXT(hash_index)
    BRISKO_FILE_TEXT(owner_id)
    BRISKO_FILE_TEXT(pid)
    BRISKO_FILE_TEXT(downloadcount)
    BRISKO_FILE_TEXT(deleted)
    BRISKO_FILE_TEXT(description)
    BRISKO_FILE_TEXT(created)
    BRISKO_FILE_TEXT(lastdownload)
    BRISKO_FILE_TEXT(modified)
    BRISKO_FILE_TEXT(t_index)
    BRISKO_FILE_TEXT(url)
    BRISKO_FILE_TEXT(pwd)
#undef BRISKO_FILE_TEXT

    bool operator==(const file& other) const;
    bool operator!=(const file& other) const { return !(*this == other); }

private:
    std::int64_t id = 0;
    std::string linkcode_;
    std::string name_;
    std::string secure_;
    std::string public_;
    std::string copied_;
    std::string shared_;
    std::string directlink_;
    std::string type_;
    std::string path_;
    std::string hash_index_;
    std::string owner_id_;
    std::string pid_;
    std::int64_t size = 0;
    std::string downloadcount_;
    std::string deleted_;
    std::string description_;
    std::string created_;
    std::string lastdownload_;
    std::string modified_;
    std::string t_index_;
    std::string url_;
    std::string pwd_;
};

class photo {
public:
    photo() = default;
    virtual ~photo() = default;

#define BRISKO_PHOTO_TEXT(field)                                                               \
    std::string get_##field() const { return field##_; }                                      \
    void set_##field(const std::string& value) { field##_ = value; }
    BRISKO_PHOTO_TEXT(id)
    BRISKO_PHOTO_TEXT(name)
    BRISKO_PHOTO_TEXT(path)
    BRISKO_PHOTO_TEXT(created)
    BRISKO_PHOTO_TEXT(s)
    BRISKO_PHOTO_TEXT(l)
#undef BRISKO_PHOTO_TEXT

private:
    std::string id_;
    std::string name_;
    std::string path_;
    std::string created_;
    std::string s_;
    std::string l_;
};

} // namespace brisko
