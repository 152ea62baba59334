// Qt's own texts in German from Qt's catalogue, and English when it is missing or damaged.
#include "gui/german_qt_texts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace ruvo::testing {
namespace {

using gui::GermanQtTexts;

QString CancelButtonText() {
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// The items of an edit field's context menu.
QStringList EditMenuTexts() {
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section('\t', 0, 0);  // without the shortcut
    }
    return texts;
}

TEST(GermanQtTexts, QtSpeaksGermanWhileTheCatalogueIsInstalled) {
    if (!QFile::exists(gui::QtTranslationsFolder() + "/qtbase_de.qm")) {
        GTEST_SKIP() << "Qt's German catalogue is not installed in "
                     << gui::QtTranslationsFolder().toStdString() << " (qt6-translations-l10n)";
    }
    {
        const GermanQtTexts german(gui::QtTranslationsFolder());
        EXPECT_TRUE(german.loaded());
        EXPECT_EQ(CancelButtonText(), "Abbrechen");
        EXPECT_TRUE(EditMenuTexts().contains("&Rückgängig"))
            << EditMenuTexts().join(", ").toStdString();
        EXPECT_EQ(QLocale().language(), QLocale::German);
        EXPECT_EQ(QLocale().toString(1.5, 'f', 1), "1,5");
    }
    EXPECT_EQ(CancelButtonText(), "Cancel");
    EXPECT_NE(QLocale().language(), QLocale::German);
}

// Without a usable catalogue the program runs on with Qt's English texts.
TEST(GermanQtTexts, QtStaysEnglishWithoutAUsableCatalogue) {
    QTemporaryDir empty;
    QTemporaryDir damaged;
    ASSERT_TRUE(empty.isValid() && damaged.isValid());
    QFile file(damaged.filePath("qtbase_de.qm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd garbage");
    file.close();

    for (const QString& folder : {empty.path(), damaged.path(), QString("/nonexistent/folder")}) {
        const GermanQtTexts german(folder);
        EXPECT_FALSE(german.loaded()) << folder.toStdString();
        EXPECT_EQ(CancelButtonText(), "Cancel") << folder.toStdString();
    }
}

}  // namespace
}  // namespace ruvo::testing
