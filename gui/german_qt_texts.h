// Qt's own texts in German: the standard buttons of message boxes and button boxes, the print
// dialog, the context menus of edit fields. They come from Qt's translation catalogue
// "qtbase_de.qm"; where it is not installed Qt's texts stay English and the program runs on.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace ruvo::gui {

// The folder this Qt keeps its translation catalogues in.
QString QtTranslationsFolder();

// While it exists, Qt speaks German: the catalogue from `folder` is installed in the running
// application (if it can be read) and German number and paper conventions are the default
// locale. Both are undone when it goes. Needs a QCoreApplication.
class GermanQtTexts {
public:
    explicit GermanQtTexts(const QString& folder);
    ~GermanQtTexts();
    GermanQtTexts(const GermanQtTexts&) = delete;
    GermanQtTexts& operator=(const GermanQtTexts&) = delete;

    // Whether the catalogue was found and installed.
    bool loaded() const { return loaded_; }

private:
    QTranslator translator_;
    QLocale previousLocale_;
    bool loaded_ = false;
};

}  // namespace ruvo::gui
