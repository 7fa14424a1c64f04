// File > "Show List as QR Code": Today's List as QR codes a phone camera reads as
// plain text, with no app, account or network; a long list as numbered codes side
// by side. The codes can be saved as a PNG picture.
#pragma once

#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

namespace pantrix {

struct MainScreenState;
class Ui;

// The text's code at error correction level M, `scale` pixels a module, inside the
// white border of four modules readers need; a null image when no code holds it.
QImage QrCodeImage(const std::string& utf8, int scale);

class QrWindow final : public QDialog
{
    Q_OBJECT

public:
    // `name` proposes the picture's file name.
    QrWindow(const std::vector<std::string>& texts, const QString& name, Ui& ui, QWidget* parent);

    // The codes side by side, as the window shows them.
    QImage Picture() const;

private:
    void AskAndSavePng();
    void SavePng(const QString& file);

    Ui& m_ui;
    QString m_name;
    std::vector<QImage> m_codes;
};

// Shows the window for Today's List; tells the user when there is nothing to show.
void ShowListQrCode(const MainScreenState& s, Ui& ui, QWidget* parent);

} // namespace pantrix
