// The image list's bulk loaders: from an archive, from a numbered range of
// Qt resources and from a list of Qt resource names.

#include "LumImageList.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"
#include "resources/ResourceError.h"

#include <QFile>
#include <QImage>

#include <exception>
#include <optional>

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= u' ';
}

// A name without a resource root is looked up under ":/".
QString ResourcePath(const QString& name)
{
    return name.startsWith(u':') ? name : QStringLiteral(":/") + name;
}

// The picture of a Qt resource, decoded by our own bitmap reader like every
// other skin picture; none when it is missing or not a bitmap.
std::optional<TBitmap> LoadResourceBitmap(const QString& name)
{
    QFile file(ResourcePath(name));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const EResourceError&) {
        return std::nullopt;
    }
    return bitmap;
}

} // namespace

QStringList SplitCommaText(const QString& text)
{
    QStringList items;
    qsizetype p = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (p < n && IsBlank(text[p]))
            ++p;
    };
    skipBlanks();
    while (p < n) {
        QString item;
        if (text[p] == u'"') {
            // A quoted item runs to the closing quote; "" stands for one quote.
            ++p;
            while (p < n) {
                if (text[p] == u'"') {
                    if (p + 1 < n && text[p + 1] == u'"') {
                        item += u'"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < n && !IsBlank(text[p]) && text[p] != u',')
                ++p;
            item = text.mid(start, p - start);
        }
        items.append(item);
        skipBlanks();
        if (p < n && text[p] == u',') {
            if (p + 1 == n)
                items.append(QString()); // a final comma ends with an empty item
            ++p;
            skipBlanks();
        }
    }
    return items;
}

void TLumCustomImageList::LoadFromArchive(TLumResReader& reader, const std::vector<std::int32_t>& entries)
{
    ClearImages();
    for (const std::int32_t entry : entries) {
        if (entry < 0) {
            AddImage(QImage());
            continue;
        }
        try {
            TMemoryStream stream;
            reader.LoadEntry(entry, stream);
            TBitmap bitmap;
            bitmap.LoadFromStream(stream);
            AddImage(bitmap);
        } catch (const std::exception&) {
            // This picture is left out; the next one follows.
        }
    }
}

void TLumCustomImageList::LoadFromResourceRange(const QString& prefix, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        if (const auto bitmap = LoadResourceBitmap(prefix + QString::number(n)))
            AddImage(*bitmap);
        if (n == last) // last may be INT_MAX
            break;
    }
}

void TLumCustomImageList::LoadFromResourceList(const QString& names, bool prefixFlag)
{
    ClearImages();
    for (const QString& item : SplitCommaText(names)) {
        if (item.isEmpty()) {
            AddImage(QImage());
            continue;
        }
        const auto bitmap = LoadResourceBitmap(prefixFlag ? objectName() + item : item);
        if (bitmap)
            AddImage(*bitmap);
        else
            AddImage(QImage()); // keeps the numbering aligned
    }
}
