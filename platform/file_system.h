#pragma once
#include <string>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool DirectoryExists(const std::wstring& path) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // Creates one folder; its parent must exist. False when it could not be created.
    virtual bool MakeDirectory(const std::wstring& path) = 0;
    // The process's current directory, without a trailing backslash unless it is a root.
    virtual std::wstring CurrentDirectory() = 0;
};

} // namespace platform
