#pragma once

// Draws the trip computer's screens as the device shows them, 320 x 240, in one colour
// scheme: the places with their parameters' captions, sample values, units, icons and
// scale bars, the x1 screen with its instant-consumption bar and bottom panel, the
// averages screens and the menu. The editor's previews and `tripconf-cli render` use it.
// Needs a QGuiApplication (the lettering uses the system's fonts).

#include "ScreenColours.h"
#include "ScreenContent.h"

#include <QImage>
#include <vector>

class QPainter;
class TMeasParList;
class TMeasParBase;

class TScreenRenderer {
public:
    // The parameter list supplies names, formats and ranges; drawing a parameter fills its
    // range texts (PrepareData), as every preview does.
    TScreenRenderer(const TScreenColours& colours, const TMeasParList& params,
                    TDisplayOptions options = {});

    // The codes the device's list offers; any other code is drawn as unknown ("?" and the
    // code). Without such a list every code of the catalogue counts as offered.
    void SetOfferedCodes(std::vector<std::uint8_t> codes);

    QImage Render(const TScreenContent& screen) const;
    // The screen drawn straight at the largest size that fits the box without distortion
    // (everything is drawn as vectors, so this is sharper and quicker than scaling a
    // 320 x 240 picture). Places lie where the geometry puts them for the image's size.
    QImage RenderToFit(const TScreenContent& screen, QSize box) const;
    // Draws onto the painter's 0, 0 .. 320, 240.
    void Paint(QPainter& painter, const TScreenContent& screen) const;

    const TScreenColours& Colours() const { return colours_; }

private:
    const TMeasParBase* parameter(std::uint8_t code) const;
    void paintPlaces(QPainter& painter, const TScreenContent& screen) const;
    void paintX1(QPainter& painter, const TScreenContent& screen) const;

    TScreenColours colours_;
    const TMeasParList& params_;
    TDisplayOptions options_;
    std::vector<std::uint8_t> offered_;
    bool restricted_ = false;
};

// The style a place of a screen with several places is drawn in: 1 (DigitColor1 on
// DigitBack1) or 2 (DigitColor2 on DigitBack2), alternating like a chess board so that both
// show on every screen.
int PlaceStyle(TScreenKind kind, int place);
