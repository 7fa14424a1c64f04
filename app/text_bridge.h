// The program holds single-byte text; Qt holds Unicode. These convert at the
// boundary, and nowhere else.
#pragma once

#include "text/cp1252.h"

#include <QString>
#include <string>

namespace pantrix {

inline QString ToQt(const std::string& cp1252)
{
    return QString::fromStdString(ToUtf8(cp1252));
}

inline std::string FromQt(const QString& text)
{
    return FromUtf8(text.toStdString());
}

} // namespace pantrix
