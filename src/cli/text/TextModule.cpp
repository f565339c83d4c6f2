// The text drawing of render --text, in a module of its own: korvane-gen loads it, and with it
// Qt, only when texts are to be drawn, so that its other commands start without the toolkit.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "cli/RenderText.h"
#include "cli/SurfacePng.h"
#include "qt/SurfaceTextPainter.h"

namespace korvane {
namespace {
QtMessageHandler previousHandler = nullptr;

// Qt's warnings about the desktop session (no runtime folder, say) say nothing about the
// picture a command line asked for; errors still go through.
void OnlyQtErrors(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) previousHandler(type, context, message);
}

// Fonts need an application object while the texts are drawn; the offscreen platform needs
// no display. It goes when the drawing is done, before the program's own exit.
std::unique_ptr<QGuiApplication> ApplicationForFonts() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(OnlyQtErrors);
    static int argc = 1;
    static char name[] = "korvane-gen";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool DrawWithTexts(const DesignDocument& doc, FileSystem& files, const std::string& path,
                   std::string& error) {
    const std::unique_ptr<QGuiApplication> application = ApplicationForFonts();
    const QFont font = DesignTextFont(doc);
    auto overlay = [&](Canvas& canvas, const PixelRect& band, int slot) {
        QImage image(canvas.MutableData(), canvas.Width(), canvas.Height(), canvas.Width() * 3,
                     QImage::Format_RGB888);
        QPainter painter(&image);
        painter.setFont(font);
        painter.translate(static_cast<qreal>(-band.left), static_cast<qreal>(-band.top));
        DrawComponentTexts(painter, doc.Slot(slot));
    };
    return WriteSurfacePng(doc, files, path, error, kMaxRenderSide, overlay);
}

}  // namespace
}  // namespace korvane

extern "C" __attribute__((visibility("default"))) bool korvane_write_surface_png_with_text(
    const korvane::DesignDocument& doc, korvane::FileSystem& files, const std::string& path,
    std::string& error) {
    return korvane::DrawWithTexts(doc, files, path, error);
}
