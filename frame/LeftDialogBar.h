#pragma once

#include <QColor>
#include <QHash>
#include <QSet>
#include <QWidget>

#include <memory>

class CEditCtrlRotation;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPalette;

namespace Ui {
class CLeftDialogBar;
}

// The settings panel docked on the left of the main window: the numbering
// settings, the head list and the properties of the selected heads, with a
// "Field Description" box explaining the control that has the focus. The panel
// owns its layout, choice lists, input limits, rejection marks and field help;
// what an edit does to the document is the main frame's business.
//
// Every control carries its numeric id (kStartNumber ...) in its object name
// ("edit1012", "combo1027", "list1023", ...) and as the "controlId" property.
class CLeftDialogBar : public QWidget
{
    Q_OBJECT

public:
    enum ControlId
    {
        kStartNumber = 1012,
        kTotalPages = 1013,
        kStep = 1014,
        kCopies = 1015,
        kSkip = 1016,
        kSeed = 1017,
        kXPos = 1018,
        kYPos = 1019,
        kSuffix = 1021,
        kHeadList = 1023,
        kPreface = 1026,
        kRotation = 1027,
        kDigits = 1028,
        kSpaceAfterPreface = 1030,
        kSpaceBeforeSuffix = 1031,
        kZeroPad = 1032,
        kAscending = 1033,
        kDescending = 1034,
        kFont = 1039,
        kHelpText = 1106,
        kHelpGroup = 1107,
        kAdd = 32787,
        kDelete = 32792,
    };

    // The fields that hold numbers: the numbering settings, Seed, Rotation, X and Y.
    static constexpr int kNumericFields[] = {kStartNumber, kTotalPages, kStep, kCopies, kSkip,
                                             kSeed,        kRotation,   kXPos, kYPos};

    explicit CLeftDialogBar(QWidget* parent = nullptr);
    ~CLeftDialogBar() override;

    // Input limits, digits-only fields and the Rotation box's own edit part.
    // Called once by the frame right after constructing the panel.
    void InitControls();

    void ShowFieldHelp(bool show);

    // Rejected fields show a pale red background until marked valid again.
    void MarkInvalid(int id);
    void MarkValid(int id);
    void ClearInvalidMarks();
    bool IsInvalid(int id) const { return invalidFields_.contains(id); }
    const QSet<int>& invalidFields() const { return invalidFields_; }
    // base with its background replaced by the rejection colour.
    QPalette InvalidPalette(const QPalette& base) const;
    static QColor invalidColor() { return QColor(224, 192, 192); }

    // The control with this id; null for an unknown id.
    QWidget* control(int id) const;
    QLineEdit* edit(int id) const;
    QComboBox* combo(int id) const;
    QAbstractButton* button(int id) const;
    QCheckBox* checkBox(int id) const;
    QListWidget* headList() const;
    QLabel* helpText() const;
    CEditCtrlRotation* rotationEdit() const { return rotationEdit_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToFont();
    void onFocusChanged(QWidget* old, QWidget* now);
    void updateMark(int id);

    std::unique_ptr<Ui::CLeftDialogBar> ui_;
    QHash<int, QWidget*> controls_;
    QSet<int> invalidFields_;
    CEditCtrlRotation* rotationEdit_ = nullptr; // owned by the Rotation box
};
