#include "CardSetArchive.h"

#include "resources/LumResWriter.h"

namespace {

void Add(TLumResWriter& writer, const TArchivePicture& picture)
{
    switch (picture.Storage) {
    case TPictureStorage::Stored:
        writer.AddStored(picture.Bytes);
        break;
    case TPictureStorage::Bitmap:
        writer.AddBitmap(picture.Bytes);
        break;
    case TPictureStorage::Compressed:
        writer.AddCompressed(picture.Bytes);
        break;
    }
}

} // namespace

std::vector<std::uint8_t> BuildCardSetArchive(TCardSetInfo info, const TArchivePicture& ad,
                                              const TArchivePicture& back,
                                              const std::vector<TArchivePicture>& faces)
{
    info.FaceCount = static_cast<std::int32_t>(faces.size());
    TLumResWriter writer;
    writer.AddStored(MakeCardSetInfo(info));
    Add(writer, ad);
    Add(writer, back);
    for (const TArchivePicture& face : faces)
        Add(writer, face);
    return writer.Bytes();
}
