#include "tools/artwork/key_colour_check.h"

namespace ledgerleaf {

QString KeyColourCheck::verify(const QImage& image, const std::vector<QRect>& cuts, QRgb key) {
    QString report;
    int faults = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bool inside = false;
            for (const QRect& cut : cuts)
                inside = inside || cut.contains(x, y);
            const bool isKey = (image.pixel(x, y) & 0xFFFFFFU) == (key & 0xFFFFFFU);
            if (inside != isKey) {
                if (++faults <= 5) {
                    report += QStringLiteral("pixel %1,%2 is %3the key colour; ")
                                  .arg(x)
                                  .arg(y)
                                  .arg(isKey ? QString() : QStringLiteral("not "));
                }
            }
        }
    }
    if (faults > 0)
        report += QStringLiteral("%1 wrong pixels in all").arg(faults);
    return report;
}

}  // namespace ledgerleaf
