// Style sheet scaling; without an application object the factor is 1.0.
#include <gtest/gtest.h>

#include "dpiinfo.h"

const char kDialogSheet[] = "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }";

TEST(DPIinfo, no_application_means_no_scaling_and_pixel_lengths_scale_alone)
{
    EXPECT_EQ(DPIinfo::getInstance()->getDPI(), 1.0);
    EXPECT_EQ(DPIinfo::getInstance()->getScaledStyleSheet(kDialogSheet), QString(kDialogSheet));
    struct Case { const char* name; double factor; const char* sheet; const char* expected; };  // expected nullptr: unchanged
    const Case cases[] = {
        {"sheet_without_lengths", 2.0, kDialogSheet, nullptr},
        {"whole_lengths", 2.0, "QLabel { border: 1px solid; font-size: 12px; }", "QLabel { border: 2px solid; font-size: 24px; }"},
        {"unit_one_keeps_fractions", 1.0, "margin: 1.5px 3px", nullptr},
        {"fraction_scaled", 2.0, "margin: 1.25px", "margin: 2.5px"},
        {"rounded_half_away_from_zero", 1.5, "padding:3px;margin:-3px", "padding:5px;margin:-5px"},
        {"hairline_stays_visible", 0.5, "border: 1px; width: 0px", nullptr},
        {"other_units_untouched", 2.0, "font: 9pt; width: 2em; height: 50%", nullptr},
        {"names_that_end_in_px", 2.0, "QWidget#tab2px, .icon-16px { image: url(img12px.png); }", nullptr},
        {"several_on_one_line", 1.25, "width:40px;height:20px", "width:50px;height:25px"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DPIinfo::scaleStyleSheet(c.sheet, c.factor).toStdString(), c.expected ? c.expected : c.sheet);
    }
}
