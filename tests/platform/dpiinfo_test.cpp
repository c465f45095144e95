// Style sheet scaling; without an application object the factor is 1.0.
#include <gtest/gtest.h>

#include "dpiinfo.h"

TEST(DPIinfo, NoApplicationMeansNoScalingAndOnlyPixelLengthsScale)
{
    const QString sheet = QStringLiteral("QLabel { border: 1px solid; font-size: 12px; }");
    EXPECT_EQ(DPIinfo::getInstance()->getDPI(), 1.0);
    EXPECT_EQ(DPIinfo::getInstance()->getScaledStyleSheet(sheet), sheet);
    const std::tuple<double, const char*, const char*> cases[] = {  // expected nullptr: unchanged
        {2.0, "QLabel { border: 1px solid; font-size: 12px; }", "QLabel { border: 2px solid; font-size: 24px; }"},
        {1.0, "margin: 1.5px 3px", nullptr},
        {2.0, "margin: 1.25px", "margin: 2.5px"},
        {1.5, "padding:3px;margin:-3px", "padding:5px;margin:-5px"},  // half away from zero
        {0.5, "border: 1px; width: 0px", nullptr},                    // a hairline stays visible
        {2.0, "font: 9pt; width: 2em; height: 50%", nullptr},
        {2.0, "QWidget#tab2px, .icon-16px { image: url(img12px.png); }", nullptr},
    };
    for (const auto& [factor, given, expected] : cases) {
        EXPECT_EQ(DPIinfo::scaleStyleSheet(given, factor).toStdString(), expected ? expected : given) << given;
    }
}
