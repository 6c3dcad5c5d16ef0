// The windows' icon is built into the program, in every size the menu entry installs.

#include "TestApp.h"
#include "TripApplication.h"

#include <gtest/gtest.h>

TEST(ApplicationIcon, EverySizeIsBuiltInAndDrawnAtItsOwnSize) {
    TestApp();
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage image = icon.pixmap(size, size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size)) << size;
        // A drawn icon, not a blank: the corner is transparent, the middle is not.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}
