#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform::fake {

enum class ValueType { Dword, String, Binary };

struct StoredValue {
    ValueType type = ValueType::Dword;
    std::uint32_t number = 0;
    std::wstring text;
};

// An in-memory registry with the platform's rules: key paths and value names compare
// without regard to case, and a value read as the wrong type is an error.
class FakeRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::wstring& path) override;
    std::unique_ptr<RegistryKey> OpenExistingKey(RegistryRoot root,
                                                 const std::wstring& path) override;
    bool KeyExists(RegistryRoot root, const std::wstring& path) override;
    bool DeleteKeyTree(RegistryRoot root, const std::wstring& path) override;

    // Direct access for tests: seeding and inspecting values without the program.
    void Set(RegistryRoot root, const std::wstring& path, const std::wstring& name,
             StoredValue value);
    void SetDword(const std::wstring& path, const std::wstring& name, std::uint32_t v);
    void SetString(const std::wstring& path, const std::wstring& name, const std::wstring& v);
    std::optional<StoredValue> Get(RegistryRoot root, const std::wstring& path,
                                   const std::wstring& name) const;
    std::optional<StoredValue> Get(const std::wstring& path, const std::wstring& name) const;
    // Number of values in a key (0 when absent).
    int ValueCount(RegistryRoot root, const std::wstring& path) const;

    // Fault injection: opening or writing fails once this many more writes succeeded.
    std::optional<int> FailWritesAfter;
    // Values written or deleted, and keys deleted.
    int Writes = 0;
    bool FailOpen = false;
    int OpenCount = 0;
    // Every value asked for by name through an open key.
    mutable int Lookups = 0;
    int OpenKeysNow = 0;

    struct Key {
        std::wstring displayPath;
        // Ordered by folded name, so that a value is found by any spelling of its name
        // without folding a copy of it first.
        struct FoldedLess {
            using is_transparent = void;
            bool operator()(const std::wstring& a, const std::wstring& b) const;
        };
        std::map<std::wstring, std::pair<std::wstring, StoredValue>, FoldedLess> values;
    };
    Key* Find(RegistryRoot root, const std::wstring& path);
    // By the folded full name ("hkcu\\software\\..."), as an open key keeps it.
    Key* FindFolded(const std::wstring& folded);
    const Key* Find(RegistryRoot root, const std::wstring& path) const;
    Key& Create(RegistryRoot root, const std::wstring& path);
    std::vector<std::wstring> ChildNames(RegistryRoot root, const std::wstring& path) const;
    void CountWrite();

private:
    std::map<std::wstring, Key> keys_; // folded "root\path"
};

} // namespace platform::fake
