// A template in an editor view on a 96 dpi screen at 100 %, so that one
// pixel is 15 twips and the page's corner sits at window pixel (24, 24).
#pragma once

#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"

#include <memory>

struct TestEditorView
{
    TestEditorView(bool captions, int width)
    {
        if (!captions)
            prefs.toggle(Preferences::kShowCaptions);
        doc = std::make_unique<CCadenzoDoc>(nullptr);
        doc->OnNewDocument();
        view = std::make_unique<CCadenzoView>(doc.get(), &prefs);
        view->setFrameShape(QFrame::NoFrame);
        view->setScreenDpi(96, 96);
        view->resize(width, 1150);
        view->InitialUpdate();
    }
    HEADING& head(int i) { return *doc->heads[std::size_t(i)]; }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CCadenzoView> view;
};
