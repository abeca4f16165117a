// Entries 0 to 30 of kobalind.dat, in the order the windows read them.
#include "ImageBytes.h"
#include "Skin.h"
#include "Theme.h"

#include "resources/LumResWriter.h"

#include <cstring>

namespace Skin {

namespace {

// Big pictures are deflated, small ones kept as signature-less bitmaps:
// both kinds of entry occur, as in any real skin. The skin at twice the
// resolution keeps every picture as it is: it is read while the first
// window paints, and inflating it would slow that paint down.
void AddPicture(TLumResWriter& writer, const QImage& picture, int bits = 24)
{
    const std::vector<std::uint8_t> bytes = BitmapBytes(picture, bits);
    if (bytes.size() > 4096 && Theme::Scale() == 1)
        writer.AddCompressed(bytes);
    else
        writer.AddBitmap(bytes);
}

// Entries no window reads keep their numbers with a one-pixel bitmap.
void AddPlaceholder(TLumResWriter& writer) { writer.AddBitmap(BitmapBytes(Theme::Canvas(1, 1, Qt::black))); }

} // namespace

std::vector<std::uint8_t> BuildSkinArchive(const TEmojiFont& emoji)
{
    const TMainFrame frame = DrawMainFrame();
    const TPopupFrame popup = DrawPopupFrame();
    const QImage options = DrawOptionsPanel();
    const QImage track = DrawSliderTrack(options);

    TLumResWriter writer;
    writer.AddStored(std::vector<std::uint8_t>(CoverLink, CoverLink + std::strlen(CoverLink))); // 0
    AddPicture(writer, DrawCover(DrawSetSamples(emoji, QSize(58, 78))), 32); // 1
    for (const QImage* piece : {&frame.TopLeft, &frame.Top, &frame.TopRight, &frame.Left, &frame.Right,
                                &frame.BottomLeft, &frame.Bottom, &frame.BottomRight})
        AddPicture(writer, *piece);             // 2 to 9
    AddPicture(writer, Theme::CentreTile());    // 10
    AddPicture(writer, frame.Bar);              // 11
    AddPicture(writer, track);                  // 12
    AddPicture(writer, DrawSliderThumb(track)); // 13
    AddPicture(writer, DrawNotice());           // 14
    AddPlaceholder(writer);                     // 15
    AddPlaceholder(writer);                     // 16
    AddPicture(writer, options);                // 17
    AddPicture(writer, popup.TitleBar);         // 18
    AddPicture(writer, popup.Left);             // 19
    AddPicture(writer, popup.Right);            // 20
    AddPicture(writer, popup.BottomLeft);       // 21
    AddPicture(writer, popup.CloseButton);      // 22
    AddPicture(writer, DrawTitle("About"));     // 23
    for (int entry = 24; entry <= 28; ++entry)
        AddPlaceholder(writer);
    AddPicture(writer, DrawTitle("Help"));      // 29
    AddPicture(writer, DrawTitle("Scores"));    // 30
    return writer.Bytes();
}

} // namespace Skin
