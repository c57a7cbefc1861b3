#pragma once

#include <chrono>

// How long each place may spend rendering the PDF background before it gives
// up and goes on without it. A background that takes longer is hostile or
// broken: ordinary pages take well under a second on screen.
struct RenderTimeLimits
{
    // The editor's bitmap, at the page's size on screen: small, and drawn off
    // the user-interface thread, so the limit only frees the renderer.
    std::chrono::milliseconds editor{10000};
    // The preview's bitmap, at up to 200 dpi, while the user waits.
    std::chrono::milliseconds preview{20000};
    // Printing and exporting, at up to 600 dpi: the bitmap is up to 36 times
    // the editor's and the run is unattended, so it gets the longest time.
    std::chrono::milliseconds print{60000};
};

// The process-wide limits; tests and the fuzz targets shorten them.
RenderTimeLimits& renderTimeLimits();
