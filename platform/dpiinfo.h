// Scale factor of the primary screen relative to 96 DPI, and style sheets
// scaled by it. Without an application object or a screen the factor is 1.0.
// It does not follow screens added or changed after the call.
#pragma once

#include <QString>

class DPIinfo {
public:
    static DPIinfo* getInstance();

    // Logical DPI of the primary screen over 96; 1.0 without a screen.
    double getDPI() const;
    // scaleStyleSheet(styleSheet, getDPI()).
    QString getScaledStyleSheet(const QString& styleSheet) const;

    // The sheet with every pixel length ("12px", "-3px", "1.5px") multiplied
    // by factor; everything else, selectors and names such as "icon-16px"
    // included, unchanged. Whole lengths stay whole (rounded, a non-zero one
    // never below 1px so that borders stay visible).
    static QString scaleStyleSheet(const QString& styleSheet, double factor);

private:
    DPIinfo() = default;
    DPIinfo(const DPIinfo&) = delete;
    DPIinfo& operator=(const DPIinfo&) = delete;
};
