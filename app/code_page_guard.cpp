#include "app/code_page_guard.h"

#include "text/cp1252.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

namespace pantrix {
namespace {

QString Outside(const QString& text)
{
    return QString::fromStdString(OutsideCodePage(text.toStdString()));
}

// Each character the code page lacks becomes "?".
QString Replaced(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        kept += Outside(character).isEmpty() ? character : QStringLiteral("?");
        i += length;
    }
    return kept;
}

void TellReplaced(QWidget* box, const QString& characters)
{
    auto* message = new QMessageBox(
        QMessageBox::Information, QStringLiteral("Characters replaced"),
        QStringLiteral("These characters cannot be stored in this text and were replaced by "
                       "\"?\": %1")
            .arg(characters),
        QMessageBox::Ok, box->window());
    message->setObjectName(QStringLiteral("CharactersReplaced"));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

void TellRefused(QWidget* box, const QString& characters)
{
    QApplication::beep();
    const QString note =
        QStringLiteral("\"%1\" cannot be stored in this text, so it was not typed.")
            .arg(characters);
    QToolTip::showText(box->mapToGlobal(box->inputMethodQuery(Qt::ImCursorRectangle)
                                            .toRect()
                                            .bottomLeft()),
                       note, box);
    box->setAccessibleDescription(note);
}

// Pasted, dropped or composed text in a line box.
void KeepLine(QLineEdit* edit)
{
    const QString text = edit->text();
    const QString outside = Outside(text);
    if (outside.isEmpty())
        return;
    const int cursor = edit->cursorPosition();
    edit->setText(Replaced(text));
    edit->setCursorPosition(std::min(cursor, static_cast<int>(edit->text().size())));
    TellReplaced(edit, outside);
}

// The same in the recipe text box, character by character in the document so
// that the box's own undo and the cursor stay as they were.
void KeepDocument(QPlainTextEdit* edit)
{
    const QString outside = Outside(edit->toPlainText());
    if (outside.isEmpty())
        return;
    QTextDocument* document = edit->document();
    QTextCursor editing(document);
    editing.beginEditBlock();
    for (const QString& character : outside.split(QLatin1Char(' '))) {
        for (QTextCursor found = document->find(character); !found.isNull();
             found = document->find(character, found))
            found.insertText(QStringLiteral("?"));
    }
    editing.endEditBlock();
    TellReplaced(edit, outside);
}

} // namespace

CodePageGuard::CodePageGuard(QWidget* box) : QObject(box)
{
    box->installEventFilter(this);
}

void CodePageGuard::Guard(QLineEdit* edit)
{
    new CodePageGuard(edit);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { KeepLine(edit); });
}

void CodePageGuard::Guard(QPlainTextEdit* edit)
{
    new CodePageGuard(edit);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] { KeepDocument(edit); });
}

// Keys are caught before the box takes them, so a refused character never shows.
bool CodePageGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    const QString outside = Outside(text);
    auto* box = qobject_cast<QWidget*>(watched);
    if (!outside.isEmpty())
        TellRefused(box, outside);
    else if (!text.isEmpty()) // the note lasts until the box takes a key again
        box->setAccessibleDescription({});
    return !outside.isEmpty();
}

} // namespace pantrix
