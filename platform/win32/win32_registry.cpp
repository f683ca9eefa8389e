#include <utility>

#include "platform/win32/system_error.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {
namespace {

HKEY RootHandle(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

RegistryTypeError TypeError(const std::wstring& name) {
    return RegistryTypeError(L"Invalid data type for '" + name + L"'");
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

void Check(LONG status) {
    if (status != ERROR_SUCCESS) ThrowSystemError(static_cast<DWORD>(status));
}

class Win32RegistryKey final : public RegistryKey {
public:
    explicit Win32RegistryKey(UniqueHkey key) : key_(std::move(key)) {}

    bool ValueExists(const std::wstring& name) const override {
        return ::RegQueryValueExW(key_.Get(), name.c_str(), nullptr, nullptr, nullptr,
                                  nullptr) == ERROR_SUCCESS;
    }

    bool ReadBool(const std::wstring& name) const override { return ReadDword(name) != 0; }

    std::int32_t ReadInteger(const std::wstring& name) const override {
        return static_cast<std::int32_t>(ReadDword(name));
    }

    std::wstring ReadString(const std::wstring& name) const override;

    void WriteBool(const std::wstring& name, bool value) override {
        WriteDword(name, value ? 1 : 0);
    }

    void WriteInteger(const std::wstring& name, std::int32_t value) override {
        WriteDword(name, static_cast<DWORD>(value));
    }

    void WriteString(const std::wstring& name, const std::wstring& value) override {
        // The terminator is stored with the text, as REG_SZ readers expect.
        Write(name, REG_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
    }

    bool DeleteValue(const std::wstring& name) override {
        return ::RegDeleteValueW(key_.Get(), name.c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::wstring> SubkeyNames() const override;

    std::size_t ValueCount() const override {
        DWORD values = 0;
        if (::RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return static_cast<std::size_t>(-1);
        return values;
    }

private:
    DWORD ReadDword(const std::wstring& name) const;
    void WriteDword(const std::wstring& name, DWORD value) {
        Write(name, REG_DWORD, &value, sizeof value);
    }
    void Write(const std::wstring& name, DWORD type, const void* data, size_t bytes) {
        Check(::RegSetValueExW(key_.Get(), name.c_str(), 0, type,
                               static_cast<const BYTE*>(data), static_cast<DWORD>(bytes)));
    }

    UniqueHkey key_;
};

DWORD Win32RegistryKey::ReadDword(const std::wstring& name) const {
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG status = ::RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(&value), &size);
    // A longer value (a text, say) reports MORE_DATA but still tells its type, and the
    // type is what the caller got wrong.
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_DWORD || size != sizeof value) throw TypeError(name);
    }
    Check(status);
    return value;
}

std::wstring Win32RegistryKey::ReadString(const std::wstring& name) const {
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        Check(::RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size));
        if (!IsStringType(type)) throw TypeError(name);

        std::wstring text((size + sizeof(wchar_t) - 1) / sizeof(wchar_t), L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        LONG status = ::RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_MORE_DATA) continue; // Grew since we asked for its size.
        Check(status);
        if (!IsStringType(type)) throw TypeError(name);

        text.resize(size / sizeof(wchar_t));
        // Only the stored terminators go; anything between them is the caller's text.
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return text;
    }
}

std::vector<std::wstring> Win32RegistryKey::SubkeyNames() const {
    std::vector<std::wstring> names;
    std::wstring buffer(256, L'\0'); // Key names are at most 255 characters.
    DWORD index = 0;
    for (;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        LONG status = ::RegEnumKeyExW(key_.Get(), index, buffer.data(), &length, nullptr,
                                      nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return names;
        if (status == ERROR_MORE_DATA) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        Check(status);
        names.emplace_back(buffer.data(), length);
        ++index;
    }
}

UniqueHkey OpenForReading(RegistryRoot root, const std::wstring& path, REGSAM access) {
    UniqueHkey key;
    if (::RegOpenKeyExW(RootHandle(root), path.c_str(), 0, access, key.Put()) != ERROR_SUCCESS)
        key.Reset();
    return key;
}

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::wstring& path) {
    UniqueHkey key;
    Check(::RegCreateKeyExW(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, key.Put(), nullptr));
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

std::unique_ptr<RegistryKey> Win32Registry::OpenExistingKey(RegistryRoot root,
                                                            const std::wstring& path) {
    UniqueHkey key = OpenForReading(root, path, KEY_READ);
    if (!key) return nullptr;
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

bool Win32Registry::KeyExists(RegistryRoot root, const std::wstring& path) {
    // The least access that proves the key is there, so keys the user may not read
    // still count as existing.
    return static_cast<bool>(OpenForReading(root, path, KEY_QUERY_VALUE));
}

bool Win32Registry::DeleteKeyTree(RegistryRoot root, const std::wstring& path) {
    // A path with no key name in it would name the root and empty the whole hive.
    if (path.find_first_not_of(L'\\') == std::wstring::npos) return false;
    return ::RegDeleteTreeW(RootHandle(root), path.c_str()) == ERROR_SUCCESS;
}

} // namespace platform::win32
