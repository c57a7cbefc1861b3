#pragma once

#include "model/LogFont.h"

#include <QDialog>

#include <memory>

class QColor;

namespace Ui {
class CDlgCustomFont;
}

// The head font dialog behind the panel's Font... button: family, style, size,
// strike-out, underline, script and the text colour, with a swatch and a
// sample drawn in the choice.
//
// A head's font record keeps its height in points (see pageFont), so the size
// chosen here is stored as the negative point size: a 12-point choice prints
// as a 12-point character height.
class CDlgCustomFont : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMinPoints = 1;
    static constexpr int kMaxPoints = 1638;

    // initial: the selected heads' common font record, or null when their
    // fonts differ (then no family, style or size is preselected).
    CDlgCustomFont(const LOGFONTA* initial, COLORREF color, QWidget* parent = nullptr);
    ~CDlgCustomFont() override;

    // The chosen font record; the fields the dialog does not show keep the
    // initial record's values (the new-head defaults when there was none).
    LOGFONTA GetLogFont() const;
    // The colour shown in the swatch: the one given at construction until
    // the colour dialog accepts another.
    COLORREF GetColor() const { return chosenColor_; }

    // The size typed or picked, in points; 0 when it is not acceptable.
    int chosenPoints() const;

    // Shows the dialog modally over parent and, on OK, fills chosen and
    // chosenColor. This is the main frame's font chooser.
    static bool Choose(QWidget* parent, const LOGFONTA* common, COLORREF color, LOGFONTA* chosen,
                       COLORREF* chosenColor);

private:
    void fillStyles();
    void fillScripts();
    void chooseColor();
    void setColor(const QColor& color);
    void updateSample();
    QString family() const;

    std::unique_ptr<Ui::CDlgCustomFont> ui_;
    LOGFONTA base_;
    COLORREF chosenColor_ = 0;
    // The style and script to keep while the lists are refilled for another
    // family.
    int wantedWeight_ = 400;
    bool wantedItalic_ = false;
    int wantedCharSet_ = 0;
};
