#include "tools/artwork/textures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "tools/artwork/noise.h"

namespace ledgerleaf {

namespace {

int clampChannel(float v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb shade(QColor base, float delta) {
    return qRgb(clampChannel(base.red() + delta), clampChannel(base.green() + delta),
                clampChannel(base.blue() + delta * 0.8f));
}

}  // namespace

QImage Textures::paper(QSize size, QColor base, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    const Noise tone(seed);
    const Noise speck(seed + 101);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            float delta = (tone.fractal(x / 70.0f, y / 70.0f, 3) - 0.5f) * 7.0f;
            if (speck.lattice(x, y) > 0.9965f) {
                delta -= 6.0f;
            }
            line[x] = shade(base, delta);
        }
    }
    // Fibres: short, thin, barely visible curves.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Noise place(seed + 202);
    const int fibres = size.width() * size.height() / 2500;
    for (int i = 0; i < fibres; ++i) {
        const float x = place.lattice(i, 0) * size.width();
        const float y = place.lattice(i, 1) * size.height();
        const float angle = place.lattice(i, 2) * 6.2832f;
        const float length = 4.0f + place.lattice(i, 3) * 9.0f;
        const float bend = (place.lattice(i, 4) - 0.5f) * 4.0f;
        QPainterPath fibre({x, y});
        const QPointF end(x + std::cos(angle) * length, y + std::sin(angle) * length);
        const QPointF mid((x + end.x()) / 2 + bend, (y + end.y()) / 2 - bend);
        fibre.quadTo(mid, end);
        const bool light = place.lattice(i, 5) > 0.5f;
        painter.setPen(QPen(light ? QColor(255, 255, 250, 40) : QColor(120, 100, 70, 22), 0.6));
        painter.drawPath(fibre);
    }
    return image;
}

QImage Textures::leather(QSize size, QColor base, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    const Noise tone(seed);
    const Noise grain(seed + 7);
    const Noise crease(seed + 13);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            float delta = (tone.fractal(x / 110.0f, y / 110.0f, 4) - 0.5f) * 16.0f;
            // Embossed pebbles: the slope of fine noise towards the light gives raised grains.
            const float gx = x / 2.6f;
            const float gy = y / 2.6f;
            const float slope = grain.smooth(gx, gy) - grain.smooth(gx + 0.45f, gy + 0.45f);
            delta += slope * 14.0f;
            const float warp = tone.smooth(x / 60.0f, y / 60.0f) * 3.0f;
            const float ridge =
                1.0f - std::fabs(2.0f * crease.smooth(x / 55.0f + warp, y / 32.0f) - 1.0f);
            if (ridge > 0.965f) {
                delta -= (ridge - 0.965f) / 0.035f * 5.0f;
            }
            line[x] = shade(base, delta);
        }
    }
    return image;
}

QImage Textures::elastic(QSize size, QColor base, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    const Noise thread(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float rib = (y % 3 == 0) ? -7.0f : (y % 3 == 1 ? 4.0f : 0.0f);
        for (int x = 0; x < size.width(); ++x) {
            const float strand = (x % 4 == 0) ? -3.0f : 0.0f;
            const float fleck = (thread.lattice(x / 2, y) - 0.5f) * 4.0f;
            line[x] = shade(base, rib + strand + fleck);
        }
    }
    return image;
}

}  // namespace ledgerleaf
