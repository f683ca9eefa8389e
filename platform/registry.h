#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/interface.h"

namespace platform {

enum class RegistryRoot { CurrentUser, ClassesRoot, LocalMachine };

// A value read with the wrong type (a text where a number is expected, or the other
// way round) raises this, as the registry accessor of the platform does.
class RegistryTypeError : public Error {
public:
    using Error::Error;
};

// One open key. Releasing the object closes the key; there is no other cleanup.
class RegistryKey : public Interface {
public:
    virtual bool ValueExists(const std::wstring& name) const = 0;
    // Booleans and integers are REG_DWORD; any non-zero number reads as true.
    virtual bool ReadBool(const std::wstring& name) const = 0;
    virtual std::int32_t ReadInteger(const std::wstring& name) const = 0;
    virtual std::wstring ReadString(const std::wstring& name) const = 0;
    virtual void WriteBool(const std::wstring& name, bool value) = 0;
    virtual void WriteInteger(const std::wstring& name, std::int32_t value) = 0;
    virtual void WriteString(const std::wstring& name, const std::wstring& value) = 0;
    // Returns false when the value did not exist or could not be removed.
    virtual bool DeleteValue(const std::wstring& name) = 0;
    virtual std::vector<std::wstring> SubkeyNames() const = 0;
    // How many values the key holds; the largest count there is when that cannot be
    // asked, so that nothing is taken for missing.
    virtual std::size_t ValueCount() const = 0;
};

class Registry : public Interface {
public:
    // Opens the key with full access, creating it (and its parents) when absent.
    // Throws Error when the key can neither be opened nor created.
    virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::wstring& path) = 0;
    // Opens an existing key for reading; returns null when it is absent or refused.
    virtual std::unique_ptr<RegistryKey> OpenExistingKey(RegistryRoot root,
                                                         const std::wstring& path) = 0;
    virtual bool KeyExists(RegistryRoot root, const std::wstring& path) = 0;
    // Removes the key with everything below it; false when nothing could be removed.
    virtual bool DeleteKeyTree(RegistryRoot root, const std::wstring& path) = 0;
};

} // namespace platform
