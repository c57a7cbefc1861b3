#pragma once

#include "model/CadenzoDoc.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

class CCadenzoView;
class CLeftDialogBar;
class PrintCommands;
struct Preferences;
class QComboBox;
class QDockWidget;
class CEditCtrlZoom;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;

// The program's one top-level window: menu, toolbar with the zoom and units
// boxes, status bar, the settings panel docked on the left and the editor view
// in the middle. Command ids (57600 New, 32773 Settings, ...) name the actions;
// action(id) hands them to whoever implements the command.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // Framework and program command ids the frame itself knows about.
    enum CommandId
    {
        kNew = 57600,
        kOpen = 57601,
        kSave = 57603,
        kSaveAs = 57604,
        kImportPdf = 32785,
        kPrint = 57607,
        kPrintPreview = 57609,
        kPrintDirect = 57608,
        kExportPdf = 32820,
        kRecentFile1 = 57616,
        kExit = 57665,
        kUndo = 57643,
        kAdd = 32787,
        kCopy = 57634,
        kPaste = 57637,
        kDelete = 32792,
        kClearPdf = 32811,
        kSelectAll = 57642,
        kToolbar = 59392,
        kStatusBar = 59393,
        kSettings = 32773,
        kShowCaptions = 32776,
        kShowFieldHelp = 32806,
        kSetZoomLevel = 32793,
        kZoomIn = 32794,
        kZoomOut = 32795,
        kOnlineHelp = 57670,
        kAbout = 57664,
        kNextPane = 32801,
        kPrevPane = 32802,
        kUnitsBox = 104,
        kZoomBox = 105,
        kPageSizePane = 109,
        kOrientationPane = 110,
    };

    static constexpr int kRecentFileCount = 4;

    // preferences: what the window shows and in which units; it outlives the frame.
    CMainFrame(CCadenzoDoc* doc, Preferences* preferences);
    ~CMainFrame() override;

    // The action of a command id; null for an id that has none.
    QAction* action(int id) const;
    CCadenzoView* view() const { return view_; }
    CLeftDialogBar* panel() const { return panel_; }
    QDockWidget* panelDock() const { return panelDock_; }
    QToolBar* toolBar() const { return toolBar_; }
    QComboBox* zoomBox() const { return zoomBox_; }
    QComboBox* unitsBox() const { return unitsBox_; }
    CEditCtrlZoom* zoomEdit() const { return zoomEdit_; }
    CCadenzoDoc* document() const { return doc_; }

    // Print, the dialog-free print (57608, no menu item), Print Preview and
    // Export PDF run these commands.
    void ConnectPrintCommands(PrintCommands* commands);

    // Panel synchronisation. FillNumberingSettings refills the numbering
    // fields and the head list from the document; FillHeadFields shows the
    // values the selected heads share; ClearHeadFields empties and disables
    // the head fields (nothing selected).
    void FillNumberingSettings();
    void RebuildHeadList();
    // Appends "Head <index + 1>" with the head's list position as item data;
    // returns the new entry's row.
    int AddHeadListEntry(int index, POSITION position);
    void FillHeadFields();
    void ClearHeadFields();
    void ClearHeadListSelection();
    // The view's notices, received queued: the selection changed; the
    // selected heads moved or the display units changed.
    void OnHeadSelectionChanged();
    void OnHeadPositionsChanged();
    // Puts the value the template uses back into every numeric field whose
    // text was rejected, and into the one being typed in: runs before a
    // command reads the template (save, print, preview, export), so that
    // the panel never shows a number other than the one used.
    void SettlePanelFields();

    // True while the frame writes into the panel (and until construction
    // ends): the panel's change handlers must ignore what they hear then.
    bool fillingPanel() const { return fillingPanel_; }
    bool fontEnabled() const { return fontEnabled_; }
    bool deleteEnabled() const { return deleteEnabled_; }

    // "<document title> - Tallimark", with a star after the title while
    // the template has unsaved changes; follows the modified flag.
    void UpdateTitle();
    // The File menu's recent-file entries "&1 name" ...; a disabled
    // "Recent File" when paths is empty. At most four are shown.
    void SetRecentFiles(const QStringList& paths);
    // Consulted when the window is asked to close; false keeps it open.
    void SetCloseGuard(std::function<bool()> canClose);

    // The head font dialog behind Font...: called with the selected heads'
    // common font record (null when their fonts differ) and colour; returns
    // false when the user cancels, else the chosen font and colour.
    using FontChooser =
        std::function<bool(const LOGFONTA* common, COLORREF color, LOGFONTA* chosen, COLORREF* chosenColor)>;
    void SetFontChooser(FontChooser chooser);

    // The idle-time texts of the status panes 109 (page size) and 110
    // (orientation), and the refresh that puts them into the panes.
    QString PageSizeText() const;
    QString OrientationText() const;
    void UpdateStatusPanes();
    // Enabled and checked states of the commands, as the idle update would
    // set them.
    void UpdateCommandStates();

signals:
    void recentFileChosen(int index);
    void filesDropped(const QStringList& paths);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // MainFrameActions.cpp
    void createActions();
    void createMenus();
    void createToolBar();
    QAction* addCommand(int id, const QString& text, const QList<QKeySequence>& keys = {});
    // Row of "100%" in the zoom box.
    static int defaultZoomIndex();
    // MainFrame.cpp
    void createStatusBar();
    void createPanel();
    void connectCommands();
    void OnSettings();
    void OnShowFieldHelp();
    void OnShowHeaderCaptions();
    void OnCopy();
    void OnNextPane();
    // Follows the focus: what the panel does on leaving a field, and where
    // the focus was last inside the window.
    void OnFocusChanged(QWidget* old, QWidget* now);
    // Puts the focus back where it was when the window lost it: disabling the
    // window (while a print or preview prepares its background) takes it
    // away, and activation would then hand it to the first box of the toolbar.
    void restoreFocus();
    void connectBoxes();
    // MainFramePanelSync.cpp
    void writeHeadPositions();
    // Writes the value in use into one numeric field (1012 to 1019, 1027)
    // and clears its rejection mark; the field's handler ignores the write.
    void showValueInUse(int id);
    // The text a numeric field shows for the value in use; empty for a head
    // field while nothing is selected or the selected heads differ.
    QString fieldText(int id) const;
    // The numeric field a widget belongs to (a field or a box's edit part), or 0.
    int numericFieldOf(const QWidget* widget) const;
    // MainFramePanelEdit.cpp: what the panel's controls do to the template.
    void connectPanel();
    void OnNumberingField(int id);
    void OnDirection();
    void OnSeed();
    void OnRotationText();
    void OnRotationChosen(int row);
    void OnPosition(int id);
    void OnPrefaceText(const QString& text);
    void OnSuffixText();
    void applyAffix(int id, const QString& text);
    void OnCheckBox(int id);
    void OnDigitsChosen(int row);
    void OnDigitsDropDown();
    void OnHeadListSelection();
    void OnAdd();
    void OnDelete();
    void OnFont();
    void OnPanelFocusChanged(QWidget* old, QWidget* now);
    // The template field behind a numbering field (1012 to 1016), else null.
    std::int32_t* numberingValue(int id) const;
    // Deselects every head (repainting their frames away); clearPanelList
    // also deselects the head list and clears the head fields.
    void clearViewSelection(bool clearPanelList);

    CCadenzoDoc* doc_;
    Preferences* prefs_;
    CCadenzoView* view_ = nullptr;
    CLeftDialogBar* panel_ = nullptr;
    QDockWidget* panelDock_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QComboBox* unitsBox_ = nullptr;
    CEditCtrlZoom* zoomEdit_ = nullptr; // owned by the zoom box
    QLabel* messagePane_ = nullptr;
    QLabel* pageSizePane_ = nullptr;
    QLabel* orientationPane_ = nullptr;
    QHash<int, QAction*> actions_;
    QStringList recentFiles_;
    std::function<bool()> closeGuard_;
    FontChooser fontChooser_;
    QMetaObject::Connection focusWatch_;
    QPointer<QWidget> lastFocus_;

    bool fillingPanel_ = true;
    bool fontEnabled_ = false;
    bool deleteEnabled_ = false;
};
