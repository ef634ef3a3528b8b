// ledgerleaf-artwork: draws the diary's skin pictures and icons with QPainter.
//
// Redraw them after changing a painter, look at every picture, then commit resources/:
//   cmake --build build --target ledgerleaf-artwork
//   QT_QPA_PLATFORM=offscreen build/tools/artwork/ledgerleaf-artwork resources
//
// All noise comes from fixed seeds, so two runs with the same Qt and fonts write identical files.
// The program refuses to write a desk background whose green cut-out colour leaks outside the
// two strips beside the picture panel.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <functional>

#include "tools/artwork/cover_painter.h"
#include "tools/artwork/desk_background_painter.h"
#include "tools/artwork/desk_skin_painter.h"
#include "tools/artwork/help_side_painter.h"
#include "tools/artwork/icon_painter.h"
#include "tools/artwork/key_colour_check.h"

namespace {

bool save(const QImage& image, const QString& outDir, const QString& name) {
    const QString path = outDir + QLatin1Char('/') + name;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(name), image.width(), image.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ledgerleaf-artwork OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    using ledgerleaf::DeskBackgroundPainter;

    const QImage skin = ledgerleaf::DeskSkinPainter::paint();
    const QImage background = DeskBackgroundPainter::paint(skin);
    const QString fault = ledgerleaf::KeyColourCheck::verify(
        background, {DeskBackgroundPainter::kTopCut, DeskBackgroundPainter::kBottomCut},
        qRgb(0, 255, 0));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "desk background: %s\n", qPrintable(fault));
        return 1;
    }

    bool ok = save(skin, out, QStringLiteral("skin/desk_skin.png"));
    ok = save(background, out, QStringLiteral("skin/desk_background.png")) && ok;
    ok = save(DeskBackgroundPainter::mask(background), out, QStringLiteral("skin/desk_mask.png")) &&
         ok;
    ok = save(ledgerleaf::CoverPainter::paint(), out, QStringLiteral("skin/cover.png")) && ok;
    ok =
        save(ledgerleaf::HelpSidePainter::paint(), out, QStringLiteral("skin/help_side.png")) && ok;

    using ledgerleaf::IconPainter;
    const struct {
        IconPainter::Icon icon;
        int size;
        const char* name;
    } icons[] = {
        {IconPainter::Icon::Calendar, 32, "icons/calendar.png"},
        {IconPainter::Icon::Calendar, 256, "icons/calendar_256.png"},
        {IconPainter::Icon::Scroll, 32, "icons/scroll.png"},
        {IconPainter::Icon::LockClosed, 32, "icons/lock_closed.png"},
        {IconPainter::Icon::LockOpen, 32, "icons/lock_open.png"},
        {IconPainter::Icon::Bookshelf, 32, "icons/bookshelf.png"},
        {IconPainter::Icon::Calculator, 32, "icons/calculator.png"},
        {IconPainter::Icon::PicturePanel, 32, "icons/picture_panel.png"},
    };
    for (const auto& icon : icons) {
        ok = save(IconPainter::paint(icon.icon, icon.size), out, QString::fromLatin1(icon.name)) &&
             ok;
    }
    return ok ? 0 : 1;
}
