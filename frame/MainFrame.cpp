#include "MainFrame.h"

#include "EditCtrlZoom.h"
#include "LeftDialogBar.h"
#include "MenuKeys.h"
#include "model/Preferences.h"
#include "model/StringTable.h"
#include "print/ui/PrintCommands.h"
#include "view/CadenzoView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

CMainFrame::CMainFrame(CCadenzoDoc* doc, Preferences* preferences) : doc_(doc), prefs_(preferences)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setContextMenuPolicy(Qt::NoContextMenu); // bars are shown and hidden through the View menu only
    setMinimumSize(500, 710);
    setAcceptDrops(true);

    createActions();
    createMenus();
    createToolBar();

    view_ = new CCadenzoView(doc_, prefs_, this);
    view_->setObjectName(QStringLiteral("view"));
    setCentralWidget(view_);
    connectBoxes();

    createStatusBar();
    createPanel();
    connectCommands();
    connectPanel();
    addViewKeys();
    new MenuKeys(this);

    panel_->ShowFieldHelp(prefs_->isSet(Preferences::kShowFieldHelp));
    panelDock_->setVisible(prefs_->isSet(Preferences::kShowPanel));
    zoomBox_->setCurrentIndex(defaultZoomIndex());

    UpdateTitle();
    SetRecentFiles({});
    UpdateStatusPanes();
    UpdateCommandStates();
    fillingPanel_ = false;
}

CMainFrame::~CMainFrame()
{
    doc_->SetModifiedListener({});
    // The panel's controls still report focus changes and finished edits
    // while QWidget's destructor tears them down; the frame is gone by then.
    disconnect(focusWatch_);
    for (QObject* control : panel_->findChildren<QObject*>())
        disconnect(control, nullptr, this, nullptr);
}

QAction* CMainFrame::action(int id) const
{
    return actions_.value(id);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusbar59393"));

    // The message pane: "Ready" while no prompt is shown. Prompts are the
    // status bar's temporary messages, which cover it.
    messagePane_ = new QLabel(LoadString(57345), bar);
    messagePane_->setObjectName(QStringLiteral("paneMessage"));
    bar->addWidget(messagePane_, 1);

    auto pane = [bar](int id, int width) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("pane%1").arg(id));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(width);
        bar->addPermanentWidget(label);
        return label;
    };
    pageSizePane_ = pane(kPageSizePane, 125);
    pageSizePane_->setText(LoadString(kPageSizePane));
    orientationPane_ = pane(kOrientationPane, 65);
    orientationPane_->setText(LoadString(kOrientationPane));
    // Qt cannot read the lock keys' state, so the indicators keep their room
    // but stay blank.
    const int lockWidth = bar->fontMetrics().horizontalAdvance(LoadString(59137)) + 12;
    pane(59137, lockWidth);
    pane(59138, lockWidth);
}

void CMainFrame::createPanel()
{
    panel_ = new CLeftDialogBar(this);
    panel_->InitControls();

    panelDock_ = new QDockWidget(this);
    panelDock_->setObjectName(QStringLiteral("panel59397"));
    panelDock_->setWindowTitle(tr("Settings"));
    // A fixed strip along the left edge: no title bar, no floating, no closing.
    panelDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    panelDock_->setAllowedAreas(Qt::LeftDockWidgetArea);
    panelDock_->setTitleBarWidget(new QWidget(panelDock_));
    panelDock_->setWidget(panel_);
    addDockWidget(Qt::LeftDockWidgetArea, panelDock_);
}

void CMainFrame::connectCommands()
{
    connect(view_, &CCadenzoView::documentUpdated, this, &CMainFrame::FillNumberingSettings);
    // Queued: the panel follows once the view's handler is done.
    connect(view_, &CCadenzoView::headSelectionChanged, this, &CMainFrame::OnHeadSelectionChanged,
            Qt::QueuedConnection);
    connect(view_, &CCadenzoView::headPositionsChanged, this, &CMainFrame::OnHeadPositionsChanged,
            Qt::QueuedConnection);
    connect(view_, &CCadenzoView::headListSelectionCleared, this, &CMainFrame::ClearHeadListSelection);
    view_->SetContextMenu(menuBar()->findChild<QMenu*>(QStringLiteral("menuEdit")));

    connect(action(kSetZoomLevel), &QAction::triggered, this, [this] {
        zoomEdit_->setFocus(Qt::ShortcutFocusReason);
        zoomEdit_->selectAll();
    });
    connect(action(kZoomIn), &QAction::triggered, view_, &CCadenzoView::ZoomIn);
    connect(action(kZoomOut), &QAction::triggered, view_, &CCadenzoView::ZoomOut);
    connect(action(kZoomActual), &QAction::triggered, view_, [this] { view_->SetZoomLevel(100, true); });
    connect(action(kShowCaptions), &QAction::triggered, this, &CMainFrame::OnShowHeaderCaptions);

    // Edit commands; their states follow the view's undo history, clipboard
    // and background, and the selection (FillHeadFields, ClearHeadFields).
    connect(action(kUndo), &QAction::triggered, view_, &CCadenzoView::OnEditUndo);
    connect(action(kRedo), &QAction::triggered, view_, &CCadenzoView::OnEditRedo);
    connect(action(kCopy), &QAction::triggered, this, &CMainFrame::OnCopy);
    connect(action(kPaste), &QAction::triggered, view_, &CCadenzoView::OnEditPaste);
    connect(action(kSelectAll), &QAction::triggered, view_, &CCadenzoView::OnEditSelectAll);
    connect(action(kClearPdf), &QAction::triggered, view_, &CCadenzoView::OnEditClearPdf);
    connect(view_, &CCadenzoView::editStateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(view_, &CCadenzoView::documentUpdated, this, &CMainFrame::UpdateCommandStates);
    // The title's unsaved-changes star follows the modified flag.
    doc_->SetModifiedListener([this] { UpdateTitle(); });

    connect(action(kSettings), &QAction::triggered, this, &CMainFrame::OnSettings);
    connect(action(kShowFieldHelp), &QAction::triggered, this, &CMainFrame::OnShowFieldHelp);
    connect(action(kToolbar), &QAction::triggered, this, [this](bool on) {
        toolBar_->setVisible(on);
        UpdateCommandStates();
    });
    connect(action(kStatusBar), &QAction::triggered, this, [this](bool on) {
        statusBar()->setVisible(on);
        UpdateCommandStates();
    });
    connect(action(kNextPane), &QAction::triggered, this, &CMainFrame::OnNextPane);
    connect(action(kPrevPane), &QAction::triggered, this, &CMainFrame::OnNextPane);
}

// The zoom box's entry and list drive the view's zoom; the units box the
// display units. Item data: the percent, and the units' command id.
void CMainFrame::connectBoxes()
{
    zoomEdit_ = new CEditCtrlZoom(zoomBox_);
    zoomBox_->setLineEdit(zoomEdit_); // the box owns it from here
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setCompleter(nullptr);
    zoomEdit_->setMaxLength(4);
    zoomBox_->setCurrentIndex(zoomBox_->findData(view_->zoom()));
    zoomEdit_->SetZoomText(view_->zoom());

    connect(view_, &CCadenzoView::zoomChanged, zoomEdit_, &CEditCtrlZoom::SetZoomText);
    connect(zoomEdit_, &CEditCtrlZoom::zoomRequested, view_,
            [this](int percent) { view_->SetZoomLevel(percent, true); });
    connect(zoomEdit_, &CEditCtrlZoom::left, view_, [this] { view_->setFocus(Qt::OtherFocusReason); });
    connect(zoomBox_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (zoomBox_->view()->isVisible())
            return;
        bool ok = false;
        const int percent = index >= 0 ? zoomBox_->itemData(index).toInt(&ok) : 0;
        if (ok && percent >= kZoomMin && percent <= kZoomMax)
            view_->SetZoomLevel(percent, false);
        // The list has closed: back to the page.
        view_->setFocus();
    });
    connect(unitsBox_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (unitsBox_->view()->isVisible() || index < 0)
            return;
        if (const auto units = displayUnitsFromId(unitsBox_->itemData(index).toInt())) {
            prefs_->units = *units;
            emit preferencesChanged();
        }
        // Posted, as the view's notices are.
        QMetaObject::invokeMethod(this, &CMainFrame::OnHeadPositionsChanged, Qt::QueuedConnection);
    });
}

void CMainFrame::ConnectPrintCommands(PrintCommands* commands)
{
    connect(action(kPrint), &QAction::triggered, commands, [commands] { commands->Print(true); });
    connect(action(kPrintDirect), &QAction::triggered, commands, [commands] { commands->Print(false); });
    connect(action(kPrintPreview), &QAction::triggered, commands, &PrintCommands::Preview);
    connect(action(kExportPdf), &QAction::triggered, commands, &PrintCommands::Export);
}

void CMainFrame::OnSettings()
{
    prefs_->toggle(Preferences::kShowPanel);
    panelDock_->setVisible(prefs_->isSet(Preferences::kShowPanel));
    UpdateCommandStates();
    emit preferencesChanged();
}

void CMainFrame::OnShowFieldHelp()
{
    prefs_->toggle(Preferences::kShowFieldHelp);
    panel_->ShowFieldHelp(prefs_->isSet(Preferences::kShowFieldHelp));
    UpdateCommandStates();
    emit preferencesChanged();
}

void CMainFrame::OnShowHeaderCaptions()
{
    view_->ToggleHeaderCaptions();
    UpdateCommandStates();
    emit preferencesChanged();
}

// Copy takes heads from the editor or the head list only; in any other
// control the keys are that control's business.
void CMainFrame::OnCopy()
{
    QWidget* focus = QApplication::focusWidget();
    const bool inView = focus && (focus == view_ || view_->isAncestorOf(focus));
    if (inView || focus == panel_->headList())
        view_->OnEditCopy();
}

void CMainFrame::OnNextPane()
{
    QWidget* focus = QApplication::focusWidget();
    const bool inView = focus && (focus == view_ || view_->isAncestorOf(focus));
    if (inView && panelDock_->isVisible()) {
        // Back to the control that had the focus last, else the first one.
        QWidget* target = panel_->focusWidget();
        if (target)
            target->setFocus(Qt::OtherFocusReason);
        else
            panel_->nextInFocusChain()->setFocus(Qt::TabFocusReason);
    } else {
        view_->setFocus(Qt::OtherFocusReason);
    }
}

void CMainFrame::addViewKeys()
{
    // Delete removes the selected heads while the page has the focus; in a
    // panel field it stays the field's own key. A disabled Delete (the master
    // head selected) does nothing here either.
    auto* deleteKey = new QAction(view_);
    deleteKey->setObjectName(QStringLiteral("viewDelete"));
    deleteKey->setShortcut(QKeySequence(Qt::Key_Delete));
    deleteKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view_->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, action(kDelete), &QAction::trigger);
}

void CMainFrame::OnFocusChanged(QWidget* old, QWidget* now)
{
    if (now && now->window() == this)
        lastFocus_ = now;
    OnPanelFocusChanged(old, now);
}

void CMainFrame::restoreFocus()
{
    if (!isEnabled() || (focusWidget() && focusWidget()->isEnabled() && focusWidget()->isVisible()))
        return;
    QWidget* target = lastFocus_;
    if (!target || !target->isEnabled() || !target->isVisible() || target->window() != this)
        target = view_;
    target->setFocus(Qt::OtherFocusReason);
}

bool CMainFrame::event(QEvent* event)
{
    // Before the platform gives the focus to the window's focus widget.
    if (event->type() == QEvent::WindowActivate)
        restoreFocus();
    return QMainWindow::event(event);
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        restoreFocus();
}

void CMainFrame::UpdateCommandStates()
{
    action(kToolbar)->setChecked(!toolBar_->isHidden());
    action(kStatusBar)->setChecked(!statusBar()->isHidden());
    action(kSettings)->setChecked(prefs_->isSet(Preferences::kShowPanel));
    action(kShowCaptions)->setChecked(prefs_->isSet(Preferences::kShowCaptions));
    action(kShowFieldHelp)->setChecked(prefs_->isSet(Preferences::kShowFieldHelp));
    panel_->button(CLeftDialogBar::kFont)->setEnabled(fontEnabled_);
    panel_->button(CLeftDialogBar::kDelete)->setEnabled(deleteEnabled_);
    // A disabled Delete runs neither from the menu nor from Ctrl+Del.
    action(kDelete)->setEnabled(deleteEnabled_);
    action(kUndo)->setEnabled(view_->CanUndo());
    action(kRedo)->setEnabled(view_->CanRedo());
    action(kCopy)->setEnabled(view_->CanCopy());
    action(kPaste)->setEnabled(view_->CanPaste());
    action(kClearPdf)->setEnabled(view_->CanClearPdf());
}

QString CMainFrame::PageSizeText() const
{
    const double width = TwipsToDisplay(doc_->paperWidth, prefs_->units);
    const double height = TwipsToDisplay(doc_->paperHeight, prefs_->units);
    const int decimals = prefs_->units == DisplayUnits::inches ? 2 : 1;
    //: The paper's width and height in the status bar.
    return tr("W %1 x H %2").arg(width, 0, 'f', decimals).arg(height, 0, 'f', decimals);
}

QString CMainFrame::OrientationText() const
{
    static const QString portrait = LoadString(110);
    static const QString landscape = LoadString(111);
    return doc_->orientation == 1 ? portrait : landscape;
}

void CMainFrame::UpdateStatusPanes()
{
    pageSizePane_->setText(PageSizeText());
    orientationPane_->setText(OrientationText());
}

void CMainFrame::UpdateTitle()
{
    QString title = doc_->GetTitle();
    if (title.isEmpty())
        title = LoadString(128).section(u'\n', 1, 1); // the document name of a new template
    // Unsaved changes show as a star after the name.
    if (doc_->IsModified())
        title += u'*';
    setWindowTitle(title + QStringLiteral(" - ") + LoadString(57344));
}

void CMainFrame::SetRecentFiles(const QStringList& paths)
{
    recentFiles_ = paths.mid(0, kRecentFileCount);
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* entry = action(kRecentFile1 + i);
        if (i < recentFiles_.size()) {
            QString name = QFileInfo(recentFiles_.at(i)).fileName();
            name.replace(u'&', QStringLiteral("&&"));
            entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
            entry->setEnabled(true);
            entry->setVisible(true);
        } else if (i == 0) {
            entry->setText(tr("Recent File"));
            entry->setEnabled(false);
            entry->setVisible(true);
        } else {
            entry->setVisible(false);
        }
    }
}

void CMainFrame::SetCloseGuard(std::function<bool()> canClose)
{
    closeGuard_ = std::move(canClose);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    SettlePanelFields();
    if (closeGuard_ && !closeGuard_())
        event->ignore();
    else
        event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    SettlePanelFields();
    emit filesDropped(paths);
}
