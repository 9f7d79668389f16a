#include "form/fontfaces.h"

#include <gtest/gtest.h>

namespace zandiro {
namespace {

// Impact is heavy at its regular weight: where it is installed it is drawn at
// that weight, where it is not its stand-ins are drawn bold. The desktop's
// tests run without Impact and see only the stand-ins.
TEST(FontFaces, ImpactKeepsItsWeightAndItsStandInsAreBold) {
    const FontFaces faces = fontFaces(Font{"Impact", 14.25, 400});
    EXPECT_EQ(faces.families.front(), "Impact");
    EXPECT_EQ(faces.families.back(), "sans-serif");
    EXPECT_EQ(faces.weight, 400);
    EXPECT_EQ(faces.standInWeight, 700);
}

} // namespace
} // namespace zandiro
