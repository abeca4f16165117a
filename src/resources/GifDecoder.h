#pragma once
// GIF decoding, bytes to frames of colour indices. Playing the frames
// (timing, disposal, composition) lives in GifSchedule and GifCompositor.

#include <cstddef>
#include <cstdint>
#include <vector>

// Disposal method of a frame's graphic control extension.
enum class TGifDisposal : std::uint8_t {
    Leave,      // also "unspecified" and the reserved values 4..7
    Background, // the frame's area becomes transparent again
    Previous,   // the frame's area gets back what it held before the frame
};

struct TGifFrame {
    // The image descriptor as written: the rectangle may reach outside the
    // logical screen; composition clips it.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Interlaced = false;

    // Colour indices in the order the data stores rows (interlaced frames
    // keep their pass order). Shorter than Width * Height when the data ended
    // early, was cut short or was corrupt: the pixels it lacks are not drawn.
    std::vector<std::uint8_t> Indices;
    // Always 256 opaque 0xFFRRGGBB entries: the local table, else the global
    // one, else the default palette, padded with black, so no index reads
    // outside it.
    std::vector<std::uint32_t> Colors;

    // Graphic control extension; HasControl is false when the frame had none.
    bool HasControl = false;
    int Delay = 0;             // hundredths of a second as stored
    int TransparentIndex = -1; // -1: none
    TGifDisposal Disposal = TGifDisposal::Leave;

    // A loop extension ("NETSCAPE2.0" or "ANIMEXTS1.0") met before this
    // frame's image; LoopCount 0 means endless.
    bool HasLoop = false;
    int LoopCount = 0;

    bool HoldsPixels() const { return Width > 0 && Height > 0; }
};

struct TGifData {
    int Width = 0; // logical screen
    int Height = 0;
    int BackgroundIndex = 0;
    std::vector<std::uint32_t> GlobalColors; // as stored (0xFFRRGGBB), empty when absent
    std::vector<TGifFrame> Frames;
};

// Limits far above any card face (a few hundred pixels a side), so a hostile
// file cannot make the decoder or the player allocate without bound. Areas
// are bounded, not sides: a side may be anything up to 65535.
struct TGifLimits {
    static constexpr std::int64_t MaxPixels = 4096 * 1024;        // screen area, each frame's area
    static constexpr std::int64_t MaxTotalPixels = 64 * 1024 * 1024; // all frames together
    static constexpr std::size_t MaxFrames = 8192;
    static constexpr std::int64_t MaxFileBytes = 256 * 1024 * 1024; // read from a stream at once
};

// Decodes a GIF 87a or 89a file. The signature is looked for at offset 0 and
// again 4 bytes on (a GIF stored behind a 4-byte length). Data that ends
// inside a block keeps the frames before it, and the frame whose image data
// it cuts with what that data holds. Throws EResourceError: "Invalid GIF
// signature", "Premature end of data" (the data ends before any frame and
// some of its image data), "Invalid GIF data" (a loop extension too short),
// "Invalid GIF code size" (an LZW minimum code size outside 2..11), or one
// naming the limit exceeded ("GIF screen too large", "GIF frame too large",
// "GIF frames too large in total", "Too many GIF frames"). A block that is
// neither image nor extension, or the end of the data where the next block
// should start, ends the frame list.
TGifData DecodeGif(const std::uint8_t* data, std::size_t size);
