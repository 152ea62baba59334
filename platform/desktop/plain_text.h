// Texts that carry the content of files or the user's input are shown as they are, never as
// markup: a zone named "<h1>GROSS</h1>" must not become a heading, nor a header a live link.
#pragma once

#include <QString>

namespace ruvo::desktop {

// A tool tip shows its text as rich text whenever it looks like markup; such a text is escaped
// and kept to its lines. Other texts stay as they are.
inline QString PlainToolTip(const QString& text) {
    if (!text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('&'))) {
        return text;
    }
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

}  // namespace ruvo::desktop
