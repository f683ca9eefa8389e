#include "platform/fake/fake_registry.h"

#include <algorithm>

#include "platform/paths.h"

namespace platform::fake {

namespace {

std::wstring Fold(std::wstring s) {
    for (auto& c : s) c = FoldCase(c);
    return s;
}

} // namespace

bool FakeRegistry::Key::FoldedLess::operator()(const std::wstring& a, const std::wstring& b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t x = FoldCase(a[i]), y = FoldCase(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

namespace {

std::wstring Trim(const std::wstring& path) {
    size_t b = 0, e = path.size();
    while (b < e && path[b] == L'\\') ++b;
    while (e > b && path[e - 1] == L'\\') --e;
    return path.substr(b, e - b);
}

std::wstring FullPath(RegistryRoot root, const std::wstring& path) {
    const wchar_t* name = root == RegistryRoot::CurrentUser   ? L"HKCU"
                          : root == RegistryRoot::ClassesRoot ? L"HKCR"
                                                              : L"HKLM";
    std::wstring p = Trim(path);
    return p.empty() ? name : std::wstring(name) + L"\\" + p;
}

class FakeKey : public RegistryKey {
public:
    FakeKey(FakeRegistry& registry, RegistryRoot root, std::wstring path)
        : registry_(registry), root_(root), path_(std::move(path)),
          folded_(Fold(FullPath(root_, path_))) {
        ++registry_.OpenKeysNow;
    }
    ~FakeKey() override { --registry_.OpenKeysNow; }

    bool ValueExists(const std::wstring& name) const override { return Lookup(name) != nullptr; }
    bool ReadBool(const std::wstring& name) const override { return ReadInteger(name) != 0; }
    std::int32_t ReadInteger(const std::wstring& name) const override {
        const StoredValue& v = Require(name);
        if (v.type != ValueType::Dword)
            throw RegistryTypeError(L"Invalid data type for '" + name + L"'");
        return static_cast<std::int32_t>(v.number);
    }
    std::wstring ReadString(const std::wstring& name) const override {
        const StoredValue& v = Require(name);
        if (v.type != ValueType::String)
            throw RegistryTypeError(L"Invalid data type for '" + name + L"'");
        return v.text;
    }
    void WriteBool(const std::wstring& name, bool value) override {
        WriteInteger(name, value ? 1 : 0);
    }
    void WriteInteger(const std::wstring& name, std::int32_t value) override {
        Store(name, {ValueType::Dword, static_cast<std::uint32_t>(value), {}});
    }
    void WriteString(const std::wstring& name, const std::wstring& value) override {
        Store(name, {ValueType::String, 0, value});
    }
    bool DeleteValue(const std::wstring& name) override {
        ++registry_.Writes;
        FakeRegistry::Key* key = registry_.FindFolded(folded_);
        return key && key->values.erase(Fold(name)) > 0;
    }
    std::vector<std::wstring> SubkeyNames() const override {
        return registry_.ChildNames(root_, path_);
    }

    std::size_t ValueCount() const override {
        const FakeRegistry::Key* key = registry_.FindFolded(folded_);
        return key ? key->values.size() : 0;
    }

private:
    const StoredValue* Lookup(const std::wstring& name) const {
        ++registry_.Lookups;
        const FakeRegistry::Key* key = registry_.FindFolded(folded_);
        if (!key) return nullptr;
        auto it = key->values.find(name);
        return it == key->values.end() ? nullptr : &it->second.second;
    }
    const StoredValue& Require(const std::wstring& name) const {
        const StoredValue* v = Lookup(name);
        if (!v) throw Error(L"The system cannot find the file specified.");
        return *v;
    }
    void Store(const std::wstring& name, StoredValue value) {
        registry_.CountWrite();
        registry_.Create(root_, path_).values[Fold(name)] = {name, std::move(value)};
    }

    FakeRegistry& registry_;
    RegistryRoot root_;
    std::wstring path_;
    // The key's name as the registry's map holds it: each value asked for finds its key
    // without folding the path again.
    std::wstring folded_;
};

} // namespace

FakeRegistry::Key* FakeRegistry::Find(RegistryRoot root, const std::wstring& path) {
    auto it = keys_.find(Fold(FullPath(root, path)));
    return it == keys_.end() ? nullptr : &it->second;
}

FakeRegistry::Key* FakeRegistry::FindFolded(const std::wstring& folded) {
    auto it = keys_.find(folded);
    return it == keys_.end() ? nullptr : &it->second;
}

const FakeRegistry::Key* FakeRegistry::Find(RegistryRoot root, const std::wstring& path) const {
    auto it = keys_.find(Fold(FullPath(root, path)));
    return it == keys_.end() ? nullptr : &it->second;
}

FakeRegistry::Key& FakeRegistry::Create(RegistryRoot root, const std::wstring& path) {
    // Parents come into being with their child, as RegCreateKeyEx makes them.
    const std::wstring full = FullPath(root, path);
    for (size_t pos = full.find(L'\\'); pos != std::wstring::npos; pos = full.find(L'\\', pos + 1)) {
        Key& parent = keys_[Fold(full.substr(0, pos))];
        if (parent.displayPath.empty()) parent.displayPath = full.substr(0, pos);
    }
    Key& key = keys_[Fold(full)];
    if (key.displayPath.empty()) key.displayPath = full;
    return key;
}

std::vector<std::wstring> FakeRegistry::ChildNames(RegistryRoot root,
                                                   const std::wstring& path) const {
    std::vector<std::wstring> names;
    const std::wstring prefix = Fold(FullPath(root, path)) + L"\\";
    for (const auto& [folded, key] : keys_) {
        if (folded.size() > prefix.size() && folded.compare(0, prefix.size(), prefix) == 0 &&
            folded.find(L'\\', prefix.size()) == std::wstring::npos)
            names.push_back(key.displayPath.substr(prefix.size()));
    }
    return names;
}

void FakeRegistry::CountWrite() {
    ++Writes;
    if (!FailWritesAfter) return;
    if (*FailWritesAfter <= 0) throw Error(L"Access is denied.");
    --*FailWritesAfter;
}

std::unique_ptr<RegistryKey> FakeRegistry::OpenKey(RegistryRoot root, const std::wstring& path) {
    ++OpenCount;
    if (FailOpen) throw Error(L"Access is denied.");
    Create(root, path);
    return std::make_unique<FakeKey>(*this, root, path);
}

std::unique_ptr<RegistryKey> FakeRegistry::OpenExistingKey(RegistryRoot root,
                                                           const std::wstring& path) {
    ++OpenCount;
    if (FailOpen || !Find(root, path)) return nullptr;
    return std::make_unique<FakeKey>(*this, root, path);
}

bool FakeRegistry::KeyExists(RegistryRoot root, const std::wstring& path) {
    return Find(root, path) != nullptr;
}

bool FakeRegistry::DeleteKeyTree(RegistryRoot root, const std::wstring& path) {
    ++Writes;
    const std::wstring folded = Fold(FullPath(root, path));
    bool any = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
        const std::wstring& k = it->first;
        if (IsSameOrBelow(k, folded)) {
            it = keys_.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

void FakeRegistry::Set(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                       StoredValue value) {
    Create(root, path).values[Fold(name)] = {name, std::move(value)};
}

void FakeRegistry::SetDword(const std::wstring& path, const std::wstring& name, std::uint32_t v) {
    Set(RegistryRoot::CurrentUser, path, name, {ValueType::Dword, v, {}});
}

void FakeRegistry::SetString(const std::wstring& path, const std::wstring& name,
                             const std::wstring& v) {
    Set(RegistryRoot::CurrentUser, path, name, {ValueType::String, 0, v});
}

std::optional<StoredValue> FakeRegistry::Get(RegistryRoot root, const std::wstring& path,
                                             const std::wstring& name) const {
    const Key* key = Find(root, path);
    if (!key) return std::nullopt;
    auto it = key->values.find(name);
    if (it == key->values.end()) return std::nullopt;
    return it->second.second;
}

std::optional<StoredValue> FakeRegistry::Get(const std::wstring& path,
                                             const std::wstring& name) const {
    return Get(RegistryRoot::CurrentUser, path, name);
}

int FakeRegistry::ValueCount(RegistryRoot root, const std::wstring& path) const {
    const Key* key = Find(root, path);
    return key ? static_cast<int>(key->values.size()) : 0;
}

} // namespace platform::fake
