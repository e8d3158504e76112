// The portal's answers as the program reads them: colours at the edges of the range, and the
// screenshot URIs a portal writes or a wrong answer could hold.

#include "app/PortalAnswer.h"

#include <gtest/gtest.h>

#include <limits>

namespace sv {
namespace {

TEST(PortalAnswer, ColoursFromZeroToOne) {
    EXPECT_EQ(portalColor(0.2, 0.4, 0.6), rgb(51, 102, 153));
    EXPECT_EQ(portalColor(0, 1, 0), rgb(0, 255, 0));
    // 0.5 × 255 = 127.5: halves go to the even neighbour.
    EXPECT_EQ(portalColor(0.5, 0, 0), rgb(128, 0, 0));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double bad : {-0.001, 1.001, nan, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(portalColor(bad, 0, 0), std::nullopt) << bad;
        EXPECT_EQ(portalColor(0, 0, bad), std::nullopt) << bad;
    }
}

TEST(PortalAnswer, OnlyLocalFileUrisNameAPath) {
    EXPECT_EQ(localPathOfFileUri("file:///tmp/Screenshot.png"), "/tmp/Screenshot.png");
    EXPECT_EQ(localPathOfFileUri("file:///home/u/Pictures/Screenshot%20from%20today.png"),
              "/home/u/Pictures/Screenshot from today.png");
    EXPECT_EQ(localPathOfFileUri("FILE://localhost/a%2fb"), "/a/b");
    EXPECT_EQ(localPathOfFileUri("file:///caf%C3%A9.png"), "/caf\xC3\xA9.png");
    for (const char* bad :
         {"", "file:", "file://", "file:/tmp/a.png", "http://example.org/s.png",
          "file://otherhost/tmp/a.png", "file://localhostx/a", "file:///tmp/a.png?x=1",
          "file:///tmp/a.png#top", "file:///tmp/a%00.png", "file:///tmp/a%2", "file:///tmp/%zz",
          "/tmp/a.png"}) {
        EXPECT_EQ(localPathOfFileUri(bad), std::nullopt) << bad;
    }
}

} // namespace
} // namespace sv
