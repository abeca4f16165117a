#include "Stream.h"

#include "ResourceError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void TStream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EResourceError("Stream read error");
}

std::int64_t TStream::Remaining() const
{
    return std::max<std::int64_t>(0, Size() - Position());
}

TMemoryStream::TMemoryStream(std::vector<std::uint8_t> bytes) : Bytes(std::move(bytes)) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    const std::int64_t size = static_cast<std::int64_t>(Bytes.size());
    if (Pos >= size || count == 0)
        return 0;
    const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(size - Pos, static_cast<std::int64_t>(count)));
    std::memcpy(buffer, Bytes.data() + Pos, n);
    Pos += static_cast<std::int64_t>(n);
    return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count == 0)
        return;
    const std::size_t end = static_cast<std::size_t>(Pos) + count;
    if (end > Bytes.size()) {
        // Grow geometrically so piecewise writes stay linear.
        if (end > Bytes.capacity())
            Bytes.reserve(std::max(end, Bytes.capacity() * 2));
        Bytes.resize(end);
    }
    std::memcpy(Bytes.data() + Pos, buffer, count);
    Pos = static_cast<std::int64_t>(end);
}

std::int64_t TMemoryStream::Size() const { return static_cast<std::int64_t>(Bytes.size()); }
std::int64_t TMemoryStream::Position() const { return Pos; }

void TMemoryStream::SetPosition(std::int64_t position)
{
    Pos = std::max<std::int64_t>(0, position);
}

void TMemoryStream::Clear()
{
    Bytes.clear();
    Pos = 0;
}

TFileStream::TFileStream(const std::string& fileName, TMode mode) : Name(fileName)
{
    // Reading opens with O_NONBLOCK: a FIFO would otherwise hold the open until
    // a writer came, before its kind could be checked. On a regular file the
    // flag changes nothing.
    const int fd = mode == TMode::Read ? ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) : -1;
    File = mode == TMode::Read ? (fd >= 0 ? ::fdopen(fd, "rb") : nullptr) : std::fopen(fileName.c_str(), "wb");
    if (!File) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw EResourceError("Cannot open file \"" + fileName + "\". " + std::strerror(error));
    }
    struct stat info {};
    if (mode == TMode::Read && (fstat(fileno(File), &info) != 0 || !S_ISREG(info.st_mode))) {
        std::fclose(File);
        throw EResourceError("Cannot open file \"" + fileName + "\". Not a regular file");
    }
    FileSize = mode == TMode::Read ? static_cast<std::int64_t>(info.st_size) : 0;
}

TFileStream::~TFileStream()
{
    if (File)
        std::fclose(File);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count)
{
    return count == 0 ? 0 : std::fread(buffer, 1, count, File);
}

void TFileStream::Write(const void* buffer, std::size_t count)
{
    if (count != 0 && std::fwrite(buffer, 1, count, File) != count)
        throw EResourceError("Stream write error");
    FileSize = std::max(FileSize, Position());
}

std::int64_t TFileStream::Size() const { return FileSize; }

std::int64_t TFileStream::Position() const { return static_cast<std::int64_t>(ftello(File)); }

void TFileStream::SetPosition(std::int64_t position)
{
    if (fseeko(File, static_cast<off_t>(std::max<std::int64_t>(0, position)), SEEK_SET) != 0)
        throw EResourceError("Stream seek error");
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName)
{
    TFileStream file(fileName);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}
