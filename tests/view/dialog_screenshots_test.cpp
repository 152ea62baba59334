#include "gui/dialog_screenshots.h"

#include <QImage>

#include <cstdlib>
#include <filesystem>

#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

class DialogScreenshotsTest : public DialogViewTest {};

// Writes the pictures into RUVO_SCREENSHOT_DIR when it is set (to look at them), else into a
// temporary folder that is removed afterwards.
TEST_F(DialogScreenshotsTest, WritesAPictureOfEveryDialog) {
    const char* wanted = std::getenv("RUVO_SCREENSHOT_DIR");
    const std::filesystem::path folder =
        wanted != nullptr ? std::filesystem::path(wanted)
                          : std::filesystem::temp_directory_path() / "ruvo-dialog-screenshots";
    std::filesystem::create_directories(folder);

    EXPECT_TRUE(gui::RenderDialogScreenshots(folder.string()));
    for (const char* file :
         {"form6-verbindung.png", "form6-budgetstatus.png", "form6-warnungen.png", "form4.png",
          "form14.png", "form5.png", "form3.png", "form9.png"}) {
        const QImage image(QString::fromStdString((folder / file).string()));
        EXPECT_FALSE(image.isNull()) << file;
        EXPECT_GE(image.width(), 200) << file;
    }
    if (wanted == nullptr) {
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
}  // namespace ruvo::testing
