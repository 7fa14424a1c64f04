#include "app/qr_window.h"

#include "output/list_qr_text.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/fields.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <qrencode.h>

#include <algorithm>
#include <memory>

namespace pantrix {
namespace {

// Pixels a module on the screen: a code of 800 bytes is then about 470 pixels
// wide, large enough for a phone camera a hand's length away.
constexpr int kScale = 4;
constexpr int kQuietModules = 4;
constexpr int kGap = 24;
constexpr unsigned kUtf8Eci = 26;

QImage SideBySide(const std::vector<QImage>& codes)
{
    int width = 0, height = 0;
    for (const QImage& code : codes) {
        width += code.width() + (width > 0 ? kGap : 0);
        height = std::max(height, code.height());
    }
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    int x = 0;
    for (const QImage& code : codes) {
        painter.drawImage(x, 0, code);
        x += code.width() + kGap;
    }
    return picture;
}

} // namespace

QImage QrCodeImage(const std::string& utf8, int scale)
{
    // The code says its text is UTF-8 (ECI 26): without it readers guess, and
    // may read the bytes of "Crème" as Chinese letters.
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_M),
                                                                  &QRinput_free);
    if (!input || QRinput_appendECIheader(input.get(), kUtf8Eci) != 0 ||
        QRinput_append(input.get(), QR_MODE_8, static_cast<int>(utf8.size()),
                       reinterpret_cast<const unsigned char*>(utf8.data())) != 0)
        return {};
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(input.get()),
                                                               &QRcode_free);
    if (!code)
        return {};
    const int side = code->width + 2 * kQuietModules;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) // the low bit marks a dark module
                image.setPixel(x + kQuietModules, y + kQuietModules, qRgb(0, 0, 0));
    return image.scaled(side * scale, side * scale);
}

QrWindow::QrWindow(const std::vector<std::string>& texts, Ui& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui)
{
    setWindowTitle(QStringLiteral("List as QR Code"));
    setAccessibleName(windowTitle());
    const int count = static_cast<int>(texts.size());
    auto* hint = new QLabel(
        count == 1 ? QStringLiteral("Point a phone's camera at the code to take the list along.")
                   : QStringLiteral("The list is in %1 codes: point a phone's camera at each in "
                                    "turn to take it along.")
                         .arg(count),
        this);

    auto* codes = new QWidget;
    auto* row = new QHBoxLayout(codes);
    row->setSpacing(kGap);
    std::vector<QImage> images;
    for (int i = 0; i < count; ++i) {
        images.push_back(QrCodeImage(texts[static_cast<std::size_t>(i)], kScale));
        auto* code = new QLabel;
        code->setPixmap(QPixmap::fromImage(images.back()));
        code->setAccessibleName(count == 1
                                    ? QStringLiteral("QR code of the list")
                                    : QStringLiteral("QR code %1 of %2").arg(i + 1).arg(count));
        auto* column = new QVBoxLayout;
        column->addWidget(code);
        if (count > 1)
            column->addWidget(new QLabel(QStringLiteral("%1/%2").arg(i + 1).arg(count)), 0,
                              Qt::AlignHCenter);
        row->addLayout(column);
    }
    m_picture = SideBySide(images);
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(QStringLiteral("QR codes"));
    scroll->setWidget(codes);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumSize(std::min(codes->sizeHint().width() + 4, 1000),
                           codes->sizeHint().height() + 4 + (count > 3 ? 20 : 0));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(QStringLiteral("Save as &PNG..."), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    save->setAutoDefault(false);
    close->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(close);
    connect(save, &QPushButton::clicked, this, &QrWindow::AskAndSavePng);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
}

void QrWindow::AskAndSavePng()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PNG"),
                                                QDir(folder).filePath(QStringLiteral("list.png")),
                                                QStringLiteral("PNG pictures (*.png)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        file += QStringLiteral(".png");
    SavePng(file);
}

bool QrWindow::SavePng(const QString& file)
{
    if (!m_picture.save(file, "PNG")) {
        m_ui.ShowMessage({"The picture could not be written:\r\n" + file.toStdString(),
                          "Save as PNG", MessageIcon::Exclamation, MessageButtons::Ok,
                          MessageAnswer::Ok});
        return false;
    }
    m_ui.ShowStatus((QStringLiteral("Saved as ") + file).toStdString());
    return true;
}

void ShowListQrCode(const MainScreenState& s, Ui& ui, QWidget* parent)
{
    const std::vector<std::string> texts = ListQrTexts(s, ui);
    if (texts.empty())
        return;
    QrWindow window(texts, ui, parent);
    window.exec();
}

} // namespace pantrix
