#pragma once
// The typed key store that stands in for the current user's registry. Each
// key is one key file (KeyFile.h) under a root folder, mirroring the key
// path: "Software\Orvane\Orvane Kobalind" is
// <root>/Software/Orvane/Orvane Kobalind.reg. The root is $XDG_CONFIG_HOME,
// or ~/.config when that is unset or not absolute.
//
// A damaged or unreadable key file reads as a key without values and is never
// rewritten by opening or reading; only a key with written values is saved,
// and saving replaces the file whole, atomically (temporary file in the same
// folder, fsync, rename over the old file, fsync of the folder; AtomicFile.h),
// so a crash or a kill at any moment leaves either the old file or the new one.

#include "AtomicFile.h"
#include "KeyFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

class TKeyStore {
public:
    explicit TKeyStore(std::filesystem::path root) : Root(std::move(root)) {}
    // The store of the current user, from the environment.
    static TKeyStore ForCurrentUser();

    const std::filesystem::path& RootFolder() const { return Root; }

    // The key file of a key path ('\'-separated; empty parts are dropped, so
    // "Software\Orvane\Install\" works). Throws EPlatformError for a path
    // without parts or with a part that is ".", ".." or holds '/'.
    std::filesystem::path KeyFilePath(const std::string& keyPath) const;

private:
    std::filesystem::path Root;
};

// An open key, in the manner of the registry objects the settings were
// written for: open, read or write values, close. Writes are collected and
// saved by CloseKey (and, errors swallowed, by the destructor).
class TRegistryKey {
public:
    explicit TRegistryKey(TKeyStore store) : Store(std::move(store)) {}
    ~TRegistryKey();
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    // Opens the key. A missing key file is a missing key: false, unless
    // canCreate, which creates it (an empty key file, written atomically). A
    // damaged or unreadable file: false without canCreate; with it the key
    // opens without values and the file stays as it is until a value is
    // written. Never throws; an invalid key path gives false.
    bool OpenKey(const std::string& keyPath, bool canCreate);
    // Saves written values, then closes; says whether the saved file is
    // known to be on the disk (nothing to save counts as durable). Throws
    // EPlatformError when the save fails (the old file then stays as it
    // was); the key is closed either way.
    TWriteOutcome CloseKey();
    bool IsOpen() const { return Open; }

    bool ValueExists(const std::string& name) const;
    // Reads a number. Throws EPlatformError "Invalid data type for '<name>'"
    // when the value is missing or not a dword, as the registry does.
    std::int32_t ReadInteger(const std::string& name) const;
    bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
    // Reads a string or expandable string as stored, without expansion. A
    // missing value reads as "". Throws EPlatformError "Invalid data type for
    // '<name>'" for a value of another type.
    std::string ReadString(const std::string& name) const;

    // Throw EPlatformError when no key is open.
    void WriteInteger(const std::string& name, std::int32_t value);
    void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);

private:
    void Write(TKeyValue value);
    const TKeyValue* FindOpen(const std::string& name) const;

    TKeyStore Store;
    std::filesystem::path File;
    TKeyFile Key;
    bool Open = false;
    bool Dirty = false;
};

// Reads a key file; throws EPlatformError when it is missing, unreadable,
// larger than MaxKeyFileSize or damaged.
TKeyFile LoadKeyFile(const std::filesystem::path& file);
// Writes a key file atomically as described above; throws EPlatformError.
// Creates the missing folders.
[[nodiscard]] TWriteOutcome SaveKeyFile(const std::filesystem::path& file, const TKeyFile& key);
