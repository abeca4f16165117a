#include "app/MessageDialog.h"

#include "app/ProgramTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr int IconSize = 32;
constexpr int CancelResult = 2;

// The system's fonts and caption button width, taken once.
struct TMessageMetrics {
    QFont MessageFont;
    QFont CaptionFont;
    int CaptionButtonWidth = 16;
};

const TMessageMetrics& Metrics()
{
    static const TMessageMetrics metrics = [] {
        TMessageMetrics m;
        m.MessageFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        m.CaptionFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        const int width = QApplication::style()->pixelMetric(QStyle::PM_TitleBarButtonSize);
        if (width > 0)
            m.CaptionButtonWidth = width;
        return m;
    }();
    return metrics;
}

// a * b / c rounded to the nearest integer.
int MulDiv(int a, int b, int c) { return int(std::lround(double(a) * b / c)); }

QStyle::StandardPixmap StandardIcon(int icon, bool& known)
{
    known = true;
    switch (icon) {
    case IconError: return QStyle::SP_MessageBoxCritical;
    case IconQuestion: return QStyle::SP_MessageBoxQuestion;
    case IconExclamation: return QStyle::SP_MessageBoxWarning;
    case IconInformation: return QStyle::SP_MessageBoxInformation;
    default: known = false; return QStyle::SP_MessageBoxInformation;
    }
}

// Escape answers only a cancel button or, without one, a question's "No";
// the window frame's close gives cancel.
class TMessageForm : public QDialog {
public:
    int EscapeResult = 0; // none

    void reject() override
    {
        if (EscapeResult)
            done(EscapeResult);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        done(CancelResult);
    }
};

} // namespace

TMessageButton DefaultButton()
{
    return {ProgramText(TProgramText::ButtonOK), 1};
}

QList<TMessageButton> YesNoButtons()
{
    return {{ProgramText(TProgramText::ButtonYes), ResultYes}, {ProgramText(TProgramText::ButtonNo), ResultNo}};
}

std::unique_ptr<QDialog> CreateMessageDialog(const QString& text, const QString& caption, int icon,
                                             const QList<TMessageButton>& buttons, int defaultIndex)
{
    const TMessageMetrics& m = Metrics();
    auto form = std::make_unique<TMessageForm>();
    form->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    form->setFont(m.MessageFont);
    form->setWindowTitle(caption.isEmpty() ? QCoreApplication::applicationName() : caption);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const auto scaled = [dpi](int pixels) { return int(std::lround(pixels * dpi / 96.0)); };

    const int captionWidth = QFontMetrics(m.CaptionFont).horizontalAdvance(form->windowTitle()) +
                             2 * m.CaptionButtonWidth;
    const QFontMetrics fm(m.MessageFont);
    const int w = fm.horizontalAdvance(QLatin1Char('M'));
    const int h = fm.height();
    const int horzMargin = MulDiv(8, w, 4);
    const int vertMargin = MulDiv(8, h, 8);
    const int horzSpacing = MulDiv(10, w, 4);
    const int vertSpacing = MulDiv(10, h, 8);
    const int buttonSpacing = scaled(7);
    const int buttonHeight = scaled(25);

    int buttonWidth = scaled(75);
    for (const TMessageButton& b : buttons)
        buttonWidth = std::max(buttonWidth, fm.horizontalAdvance(b.Caption) + 4 * buttonSpacing);
    const int count = int(buttons.size());
    const int groupWidth = count * buttonWidth + std::max(0, count - 1) * buttonSpacing;

    const QRect textRect = fm.boundingRect(QRect(0, 0, screenRect.width() / 2, 0),
                                           Qt::TextWordWrap | Qt::TextExpandTabs, text);
    bool knownIcon = false;
    const QStyle::StandardPixmap pixmap = StandardIcon(icon, knownIcon);
    const int textShift = knownIcon ? horzSpacing + IconSize : 0;
    const int blockHeight = knownIcon ? std::max(textRect.height(), IconSize) : textRect.height();

    const int clientWidth = std::max(captionWidth, std::max(textShift + textRect.width(), groupWidth) + 2 * horzMargin);
    const int clientHeight = blockHeight + buttonHeight + vertSpacing + 2 * vertMargin;
    form->setFixedSize(clientWidth, clientHeight);
    form->move(screenRect.x() + screenRect.width() / 2 - clientWidth / 2,
               screenRect.y() + screenRect.height() / 2 - clientHeight / 2);

    if (knownIcon) {
        auto* image = new QLabel(form.get());
        image->setObjectName(QStringLiteral("IconImage"));
        image->setPixmap(form->style()->standardIcon(pixmap).pixmap(IconSize, IconSize));
        image->setGeometry(horzMargin, vertMargin, IconSize, IconSize);
    }

    auto* label = new QLabel(text, form.get());
    label->setObjectName(QStringLiteral("MessageLabel"));
    label->setFont(m.MessageFont);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(0, 0, 0, 0);
    int labelLeft = horzMargin + textShift;
    if (QGuiApplication::isRightToLeft())
        labelLeft = clientWidth - labelLeft - textRect.width();
    int labelTop = vertMargin;
    if (knownIcon && textRect.height() < IconSize)
        labelTop += (IconSize - textRect.height()) / 2;
    label->setGeometry(labelLeft, labelTop, textRect.width(), textRect.height());

    const int buttonTop = blockHeight + vertMargin + vertSpacing;
    int left = (clientWidth - groupWidth) / 2;
    QPushButton* defaultButton = nullptr;
    for (int i = 0; i < count; ++i) {
        auto* button = new QPushButton(buttons[i].Caption, form.get());
        button->setObjectName(QStringLiteral("Button") + QString::number(i));
        button->setGeometry(left, buttonTop, buttonWidth, buttonHeight);
        const int result = buttons[i].ModalResult;
        QObject::connect(button, &QPushButton::clicked, form.get(), [dialog = form.get(), result] { dialog->done(result); });
        if (result == CancelResult || (result == ResultNo && !form->EscapeResult))
            form->EscapeResult = result;
        if (i == defaultIndex)
            defaultButton = button;
        left += buttonWidth + buttonSpacing;
    }
    if (defaultButton) {
        defaultButton->setDefault(true);
        form->setFocusProxy(defaultButton);
        defaultButton->setFocus();
        // The default button comes first in tab order; the others follow in row order.
        QWidget* previous = defaultButton;
        for (int i = 0; i < count; ++i) {
            auto* other = form->findChild<QPushButton*>(QStringLiteral("Button") + QString::number(i));
            if (other && other != defaultButton) {
                QWidget::setTabOrder(previous, other);
                previous = other;
            }
        }
    }
    return form;
}

int MessageDialog(const QString& text, const QString& caption, int icon, const QList<TMessageButton>& buttons,
                  int defaultIndex)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    int result = 0;
    {
        std::unique_ptr<QDialog> dialog = CreateMessageDialog(text, caption, icon, buttons, defaultIndex);
        // Kept above the window that was active, without becoming its child.
        dialog->winId();
        if (active && active->windowHandle() && dialog->windowHandle())
            dialog->windowHandle()->setTransientParent(active->windowHandle());
        // Application-modal: every other window of the program is blocked
        // while the box is up and released when it goes, also on an error.
        dialog->setWindowModality(Qt::ApplicationModal);
        result = dialog->exec();
    }
    if (active)
        active->activateWindow();
    return result;
}

int MessageDialog(const QString& text, const QString& caption, int icon)
{
    return MessageDialog(text, caption, icon, {DefaultButton()}, 0);
}

bool AskYesNo(const QString& text, const QString& caption)
{
    return MessageDialog(text, caption, IconQuestion, YesNoButtons(), 1) == ResultYes;
}
