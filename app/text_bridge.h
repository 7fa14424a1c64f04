// The program's files hold single-byte text; Qt holds Unicode. These convert at
// the boundary, and nowhere else: ToQt and FromQt for the Windows-1252 text of
// the state, FromSeam for the UTF-8 text of the Ui seam, names and panels.
#pragma once

#include "text/cp1252.h"

#include <QString>
#include <string>

namespace pantrix {

inline QString ToQt(const std::string& cp1252)
{
    return QString::fromStdString(ToUtf8(cp1252));
}

inline QString FromSeam(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

inline std::string FromQt(const QString& text)
{
    return FromUtf8(text.toStdString());
}

// The recipe text box holds "\n" line breaks; the program holds CR LF. A lone
// CR from a file made elsewhere also shows as a line break.
inline QString ToEditorText(const std::string& cp1252)
{
    return ToQt(cp1252)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Given the box's raw text: its plain text would turn each no-break space into
// a space, and the next save would store that change nobody made.
inline std::string FromEditorText(const QString& raw)
{
    return FromQt(QString(raw)
                      .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
                      .replace(QChar::LineSeparator, QLatin1Char('\n'))
                      .replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

} // namespace pantrix
