#include "shell/controlwidgets.h"
#include "shellfixture.h"
#include "windowpicture.h"

#include <algorithm>

namespace zandiro::testing {
namespace {

bool isLit(int face, int place) {
    const auto places = litPlaces(face);
    return std::find(places.begin(), places.end(), place) != places.end();
}

void expectLitPip(const QImage& image, const QRect& pip) {
    EXPECT_TRUE(pixelIs(image, pip.topLeft() + QPoint(6, 6), red));
    for (QPoint edge : edgeMiddles(pip)) {
        EXPECT_TRUE(pixelIs(image, edge, black)) << "outline";
    }
}

// A lit pip on the white body: a round 13 x 13 spot with its outline.
void expectPipOnBody(const QImage& image, const QRect& pip) {
    expectLitPip(image, pip);
    for (QPoint beside : edgeMiddles(pip.adjusted(-1, -1, 1, 1))) {
        EXPECT_TRUE(pixelIs(image, beside, white)) << "13 x 13";
    }
    EXPECT_TRUE(mirrorSymmetric(image, pip)) << "round";
}

class DieFaces : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(DieFaces, EveryDieShowsThePipsOfItsFaceInPlace) {
    const int face = GetParam();
    roll({face, face, face, face, face});
    const QImage image = picture();
    for (int die = 1; die <= 5; ++die) {
        for (int place = 1; place <= 7; ++place) {
            SCOPED_TRACE("die " + std::to_string(die) + " place " + std::to_string(place));
            const QRect pip = pipRect(die, place);
            if (isLit(face, place)) {
                expectPipOnBody(image, pip);
            } else {
                EXPECT_EQ(countOf(image, pip, white), 13 * 13);
            }
        }
    }
    const int redPerPip = countOf(image, pipRect(1, *litPlaces(face).begin()), red);
    EXPECT_EQ(countOf(image, diceBoard, red),
              5 * static_cast<int>(litPlaces(face).size()) * redPerPip)
        << "no red beyond the lit pips";
}

INSTANTIATE_TEST_SUITE_P(Faces, DieFaces, ::testing::Range(1, 7));

using HeldDice = ShellTest;

// A held die shows its HOLD marker over the body, and the pips of the middle
// row over the marker; everywhere else the marker shows whole.
TEST_F(HeldDice, ShowTheMarkerBetweenBodyAndPips) {
    const int faces[] = {6, 1, 3, 5, 2};
    roll({6, 1, 3, 5, 2});
    for (int die = 1; die <= 5; ++die) {
        clickAt(bodyAt(die) + QPoint(1, 1));
    }
    roll({});
    const QImage image = picture();
    const QImage hold = holdPicture().toImage().convertToFormat(QImage::Format_RGB32);
    for (int die = 1; die <= 5; ++die) {
        SCOPED_TRACE("die " + std::to_string(die));
        const QRect marker = markerRect(die);
        int markerPixels = 0;
        for (int y = marker.top(); y <= marker.bottom(); ++y) {
            for (int x = marker.left(); x <= marker.right(); ++x) {
                const bool underPip =
                    std::any_of(litPlaces(faces[die - 1]).begin(), litPlaces(faces[die - 1]).end(),
                                [&](int place) { return pipRect(die, place).contains(x, y); });
                if (!underPip) {
                    ASSERT_TRUE(
                        pixelIs(image, {x, y}, hold.pixel(x - marker.left(), y - marker.top())));
                    ++markerPixels;
                }
            }
        }
        EXPECT_GT(markerPixels, 54 * 12 / 2);
        for (int place : {3, 4, 5}) {
            if (isLit(faces[die - 1], place)) {
                expectLitPip(image, pipRect(die, place));
            }
        }
    }
}

} // namespace
} // namespace zandiro::testing
