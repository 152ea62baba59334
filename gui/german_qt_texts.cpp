#include "gui/german_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ruvo::gui {

QString QtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

GermanQtTexts::GermanQtTexts(const QString& folder) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    loaded_ = translator_.load(QStringLiteral("qtbase_de"), folder) &&
              QCoreApplication::installTranslator(&translator_);
}

GermanQtTexts::~GermanQtTexts() {
    if (loaded_) {
        QCoreApplication::removeTranslator(&translator_);
    }
    QLocale::setDefault(previousLocale_);
}

}  // namespace ruvo::gui
