#include "KeyStore.h"

#include "AtomicFile.h"
#include "PlatformError.h"
#include "PosixFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return TKeyStore(config);
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? user->pw_dir : "/tmp";
    }
    return TKeyStore(std::filesystem::path(home) / ".config");
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
    TFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Fd < 0)
        throw EPlatformError(SystemMessage("Cannot open", file));
    struct stat info {};
    if (::fstat(fd.Fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw EPlatformError("Not a key file: " + file.string());
    // Read one byte beyond the limit to notice a file that grew past it.
    std::string text;
    char piece[4096];
    while (text.size() <= MaxKeyFileSize) {
        const ssize_t n = ::read(fd.Fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EPlatformError(SystemMessage("Cannot read", file));
        if (n == 0)
            break;
        text.append(piece, std::size_t(n));
    }
    return ParseKeyFile(text);
}

void SaveKeyFile(const std::filesystem::path& file, const TKeyFile& key)
{
    WriteFileAtomically(file, FormatKeyFile(key));
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
            SaveKeyFile(file, key);
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

void TRegistryKey::CloseKey()
{
    if (!Open)
        return;
    const bool save = Dirty;
    Open = false;
    Dirty = false;
    TKeyFile key = std::move(Key);
    Key = TKeyFile();
    if (save)
        SaveKeyFile(File, key);
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
