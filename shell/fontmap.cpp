#include "shell/fontmap.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace zandiro {
namespace {

bool installed(const QString& family) {
    return QFontDatabase::hasFamily(family);
}

} // namespace

QFont qtFont(const Font& font) {
    QFont result;
    const QString face = QString::fromStdString(font.face);
    int weight = font.weight;
    if (face == QLatin1String("Times New Roman")) {
        result.setFamilies({face, QStringLiteral("Liberation Serif"), QStringLiteral("serif")});
    } else if (face == QLatin1String("Impact") && !installed(face)) {
        // Impact is a heavy face at its regular weight; its stand-ins need bold.
        result.setFamilies({QStringLiteral("Liberation Sans Narrow"),
                            QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("sans-serif")});
        weight = 700;
    } else {
        result.setFamilies({face});
    }
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    result.setWeight(static_cast<QFont::Weight>(weight));
    result.setItalic(false);
    result.setUnderline(false);
    result.setStrikeOut(false);
    return result;
}

bool drawsBold(const Font& font) {
    return font.weight >= 700 || font.face == "Impact";
}

} // namespace zandiro
