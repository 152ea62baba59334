// The platform as a whole, built on temporary folders, and its small services.
#include "platform/desktop/desktop_platform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDateTime>
#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/temp_folder.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

TEST(DesktopPlatform, ServicesUseTheFoldersGiven) {
    std::string whyNot;
    ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
    testing::TempFolder folder;
    DesktopSetup setup;
    setup.applicationTitle = "Quelmar Ruvometer";
    setup.dataFolderName = "Quelmar/Ruvometer 2.3";
    setup.folders = {folder.file("config"), folder.file("data"), folder.file("runtime")};
    setup.displayName = "";
    setup.pdfOutput = folder.file("out.pdf");
    DesktopPlatform desktop(setup);
    platform::Platform& platform = desktop.platform();

    platform.registry.writeString(platform::Hive::CurrentUser, "Software\\Quelmar\\Ruvometer 2.3",
                                  "Active", "1");
    EXPECT_TRUE(std::filesystem::exists(folder.file("config/Quelmar/Ruvometer 2.3.conf")));
    platform.registry.writeString(platform::Hive::LocalMachine,
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                  "Ruvometer 2.3", platform.paths.programFilePath());
    EXPECT_NE(testing::ReadBytes(folder.file("config/autostart/Ruvometer 2.3.desktop"))
                  .find("Name=Quelmar Ruvometer\n"),
              std::string::npos);

    EXPECT_EQ(platform.paths.programDirectory(), folder.file("data/Quelmar/Ruvometer 2.3/"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("data/Quelmar/Ruvometer 2.3")));
    EXPECT_EQ(platform.paths.programFilePath(),
              std::filesystem::canonical("/proc/self/exe").string());

    EXPECT_EQ(platform.instanceLock.tryAcquire("Quelmar Ruvometer").outcome,
              platform::LockAttempt::Outcome::Acquired);
    EXPECT_TRUE(std::filesystem::exists(folder.file("runtime/Quelmar Ruvometer.lock")));
    EXPECT_FALSE(platform.foregroundWindows.available());
    EXPECT_EQ(platform.printing.print({"x", {{{10, 10, {"Arial", 10, false, 0}, "Test"}}}}).pdfFile,
              folder.file("out.pdf"));
    EXPECT_TRUE(std::filesystem::exists(folder.file("out.pdf")));
    EXPECT_TRUE(platform.hostAddresses.ipv4AddressCount().has_value());
}

TEST(DesktopClock, LocalTimeAndMonotonicTime) {
    DesktopClock clock;
    const platform::LocalDateTime now = clock.now();
    const QDateTime qtNow = QDateTime::currentDateTime();
    const QDateTime read(QDate(now.year, now.month, now.day),
                         QTime(now.hour, now.minute, now.second));
    EXPECT_LE(std::abs(read.secsTo(qtNow)), 2);
    const auto before = clock.monotonicMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_GE(clock.monotonicMs() - before, 30);
}

}  // namespace
}  // namespace ruvo::desktop
