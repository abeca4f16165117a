#include "app/SetFromPictures.h"

#include "app/MadeSetArt.h"
#include "game/CardSetWriter.h"
#include "game/PairCounts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <map>
#include <optional>

namespace {

constexpr int FaceQuality = 90; // JPEG quality of the faces

QString FromLocal(const std::string& file) { return QFile::decodeName(QByteArray::fromStdString(file)); }

// The picture of file, decoded at no more than twice the card's size where
// the format can do that cheaply (a JPEG is then decoded at 1/2 to 1/8 of its
// size, which is what keeps a folder of phone photos quick); turned upright
// as its orientation tag says. Empty, with reason set, when it cannot be read.
QImage ReadPicture(const QString& file, QSize card, QString& reason)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    const QSize twice = card * 2;
    if (full.isValid() && full.width() > twice.width() && full.height() > twice.height())
        reader.setScaledSize(full.scaled(twice, Qt::KeepAspectRatioByExpanding));
    QImage picture = reader.read();
    if (picture.isNull())
        reason = QCoreApplication::translate("SetFromPictures", "It cannot be read as a picture (%1).", "%1: the reader's reason").arg(reader.errorString());
    return picture;
}

std::vector<std::uint8_t> Encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return {bytes.begin(), bytes.end()};
}

QByteArray Digest(const QImage& face)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < face.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(face.constScanLine(y)), face.width() * 4));
    return hash.result();
}

// Letter case aside, digits compared as numbers: "IMG_2" before "IMG_10".
// (The locale's collator does this only where ICU backs it.)
bool NaturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            const qulonglong x = a.mid(startA, i - startA).toULongLong();
            const qulonglong y = b.mid(startB, j - startB).toULongLong();
            if (x != y)
                return x < y;
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b; // a total order for names alike but for case or leading zeros
}

struct TCard {
    QImage First, Second; // Second is null for a pair of alike cards
};

} // namespace

QStringList PictureFilesIn(const QString& folder)
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    // Files only: a FIFO or a device would never finish reading. Files the
    // player may not read are listed, so that they are reported as such.
    QDir dir(folder, {}, QDir::NoSort, QDir::Files);
    dir.setNameFilters(patterns);
    QStringList files;
    for (const QFileInfo& info : dir.entryInfoList())
        if (info.isFile())
            files << info.absoluteFilePath();
    std::sort(files.begin(), files.end(), NaturalLess);
    return files;
}

QImage FitToCard(const QImage& picture, QSize size)
{
    const QImage scaled = picture.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const int left = (scaled.width() - size.width()) / 2;
    const int top = (scaled.height() - size.height()) / 3;
    QImage card(size, QImage::Format_RGB32);
    card.fill(Qt::white);
    QPainter painter(&card);
    painter.drawImage(QPoint(0, 0), scaled, QRect(QPoint(left, top), size));
    return card;
}

TMadeSet MakeSetFromPictures(const TSetRequest& request, const TMakerProgress& progress,
                             const std::atomic<bool>& cancel)
{
    TMadeSet made;
    const std::vector<TPicturePair> pairs = PairPictures(request.Files);
    const int total = static_cast<int>(request.Files.size());
    int done = 0;
    std::vector<TCard> cards;
    std::map<QByteArray, QString> seen; // a card's digest -> the file that gave it first
    bool differing = false;

    // The card of one file; nullopt once it is listed as skipped.
    const auto readCard = [&](const std::string& local) -> std::optional<QImage> {
        const QString file = FromLocal(local);
        QString reason;
        const QImage picture = ReadPicture(file, MadeCardSize, reason);
        if (progress)
            progress(++done, total);
        if (picture.isNull()) {
            made.Skipped.push_back({file, reason});
            return std::nullopt;
        }
        return FitToCard(picture, MadeCardSize);
    };

    for (const TPicturePair& pair : pairs) {
        if (cancel) {
            made.Cancelled = true;
            return made;
        }
        std::optional<QImage> first = readCard(pair.First);
        std::optional<QImage> second = pair.Second.empty() ? std::nullopt : readCard(pair.Second);
        if (!pair.Second.empty() && first.has_value() != second.has_value()) {
            // Half a pair cannot be played: the readable half is left out too.
            const std::string& readable = first ? pair.First : pair.Second;
            const std::string& unreadable = first ? pair.Second : pair.First;
            made.Skipped.push_back({FromLocal(readable),
                                    QCoreApplication::translate("SetFromPictures",
                                                                "The other picture of its pair, %1, cannot be read.")
                                        .arg(QFileInfo(FromLocal(unreadable)).fileName())});
        }
        if (!first || (!pair.Second.empty() && !second))
            continue; // the reasons are listed
        const QByteArray digest = Digest(*first) + (second ? Digest(*second) : QByteArray());
        const QString file = FromLocal(pair.First);
        if (const auto earlier = seen.find(digest); earlier != seen.end()) {
            made.Skipped.push_back({file, QCoreApplication::translate("SetFromPictures", "It shows the same as %1.",
                                                                      "%1: an earlier picture's file name")
                                              .arg(QFileInfo(earlier->second).fileName())});
            continue;
        }
        seen.emplace(digest, file);
        differing = differing || second.has_value();
        cards.push_back({std::move(*first), second ? std::move(*second) : QImage()});
    }
    if (cancel) {
        made.Cancelled = true;
        return made;
    }
    made.Pairs = static_cast<int>(cards.size());
    if (made.Pairs < PairCounts.front())
        return made;

    TCardSetContent content;
    content.Info.Width = MadeCardSize.width();
    content.Info.Height = MadeCardSize.height();
    content.Info.FaceType = 2; // JPEG
    content.Info.Name = request.SetName;
    std::vector<QImage> samples;
    for (const TCard& card : cards) {
        content.Faces.push_back({Encoded(card.First, "JPG", FaceQuality), TPictureStorage::Stored});
        if (differing)
            content.SecondFaces.push_back(
                card.Second.isNull() ? content.Faces.back()
                                     : TCardSetPicture {Encoded(card.Second, "JPG", FaceQuality),
                                                        TPictureStorage::Stored});
        if (samples.size() < 4)
            samples.push_back(card.First);
    }
    content.Back = {Encoded(DrawMadeBack(MadeCardSize), "BMP"), TPictureStorage::Bitmap};
    content.Advert = {Encoded(DrawMadeAdvert(QString::fromStdString(request.SetName), samples), "BMP"),
                      TPictureStorage::Bitmap};
    made.Written = WriteCardSet(request.OutFile, content);
    made.Saved = true;
    return made;
}
