// ruvo-program-icons NAME FOLDER: writes the program's icon into FOLDER as an icon theme lays it
// out: FOLDER/<n>x<n>/apps/NAME.png for each size a desktop asks for, and the same drawing as
// FOLDER/scalable/apps/NAME.svg. Runs at build time without a display on the offscreen platform.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "base/identity.h"
#include "gui/program_icon.h"

namespace {

using ruvo::gui::ProgramPicture;

constexpr int PixelSizes[] = {16, 32, 48, 64, 128};
// The drawing's own grid: the scalable copy is drawn at this size, with the outlines the larger
// pictures have.
constexpr int DrawingSize = 32;

bool MakeFolder(const QString& path) {
    if (QDir().mkpath(path)) {
        return true;
    }
    std::fprintf(stderr, "ruvo-program-icons: cannot create %s\n", qPrintable(path));
    return false;
}

bool WritePixmap(const QDir& theme, const QString& name, int size) {
    const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
    const QString path = folder + '/' + name + ".png";
    if (!MakeFolder(folder)) {
        return false;
    }
    if (!ruvo::gui::ProgramPixmap(size, ProgramPicture::Program).save(path, "PNG")) {
        std::fprintf(stderr, "ruvo-program-icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteScalable(const QDir& theme, const QString& name) {
    const QString folder = theme.filePath(QStringLiteral("scalable/apps"));
    const QString path = folder + '/' + name + ".svg";
    if (!MakeFolder(folder)) {
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(DrawingSize, DrawingSize));
    svg.setViewBox(QRect(0, 0, DrawingSize, DrawingSize));
    svg.setTitle(QString::fromUtf8(ruvo::ApplicationTitle));
    svg.setDescription(QStringLiteral("Ein kleiner Computer mit einer Uhr"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "ruvo-program-icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    ruvo::gui::PaintProgramPicture(painter, DrawingSize, ProgramPicture::Program);
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ruvo-program-icons NAME FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString name = QString::fromLocal8Bit(argv[1]);
    const QDir theme(QString::fromLocal8Bit(argv[2]));

    bool written = WriteScalable(theme, name);
    for (const int size : PixelSizes) {
        written = WritePixmap(theme, name, size) && written;
    }
    return written ? 0 : 1;
}
