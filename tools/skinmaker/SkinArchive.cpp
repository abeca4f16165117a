// Entries 0 to 30 of kobalind.dat, in the order the windows read them, and
// a language's overlay: the same entries, where only those that carry a
// translated caption hold a picture and every other one is empty.
#include "Captions.h"
#include "ImageBytes.h"
#include "Skin.h"
#include "Theme.h"

#include "resources/LumResWriter.h"

#include <cstring>
#include <functional>
#include <map>

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

// The pictures that carry captions, by entry.
struct TCaptioned {
    std::function<QImage()> Draw;
    int Bits = 24;
};

std::map<std::int32_t, TCaptioned> CaptionedEntries(const TEmojiFont& emoji)
{
    const auto title = [](const char* text) { return [text] { return DrawTitle(Theme::Translated(text)); }; };
    return {
        {1, {[&emoji] { return DrawCover(DrawSetSamples(emoji, QSize(58, 78))); }, 32}},
        {11, {[] { return DrawMainFrame().Bar; }}},
        {14, {DrawNotice}},
        {17, {DrawOptionsPanel}},
        {22, {[] { return DrawPopupFrame().CloseButton; }}},
        {23, {title(QT_TRANSLATE_NOOP("Skin", "About"))}},
        {29, {title(QT_TRANSLATE_NOOP("Skin", "Help"))}},
        {30, {title(QT_TRANSLATE_NOOP("Skin", "Scores"))}},
    };
}

} // namespace

std::vector<std::uint8_t> BuildSkinArchive(const TEmojiFont& emoji)
{
    const TMainFrame frame = DrawMainFrame();
    const TPopupFrame popup = DrawPopupFrame();
    const QImage options = DrawOptionsPanel();
    const QImage track = DrawSliderTrack(options);
    const std::map<std::int32_t, TCaptioned> captioned = CaptionedEntries(emoji);
    const auto addCaptioned = [&captioned](TLumResWriter& writer, std::int32_t entry) {
        const TCaptioned& picture = captioned.at(entry);
        AddPicture(writer, picture.Draw(), picture.Bits);
    };

    TLumResWriter writer;
    writer.AddStored(std::vector<std::uint8_t>(CoverLink, CoverLink + std::strlen(CoverLink))); // 0
    addCaptioned(writer, 1);
    for (const QImage* piece : {&frame.TopLeft, &frame.Top, &frame.TopRight, &frame.Left, &frame.Right,
                                &frame.BottomLeft, &frame.Bottom, &frame.BottomRight})
        AddPicture(writer, *piece);             // 2 to 9
    AddPicture(writer, Theme::CentreTile());    // 10
    addCaptioned(writer, 11);                   // the bar
    AddPicture(writer, track);                  // 12
    AddPicture(writer, DrawSliderThumb(track)); // 13
    addCaptioned(writer, 14);                   // the notice
    AddPlaceholder(writer);                     // 15
    AddPlaceholder(writer);                     // 16
    addCaptioned(writer, 17);                   // the options panel
    AddPicture(writer, popup.TitleBar);         // 18
    AddPicture(writer, popup.Left);             // 19
    AddPicture(writer, popup.Right);            // 20
    AddPicture(writer, popup.BottomLeft);       // 21
    addCaptioned(writer, 22);                   // the close button
    addCaptioned(writer, 23);                   // "About"
    for (int entry = 24; entry <= 28; ++entry)
        AddPlaceholder(writer);
    addCaptioned(writer, 29); // "Help"
    addCaptioned(writer, 30); // "Scores"
    return writer.Bytes();
}

std::vector<std::uint8_t> BuildCaptionOverlay(const TEmojiFont& emoji)
{
    const std::map<std::int32_t, TCaptioned> captioned = CaptionedEntries(emoji);
    TLumResWriter writer;
    for (std::int32_t entry = 0; entry < EntryCount; ++entry) {
        const auto found = captioned.find(entry);
        if (found == captioned.end()) {
            writer.AddStored({});
            continue;
        }
        const int before = Theme::TranslatedCaptions();
        const QImage picture = found->second.Draw();
        if (Theme::TranslatedCaptions() == before)
            writer.AddStored({}); // nothing of it translated: the skin's own picture serves
        else
            AddPicture(writer, picture, found->second.Bits);
    }
    return writer.Bytes();
}

} // namespace Skin
