#include "EditCtrlRotation.h"

#include "LeftDialogBar.h"

CEditCtrlRotation::CEditCtrlRotation(CLeftDialogBar* owner, QWidget* parent)
    : QLineEdit(parent), owner_(owner)
{}

void CEditCtrlRotation::UpdateMark()
{
    const bool marked = owner_ && owner_->IsInvalid(CLeftDialogBar::kRotation);
    setPalette(marked ? owner_->InvalidPalette(palette()) : QPalette());
}
