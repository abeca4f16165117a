#include "CardSets.h"

#include "CardArt.h"
#include "Captions.h"
#include "GifFaces.h"
#include "ImageBytes.h"
#include "Theme.h"
#include "game/CardSetWriter.h"

#include "resources/LumResWriter.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>

namespace {

// Each set's advertisement opens the home of the font its faces come from.
const char* const CardSetLink = "https://github.com/googlefonts/noto-emoji";

struct TFaceGroup {
    QColor Tint;
    const char* Emoji; // space-separated
};

struct TPlan {
    std::string FileName;
    std::string Name;
    std::int32_t FaceType; // 1 GIF, 2 JPEG, 0 bitmap
    QSize Size;
    QColor Theme;
    const char* Emblem;
    std::vector<TFaceGroup> Groups;
    bool Silhouettes = false; // each pair's second card shows the face's shadow
};

std::vector<TPlan> Plans()
{
    return {
        {"animals.crd", QT_TRANSLATE_NOOP("CardSets", "Animal Parade"), 1, QSize(120, 90), QColor(0x2e, 0x7d, 0x4f), "\U0001F43E",
         {
             {QColor(0xf6, 0xc9, 0x8e), "🐶 🐱 🐭 🐹 🐰 🦊 🐻 🐼 🐨 🐯 🦁"},
             {QColor(0xc9, 0xe6, 0x9c), "🐮 🐷 🐸 🐵 🐔 🐴 🐑 🐐 🦙 🦃 🐓"},
             {QColor(0xe8, 0xd3, 0xa6), "🦓 🦒 🐘 🦏 🦛 🐪 🦘 🦍 🦥 🦔 🦨"},
             {QColor(0x9f, 0xd8, 0xef), "🐙 🦑 🦀 🐠 🐡 🐬 🐳 🦈 🦭 🐢 🦦"},
             {QColor(0xd8, 0xc4, 0xf0), "🦉 🦅 🦆 🦜 🦩 🦚 🐧 🦢 🐦 🦇"},
             {QColor(0xf3, 0xb6, 0xc8), "🐝 🐞 🦋 🐌 🐛 🐜 🦂 🐊 🦎 🐍 🦖"},
         }},
        {"food.crd", QT_TRANSLATE_NOOP("CardSets", "Kitchen Feast"), 2, QSize(100, 100), QColor(0xb5, 0x4a, 0x22), "\U0001F374",
         {
             {QColor(0xff, 0xd3, 0xc2), "🍎 🍐 🍊 🍋 🍌 🍉 🍇 🍓 🍒 🍑 🥭 🍍 🥥 🥝"},
             {QColor(0xcd, 0xeb, 0xb4), "🍅 🍆 🥑 🥦 🥕 🌽 🌶 🥒 🧄 🧅 🥔 🍄"},
             {QColor(0xf5, 0xdf, 0xa8), "🍔 🍟 🍕 🌭 🥪 🌮 🌯 🥗 🍝 🍜 🍣 🍤 🥟"},
             {QColor(0xf6, 0xc8, 0xe4), "🍩 🍪 🎂 🍰 🧁 🍫 🍬 🍭 🍦 🍿 🥨 🥐"},
             {QColor(0xbf, 0xdc, 0xf5), "☕ 🍵 🥛 🧃 🥤 🍹 🍼 🧋 🍯 🧉"},
         }},
        {"travel.crd", QT_TRANSLATE_NOOP("CardSets", "Sports & Travel"), 0, QSize(80, 100), QColor(0x2a, 0x55, 0xa8), "\U0001F3C6",
         {
             {QColor(0xc6, 0xe2, 0xf7), "🚗 🚕 🚌 🚑 🚒 🚜 🏍 🚲 🛴 🚂 🚁 ✈ 🚀 ⛵ 🛸 🚤 🛶 🎈 🚠 🛹"},
             {QColor(0xd6, 0xf0, 0xc8), "⚽ 🏀 🏈 ⚾ 🎾 🏐 🥏 🎱 🏓 🏸 🏒 🥊 🎯 🎳 ⛳ 🏹 🎣 🥋 🎿 🛷"},
         }},
        // Shapes that stay clear in black alone; no words, so any player can play.
        {"shadows.crd", QT_TRANSLATE_NOOP("CardSets", "Shadows"), 0, QSize(110, 110), QColor(0x4a, 0x2f, 0x7a), "\U0001F464",
         {
             {QColor(0xf3, 0xd9, 0xa4), "🐘 🦒 🐪 🦘 🦏 🦛 🐊 🦓 🦍 🐅 🦨 🦬"},
             {QColor(0xc9, 0xe6, 0x9c), "🐓 🐄 🐖 🐐 🐑 🐎 🐇 🐈 🐕 🐁 🦃 🐿"},
             {QColor(0x9f, 0xd8, 0xef), "🐙 🦀 🐳 🐬 🦈 🐢 🦩 🦢 🐧 🦜 🦋 🐌"},
             {QColor(0xd8, 0xc4, 0xf0), "✂ 🔑 🎸 ☂ ⚓ 🔨 🎩 👓 👟 🔔 💡 🎺"},
             {QColor(0xf3, 0xb6, 0xc8), "🌵 🍄 🍐 🍌 🍒 🏰 ✈ 🚁 ⛵ 🚲 🚀 ⛄"},
         },
         true},
    };
}

struct TFace {
    QColor Tint;
    QString Emoji;
};

std::vector<TFace> FacesOf(const TPlan& plan)
{
    std::vector<TFace> faces;
    for (const TFaceGroup& group : plan.Groups)
        for (const QString& e : QString::fromUtf8(group.Emoji).split(' ', Qt::SkipEmptyParts))
            faces.push_back({group.Tint, e});
    return faces;
}

TCardSetPicture Picture(std::vector<std::uint8_t> bytes, TPictureStorage storage) { return {std::move(bytes), storage}; }

int GlyphSize(QSize card) { return std::min(card.width(), card.height()) * 7 / 10; }

QImage DrawSetBack(const TPlan& plan, const TEmojiFont& emoji, QSize size)
{
    return DrawBack(size, plan.Theme, emoji.Glyph(QString::fromUtf8(plan.Emblem), 64));
}

// The advertisement: the set's name and where its art comes from.
QImage DrawSetAdvert(const TPlan& plan, const TEmojiFont& emoji)
{
    const std::vector<TFace> faces = FacesOf(plan);
    std::vector<QImage> samples;
    for (std::size_t i = 0; i < 3 && i < faces.size(); ++i)
        samples.push_back(emoji.Glyph(faces[i * faces.size() / 3].Emoji, 40));
    return DrawAdvert(plan.Theme, Theme::Translated(plan.Name.c_str(), "CardSets"), samples);
}

TCardSetFile BuildSet(const TPlan& plan, const TEmojiFont& emoji)
{
    const std::vector<TFace> faces = FacesOf(plan);
    const int glyphSize = GlyphSize(plan.Size);

    const QImage ad = DrawSetAdvert(plan, emoji);
    const QImage back = DrawSetBack(plan, emoji, plan.Size);

    // Each set stores its pictures a little differently, so every kind of
    // archive entry the game can meet occurs in normal play.
    const bool gif = plan.FaceType == 1, jpeg = plan.FaceType == 2;
    const TCardSetPicture adPicture = Picture(BitmapBytes(ad, 32),
                                              gif ? TPictureStorage::Bitmap : TPictureStorage::Compressed);
    const TCardSetPicture backPicture = Picture(BitmapBytes(back, jpeg ? 24 : 8),
                                                gif ? TPictureStorage::Compressed : TPictureStorage::Bitmap);

    std::vector<TCardSetPicture> pictures;
    std::vector<TCardSetPicture> shadows;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const QImage glyph = emoji.Glyph(faces[i].Emoji, glyphSize);
        if (plan.Silhouettes)
            shadows.push_back(Picture(BitmapBytes(DrawSilhouette(plan.Size, glyph)),
                                      i % 2 ? TPictureStorage::Bitmap : TPictureStorage::Compressed));
        if (gif) {
            pictures.push_back(Picture(MakeGifFace(static_cast<int>(i), plan.Size, faces[i].Tint, glyph),
                                       TPictureStorage::Stored));
        } else {
            const QImage face = DrawFace(plan.Size, faces[i].Tint, glyph, {});
            if (jpeg)
                pictures.push_back(Picture(JpegBytes(face, 90), i % 4 == 3 ? TPictureStorage::Compressed
                                                                           : TPictureStorage::Stored));
            else
                pictures.push_back(Picture(BitmapBytes(face), i % 2 ? TPictureStorage::Compressed
                                                                    : TPictureStorage::Bitmap));
        }
    }

    TCardSetContent content;
    // In pixels: a set drawn at twice the resolution is a set of larger cards.
    content.Info.Width = plan.Size.width() * Theme::Scale();
    content.Info.Height = plan.Size.height() * Theme::Scale();
    content.Info.FaceType = plan.FaceType;
    content.Info.Name = plan.Name;
    content.Info.AdLink = CardSetLink;
    content.Advert = adPicture;
    content.Back = backPicture;
    content.Faces = std::move(pictures);
    content.SecondFaces = std::move(shadows);
    return {plan.FileName, BuildCardSetArchive(content)};
}

} // namespace

std::vector<TCardSetFile> BuildCardSets(const TEmojiFont& emoji)
{
    std::vector<TCardSetFile> sets;
    for (const TPlan& plan : Plans())
        sets.push_back(BuildSet(plan, emoji));
    return sets;
}

std::vector<TCardSetFile> BuildAdvertOverlays(const TEmojiFont& emoji)
{
    std::vector<TCardSetFile> overlays;
    for (const TPlan& plan : Plans()) {
        TLumResWriter writer;
        writer.AddStored({}); // the record stays the set's own
        const int before = Theme::TranslatedCaptions();
        const QImage ad = DrawSetAdvert(plan, emoji);
        if (Theme::TranslatedCaptions() == before)
            writer.AddStored({}); // nothing on it translated
        else
            writer.AddCompressed(BitmapBytes(ad, 32));
        overlays.push_back({plan.FileName, writer.Bytes()});
    }
    return overlays;
}

std::vector<TSetSample> DrawSetSamples(const TEmojiFont& emoji, QSize size)
{
    std::vector<TSetSample> samples;
    for (const TPlan& plan : Plans()) {
        const TFace first = FacesOf(plan).front();
        const QImage glyph = emoji.Glyph(first.Emoji, GlyphSize(size));
        samples.push_back({DrawSetBack(plan, emoji, size), DrawFace(size, first.Tint, glyph, {}),
                           plan.Silhouettes ? DrawSilhouette(size, glyph) : QImage()});
    }
    return samples;
}
