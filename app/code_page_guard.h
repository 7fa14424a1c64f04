// Text boxes whose text is kept in a Windows-1252 file take only the characters
// that file can hold, so what the user sees is what is stored.
#pragma once

#include <QObject>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace pantrix {

class CodePageGuard final : public QObject
{
    Q_OBJECT

public:
    // A typed character the code page has no byte for is refused with a short
    // note; pasted or dropped text shows "?" in its place at once, and a message
    // names the characters replaced.
    static void Guard(QLineEdit* edit);
    static void Guard(QPlainTextEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CodePageGuard(QWidget* box);
};

} // namespace pantrix
