#pragma once
// Byte streams with a position, as the archive readers and picture loaders
// use them. Read may return fewer bytes than asked at the end of the data;
// ReadBuffer insists on all of them. Failures throw EResourceError.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes; returns how many were read (0 at the end).
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual void Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Size() const = 0;
    virtual std::int64_t Position() const = 0;
    virtual void SetPosition(std::int64_t position) = 0;

    // Reads exactly count bytes or throws "Stream read error".
    void ReadBuffer(void* buffer, std::size_t count);
    // Bytes between the position and the end (0 when positioned past it).
    std::int64_t Remaining() const;
};

// A growable byte buffer. Writing past the end extends it; writing at a
// position beyond the end fills the gap with zeros.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes);

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override;
    void SetPosition(std::int64_t position) override;

    void Clear();
    const std::uint8_t* Memory() const { return Bytes.data(); }
    const std::vector<std::uint8_t>& Data() const { return Bytes; }

private:
    std::vector<std::uint8_t> Bytes;
    std::int64_t Pos = 0;
};

// A file opened for reading, or created for writing. Owns its handle.
class TFileStream : public TStream {
public:
    enum class TMode { Read, Create };
    explicit TFileStream(const std::string& fileName, TMode mode = TMode::Read);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override;
    void SetPosition(std::int64_t position) override;

    const std::string& FileName() const { return Name; }

private:
    std::FILE* File = nullptr;
    std::string Name;
    std::int64_t FileSize = 0;
};

// Reads a whole file into memory; throws EResourceError when it cannot.
std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName);
