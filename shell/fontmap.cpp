#include "shell/fontmap.h"

#include "form/fontfaces.h"

#include <QFontDatabase>
#include <QStringList>

namespace zandiro {

QFont qtFont(const Font& font) {
    const FontFaces faces = fontFaces(font);
    QStringList families;
    for (const std::string& family : faces.families) {
        families.append(QString::fromStdString(family));
    }
    int weight = faces.weight;
    // Qt draws a whole list at one weight. Where the stand-ins want another
    // weight than the font's own face, it asks for the face alone where it is
    // installed, else for the stand-ins alone.
    if (faces.standInWeight != faces.weight) {
        if (QFontDatabase::hasFamily(families.front())) {
            families = QStringList{families.front()};
        } else {
            families.removeFirst();
            weight = faces.standInWeight;
        }
    }
    QFont result;
    result.setFamilies(families);
    result.setPixelSize(pixelSize(font));
    result.setWeight(static_cast<QFont::Weight>(weight));
    result.setItalic(false);
    result.setUnderline(false);
    result.setStrikeOut(false);
    return result;
}

} // namespace zandiro
