#pragma once

#include <QLineEdit>

class CLeftDialogBar;

// The edit part of the panel's Rotation box (1027). It is a child of the
// combo box rather than of the panel, so it shows the panel's rejection mark
// for 1027 itself, from its owner's invalid-field set.
class CEditCtrlRotation : public QLineEdit
{
    Q_OBJECT

public:
    explicit CEditCtrlRotation(CLeftDialogBar* owner, QWidget* parent = nullptr);

    // Pale red while the owner holds 1027 as rejected, default colours otherwise.
    void UpdateMark();

private:
    CLeftDialogBar* owner_;
};
