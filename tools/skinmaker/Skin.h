#pragma once
// The pictures of the default skin, kobalind.dat. The geometry is the one
// the windows are built around: a 21-pixel title band, 5-pixel sides and a
// 70-pixel bottom on the main window, whose design client area is 490 x 450;
// popups of 395 x 259; the hot spots of the button pictures.

#include "CardSets.h"
#include "Emoji.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace Skin {

constexpr int MainWidth = 490;
constexpr int MainHeight = 450;
constexpr int TopHeight = 21;
constexpr int SideWidth = 5;
constexpr int BottomHeight = 70;
constexpr int PopupWidth = 395;
constexpr int PopupHeight = 259;
constexpr int TitleTop = 29; // where a popup puts its title picture
constexpr int NoticeTop = 361; // the notice picture's place in the 450-high window

struct TMainFrame {
    QImage TopLeft, Top, TopRight; // TopRight carries the "help", "mini", "exit" buttons
    QImage Left, Right;
    QImage BottomLeft, Bottom, BottomRight;
    QImage Bar; // the bottom button bar with the status line's light well
};
TMainFrame DrawMainFrame();

// The small "About" notice between the cover or options panel and the bar.
QImage DrawNotice();

struct TPopupFrame {
    QImage TitleBar; // the full window width, with the close spot
    QImage Left, Right;
    QImage BottomLeft; // the whole bottom border: popups never change width
    QImage CloseButton;
};
TPopupFrame DrawPopupFrame();

// A popup's title, on the tiles it will cover so it blends in.
QImage DrawTitle(const QString& text);

// See-through outside its rounded frame; shows the sets' backs and faces
// (DrawSetSamples at 58 x 78).
QImage DrawCover(const std::vector<TSetSample>& sets);
QImage DrawOptionsPanel();
// The slider's track, cut from the panel where the slider sits, and its thumb.
QImage DrawSliderTrack(const QImage& optionsPanel);
QImage DrawSliderThumb(const QImage& track);

// The link the cover opens.
extern const char* const CoverLink;

// The whole archive, entries 0 to 30.
constexpr std::int32_t EntryCount = 31;
std::vector<std::uint8_t> BuildSkinArchive(const TEmojiFont& emoji);

// The overlay of the language that Theme::TDrawLanguage sets: an archive of
// EntryCount entries where each picture that carries a translated caption
// is drawn in that language and every other entry is empty, which marks it
// as not replaced.
std::vector<std::uint8_t> BuildCaptionOverlay(const TEmojiFont& emoji);

} // namespace Skin
