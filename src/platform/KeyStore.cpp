#include "KeyStore.h"

#include "AtomicFile.h"
#include "PlatformError.h"
#include "UserFolders.h"

#include <vector>

namespace {

std::vector<std::string> KeyParts(const std::string& keyPath)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t end = keyPath.find('\\', start);
        if (end == std::string::npos)
            end = keyPath.size();
        std::string part = keyPath.substr(start, end - start);
        if (!part.empty()) {
            if (part == "." || part == ".." || part.find('/') != std::string::npos || part.find('\0') != std::string::npos)
                throw EPlatformError("Invalid key path '" + keyPath + "'");
            parts.push_back(std::move(part));
        }
        start = end + 1;
    }
    if (parts.empty())
        throw EPlatformError("Invalid key path '" + keyPath + "'");
    return parts;
}

std::string JoinKeyParts(const std::vector<std::string>& parts)
{
    std::string path;
    for (const std::string& part : parts)
        path += (path.empty() ? "" : "\\") + part;
    return path;
}

// The registry's strings end at a NUL; so do ours, which keeps the key file text.
std::string UpToNul(const std::string& s) { return s.substr(0, s.find('\0')); }

} // namespace

TKeyStore TKeyStore::ForCurrentUser()
{
    return TKeyStore(UserConfigFolder());
}

std::filesystem::path TKeyStore::KeyFilePath(const std::string& keyPath) const
{
    const std::vector<std::string> parts = KeyParts(keyPath);
    std::filesystem::path file = Root;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        file /= parts[i];
    return file / (parts.back() + ".reg");
}

TKeyFile LoadKeyFile(const std::filesystem::path& file)
{
    return ParseKeyFile(ReadWholeFile(file, MaxKeyFileSize));
}

TWriteOutcome SaveKeyFile(const std::filesystem::path& file, const TKeyFile& key)
{
    return WriteFileAtomically(file, FormatKeyFile(key));
}

TRegistryKey::~TRegistryKey()
{
    try {
        CloseKey();
    } catch (const EPlatformError&) {
        // A destructor cannot report; callers that care call CloseKey.
    }
}

bool TRegistryKey::OpenKey(const std::string& keyPath, bool canCreate)
{
    try {
        CloseKey();
    } catch (const EPlatformError&) {
    }
    std::filesystem::path file;
    std::string normalized;
    try {
        file = Store.KeyFilePath(keyPath);
        normalized = JoinKeyParts(KeyParts(keyPath));
    } catch (const EPlatformError&) {
        return false;
    }
    std::error_code ec;
    const bool missing = std::filesystem::status(file, ec).type() == std::filesystem::file_type::not_found;
    TKeyFile key;
    if (missing) {
        if (!canCreate)
            return false;
        key.KeyPath = normalized;
        try {
            // An empty key that might not survive a power cut is created again.
            (void)SaveKeyFile(file, key);
        } catch (const EPlatformError&) {
            return false;
        }
    } else {
        try {
            key = LoadKeyFile(file);
        } catch (const EPlatformError&) {
            // Damaged or unreadable: read as empty, and leave the file alone
            // unless values are written.
            if (!canCreate)
                return false;
            key = TKeyFile();
            key.KeyPath = normalized;
        }
    }
    File = std::move(file);
    Key = std::move(key);
    Open = true;
    Dirty = false;
    return true;
}

TWriteOutcome TRegistryKey::CloseKey()
{
    if (!Open)
        return {};
    const bool save = Dirty;
    Open = false;
    Dirty = false;
    TKeyFile key = std::move(Key);
    Key = TKeyFile();
    return save ? SaveKeyFile(File, key) : TWriteOutcome {};
}

const TKeyValue* TRegistryKey::FindOpen(const std::string& name) const
{
    return Open ? Key.Find(name) : nullptr;
}

bool TRegistryKey::ValueExists(const std::string& name) const
{
    return FindOpen(name) != nullptr;
}

std::int32_t TRegistryKey::ReadInteger(const std::string& name) const
{
    const TKeyValue* value = FindOpen(name);
    if (!value || value->Type != TKeyValueType::DWord)
        throw EPlatformError("Invalid data type for '" + name + "'");
    return static_cast<std::int32_t>(value->Number);
}

std::string TRegistryKey::ReadString(const std::string& name) const
{
    const TKeyValue* value = FindOpen(name);
    if (!value)
        return {};
    if (value->Type != TKeyValueType::String && value->Type != TKeyValueType::ExpandString)
        throw EPlatformError("Invalid data type for '" + name + "'");
    return value->Text;
}

void TRegistryKey::Write(TKeyValue value)
{
    if (!Open)
        throw EPlatformError("Failed to set data for '" + value.Name + "': no key is open");
    value.Name = UpToNul(value.Name);
    value.Text = UpToNul(value.Text);
    Key.Set(std::move(value));
    Dirty = true;
}

void TRegistryKey::WriteInteger(const std::string& name, std::int32_t value)
{
    Write({name, TKeyValueType::DWord, static_cast<std::uint32_t>(value), {}});
}

void TRegistryKey::WriteString(const std::string& name, const std::string& value)
{
    Write({name, TKeyValueType::String, 0, value});
}

void TRegistryKey::WriteExpandString(const std::string& name, const std::string& value)
{
    Write({name, TKeyValueType::ExpandString, 0, value});
}
