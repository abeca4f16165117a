// The main window as the game engine's view: painting the board's cells, the
// face overlays, the turn timer, the sounds and the board's geometry.
#include "app/MainF.h"

#include "app/BoardGrid.h"
#include "app/CardOutline.h"
#include "app/CardPaint.h"
#include "app/FaceOverlay.h"
#include "app/MotionView.h"
#include "app/ScoreStrip.h"
#include "app/Sounds.h"
#include "controls/LumImageMap.h"
#include "platform/Translate.h"
#include "resources/ResourceError.h"
#include "windows/Image.h"

#include <QPainter>
#include <QTimer>

namespace {

// The picture's pixels as an image that borrows them (valid while the
// picture lives and is not reloaded).
QImage BorrowPixels(const TGraphic& graphic)
{
    const TPixelBuffer& pixels = graphic.Pixels();
    if (pixels.Width <= 0 || pixels.Height <= 0
        || pixels.Pixels.size() != static_cast<std::size_t>(pixels.Width) * static_cast<std::size_t>(pixels.Height))
        return {};
    return QImage(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                  pixels.Width * 4, QImage::Format_ARGB32);
}

// Faces and backs are stretched to the cell inside the card's outline; the
// board, painted first, shows at the corners.
void DrawStretched(QPainter& painter, const QRect& rect, const TGraphic* graphic)
{
    if (graphic)
        DrawCardPicture(painter, rect, rect, BorrowPixels(*graphic));
}

// In the bar between "About" and "Options", over the cover's caption.
const QRect ScoreStripPlace(76, 8, 314, 16);

} // namespace

void TMainForm::CreateMotion()
{
    Motion = new TMotionView(*this, GameSettings, this);
    // A moving card repaints only its own cell: no name changes for a screen reader.
    Motion->Animator().OnRepaint = [this](int col, int row) {
        if (MGrid->isVisible())
            MGrid->update(MGrid->CellRect(col, row));
    };
    ScoreStrip = new TScoreStrip(PanelMap, ScoreStripPlace, MGrid);
    Motion->OnScores = [this]() {
        const TGame& game = *GameEngine;
        ScoreStrip->ShowScores(game.Players, game.PlayerCount, game.GameOver ? 0 : game.CurrentPlayer);
    };
}

void TMainForm::DrawCard(std::int32_t col, std::int32_t row)
{
    News.CardDrawn(*GameEngine, col, row);
    if (MGrid->isHidden())
        return;
    MGrid->InvalidateCell(col, row);
}

void TMainForm::PaintCell(std::int32_t col, std::int32_t row, QPainter& painter, const QRect& rect)
{
    const TGame& game = *GameEngine;
    if (col >= game.Cols || row >= game.Rows)
        return;
    const std::optional<TMotionFrame> frame = Motion->FrameFor(col, row);
    if (!frame) {
        PaintCellAs(CellPaintFor(game.GameActive, game.CellState[row][col], game.FaceType), col, row, painter, rect);
        return;
    }
    // A moving card shows one of its sides, narrowed or shrunk about the cell's middle.
    const TFrameRect part = FrameRectIn(rect.left(), rect.top(), rect.width(), rect.height(), *frame);
    if (part.Width <= 0 || part.Height <= 0)
        return;
    const TCellPaint side = frame->Side == TCardSide::Back ? TCellPaint::Back
                            : game.FaceType == FaceTypeGif ? TCellPaint::GifStill
                                                           : TCellPaint::Face;
    painter.save();
    painter.setOpacity(frame->Opacity);
    PaintCellAs(side, col, row, painter, QRect(part.Left, part.Top, part.Width, part.Height));
    painter.restore();
}

void TMainForm::PaintCellAs(TCellPaint paint, std::int32_t col, std::int32_t row, QPainter& painter,
                            const QRect& rect)
{
    const TGame& game = *GameEngine;
    const std::int32_t slot = game.FaceSlotAt(col, row);
    const bool hasFace = slot >= 0;
    // A face that could not be shown stays blank, not a gap, whatever shows it.
    const bool failed = hasFace && FailedFaces[static_cast<std::size_t>(slot)];
    // A screen of two pixels per unit shows the set's twin where it has one.
    const bool dense = painter.device() && painter.device()->devicePixelRatioF() >= 1.5;
    switch (paint) {
    case TCellPaint::Nothing:
        if (failed)
            FillCard(painter, rect, Qt::white);
        break;
    case TCellPaint::BoardBrush:
        painter.fillRect(rect, MGrid->BoardBrush());
        break;
    case TCellPaint::Back:
        if (!(dense && PaintSharp(SharpFaces.Back(game), painter, rect)))
            DrawStretched(painter, rect, game.CardBack.get());
        break;
    case TCellPaint::Face:
        if (hasFace && !(dense && PaintSharp(SharpFaces.Face(game, slot), painter, rect)))
            DrawStretched(painter, rect, game.FacePictures[static_cast<std::size_t>(slot)].get());
        break;
    case TCellPaint::GifStill:
        if (failed && game.GameActive)
            FillCard(painter, rect, Qt::white);
        else if (hasFace && !(dense && PaintSharp(SharpFaces.Face(game, slot), painter, rect)))
            PaintGifStill(slot, painter, rect);
        break;
    }
}

QString TMainForm::CellName(std::int32_t col, std::int32_t row) const
{
    const TGame& game = *GameEngine;
    const QString name = CellPlace(col, row);
    if (col >= game.Cols || row >= game.Rows)
        //: Said by a screen reader for a board cell. %1: "row %1, column %2".
        return tr("%1, empty").arg(name);
    // Once the game has ended every face shows again, taken ones included.
    const std::int32_t state = game.GameActive ? game.CellState[row][col] : CellFaceUp;
    if (state == CellRemoved)
        return tr("%1, taken").arg(name);
    if (state == CellFaceDown)
        return tr("%1, face down").arg(name);
    return tr("%1, face up: %2").arg(name, CardFace(game, col, row));
}

bool TMainForm::PaintSharp(const QImage& sharp, QPainter& painter, const QRect& rect)
{
    if (sharp.isNull())
        return false;
    DrawCardPicture(painter, rect, rect, sharp);
    return true;
}

void TMainForm::PaintGifStill(std::int32_t slot, QPainter& painter, const QRect& rect)
{
    QImage& still = StillCache[static_cast<std::size_t>(slot)];
    if (still.isNull()) {
        TMemoryStream& face = GameEngine->FaceStreams[static_cast<std::size_t>(slot)];
        if (face.Size() == 0)
            return;
        try {
            face.SetPosition(0);
            GIFImg.LoadFromStream(face);
        } catch (const EResourceError& error) {
            // A paint cannot stop for a dialog: the cell stays white and the
            // reason is told once per game, after the paint.
            FillCard(painter, rect, Qt::white);
            if (!StillErrorShown) {
                StillErrorShown = true;
                const std::string text = error.what();
                QTimer::singleShot(0, this, [this, text]() { ReportError(text); });
            }
            return;
        }
        SkinBitmap.DrawFitted(&GIFImg, GameEngine->CellWidth, GameEngine->CellHeight);
        still = SkinBitmap.Image;
    }
    DrawCardPicture(painter, rect, rect, still);
}

void TMainForm::ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row)
{
    TFaceOverlay* panel = phase == 1 ? Panel1 : Panel2;
    const TGame& game = *GameEngine;
    const std::int32_t slot = game.FaceSlotAt(col, row);
    if (slot < 0)
        return;
    try {
        // On a dense screen the set's twin plays the face at twice the resolution.
        TMemoryStream sharp;
        bool played = false;
        if (MGrid->devicePixelRatioF() >= 1.5 && SharpFaces.FaceBytes(game, slot, sharp)) {
            try {
                panel->LoadFace(sharp, 2);
                played = true;
            } catch (const EResourceError&) {
                // A bad sharp face costs only sharpness.
            }
        }
        if (!played)
            panel->LoadFace(GameEngine->FaceStreams[static_cast<std::size_t>(slot)]);
    } catch (const EResourceError& error) {
        // The turn goes on with the card face up but blank; the message comes
        // once the engine has finished turning it.
        FailedFaces[static_cast<std::size_t>(slot)] = true;
        const std::string face = std::to_string(slot % FaceSlots + 1);
        const std::string text =
            slot < FaceSlots ? FillIn(Tr("TMainForm", "%1: face %2: %3"), {DealtSetFile, face, error.what()})
                             : FillIn(Tr("TMainForm", "%1: face %2's second picture: %3"), {DealtSetFile, face, error.what()});
        QTimer::singleShot(0, this, [this, text]() { ReportError(text); });
        return;
    }
    const QRect cell = MGrid->CellRect(col, row);
    panel->move(cell.left() + MGrid->x(), cell.top() + MGrid->y());
    panel->raise();
    MGrid->SyncFocusFrame(); // over the face, not under it
}

void TMainForm::HideFaceOverlays()
{
    Panel1->HidePanel();
    Panel2->HidePanel();
}

void TMainForm::StartTurnTimer(std::int32_t intervalMs)
{
    Timer1->start(intervalMs);
}

void TMainForm::StopTurnTimer()
{
    Timer1->stop();
}

void TMainForm::PlaySound(TGameSound sound)
{
    if (sound == TGameSound::Pair)
        Sounds->PlayGood();
    else
        Sounds->PlayBad();
}

void TMainForm::ShowScoreWindow()
{
    RecordFinishedGame();
    if (OnShowScore)
        OnShowScore();
}

void TMainForm::ApplyBoardGeometry(const TBoardGeometry& geometry)
{
    // A new deal: new faces, and a new cell size for their stills.
    StillErrorShown = false;
    StillCache.assign(AllFaceSlots, QImage());
    SharpFaces.Reset();
    FailedFaces.assign(AllFaceSlots, false);
    Panel1->resize(geometry.PanelWidth, geometry.PanelHeight);
    Panel2->resize(geometry.PanelWidth, geometry.PanelHeight);
    MGrid->SetGeometryCells(geometry.Cols, geometry.Rows, geometry.CellWidth, geometry.CellHeight);
    MGrid->move(geometry.GridLeft, geometry.GridTop);
    SetClientSize(geometry.ClientWidth, geometry.ClientHeight);
}

void TMainForm::SetAdvertisement(const TGraphic& picture, const std::string& link)
{
    if (OnAdvertisement)
        OnAdvertisement(picture, link);
}

void TMainForm::ShowBoard()
{
    OptionsPanel->hide();
    CopyRightImage->hide();
    CoverPanel->hide();
    News.Reset(*GameEngine);
    MGrid->show();
    MGrid->setFocus();
}
