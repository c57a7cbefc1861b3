// The frame's commands: actions with their menu texts, accelerators, prompts
// and tooltips, the menu bar and the toolbar with its two boxes.
#include "MainFrame.h"

#include "model/Preferences.h"
#include "model/StringTable.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

// The zoom box's levels, one row each in this order.
struct ZoomLevel
{
    int percent;
    const char* label;
};

constexpr ZoomLevel kZoomLevels[] = {
    {25, " 25%"},  {50, " 50%"},  {75, " 75%"},  {100, "100%"}, {125, "125%"},
    {150, "150%"}, {175, "175%"}, {200, "200%"}, {300, "300%"}, {400, "400%"},
};
constexpr int kDefaultZoomRow = 3; // 100 %

QKeySequence keys(int combination)
{
    return QKeySequence(combination);
}

QIcon toolIcon(const char* themeName, const char* file)
{
    const QIcon own(QStringLiteral(":/icons/") + QLatin1String(file));
    return themeName ? QIcon::fromTheme(QLatin1String(themeName), own) : own;
}

} // namespace

QAction* CMainFrame::addCommand(int id, const QString& text, const QList<QKeySequence>& shortcuts)
{
    auto* a = new QAction(text, this);
    a->setObjectName(QStringLiteral("action%1").arg(id));
    a->setData(id);
    a->setShortcuts(shortcuts);
    // The menu text already carries the shortcut column after its tab.
    a->setStatusTip(LoadPrompt(id));
    const QString tip = LoadTooltip(id);
    if (!tip.isEmpty())
        a->setToolTip(tip);
    // Shortcuts must work while the menu bar is closed and the focus is
    // anywhere in the window.
    addAction(a);
    actions_.insert(id, a);
    return a;
}

void CMainFrame::createActions()
{
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    const int keypad = Qt::KeypadModifier;

    addCommand(kNew, tr("&New...\tCtrl+N"), {keys(ctrl | Qt::Key_N)});
    addCommand(kOpen, tr("&Open...\tCtrl+O"), {keys(ctrl | Qt::Key_O)});
    addCommand(kSave, tr("&Save\tCtrl+S"), {keys(ctrl | Qt::Key_S)});
    addCommand(kSaveAs, tr("Save &As..."), {keys(ctrl | shift | Qt::Key_S)});
    addCommand(kImportPdf, tr("&Import PDF..."));
    addCommand(kPrint, tr("&Print...\tCtrl+P"), {keys(ctrl | Qt::Key_P)});
    addCommand(kPrintPreview, tr("Print Pre&view"));
    addCommand(kExportPdf, tr("Export PD&F..."));
    // No menu item, accelerator or button: reachable by its id alone.
    addCommand(kPrintDirect, QString());
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = addCommand(kRecentFile1 + i, tr("Recent File"));
        connect(recent, &QAction::triggered, this, [this, i] {
            SettlePanelFields();
            emit recentFileChosen(i);
        });
    }
    addCommand(kExit, tr("E&xit"), {keys(ctrl | Qt::Key_Q)});

    addCommand(kUndo, tr("&Undo\tCtrl+Z"), {keys(alt | Qt::Key_Backspace), keys(ctrl | Qt::Key_Z)});
    addCommand(kRedo, tr("&Redo\tCtrl+Y"), {keys(ctrl | Qt::Key_Y), keys(ctrl | shift | Qt::Key_Z)});
    addCommand(kAdd, tr("&Add\tCtrl+D"), {keys(ctrl | Qt::Key_D)});
    addCommand(kCopy, tr("&Copy\tCtrl+C"), {keys(ctrl | Qt::Key_C), keys(ctrl | Qt::Key_Insert)});
    addCommand(kPaste, tr("&Paste\tCtrl+V"), {keys(ctrl | Qt::Key_V), keys(shift | Qt::Key_Insert)});
    addCommand(kDelete, tr("&Delete\tCtrl+Del"), {keys(ctrl | Qt::Key_Delete)});
    addCommand(kClearPdf, tr("Clear PD&F"));
    addCommand(kSelectAll, tr("&Select All\tCtrl+A"), {keys(ctrl | Qt::Key_A)});

    addCommand(kToolbar, tr("&Toolbar"))->setCheckable(true);
    addCommand(kStatusBar, tr("&Status Bar"))->setCheckable(true);
    addCommand(kSettings, tr("Settin&gs"))->setCheckable(true);
    addCommand(kShowCaptions, tr("Show &Header Captions"))->setCheckable(true);
    addCommand(kShowFieldHelp, tr("Show &Field Help"))->setCheckable(true);
    addCommand(kSetZoomLevel, tr("Set Zoom &Level\tCtrl+L"), {keys(ctrl | Qt::Key_L)});
    // Besides the keypad's keys, those of the main keyboard that other
    // programs zoom with; "+" is Shift+= on most layouts, so Ctrl+= too.
    addCommand(kZoomIn, tr("Zoom &In\tCtrl+Num+"),
               {keys(ctrl | keypad | Qt::Key_Plus), keys(ctrl | Qt::Key_Plus), keys(ctrl | Qt::Key_Equal)});
    addCommand(kZoomOut, tr("Zoom &Out\tCtrl+Num- "),
               {keys(ctrl | keypad | Qt::Key_Minus), keys(ctrl | Qt::Key_Minus)});
    // Accelerator-only: back to 100 %.
    addCommand(kZoomActual, QString(), {keys(ctrl | Qt::Key_0), keys(ctrl | keypad | Qt::Key_0)});

    addCommand(kOnlineHelp, tr("&Online Help"), {keys(Qt::Key_F1)});
    addCommand(kAbout, tr("&About Tallimark..."));

    // Accelerator-only commands: move the focus between the editor and the panel.
    addCommand(kNextPane, QString(), {keys(Qt::Key_F6)});
    addCommand(kPrevPane, QString(), {keys(shift | Qt::Key_F6)});

    action(kNew)->setIcon(toolIcon("document-new", "document-new.svg"));
    action(kOpen)->setIcon(toolIcon("document-open", "document-open.svg"));
    action(kSave)->setIcon(toolIcon("document-save", "document-save.svg"));
    action(kPrint)->setIcon(toolIcon("document-print", "document-print.svg"));
    action(kSettings)->setIcon(toolIcon(nullptr, "settings-panel.svg"));
    action(kShowCaptions)->setIcon(toolIcon(nullptr, "header-captions.svg"));
    action(kZoomIn)->setIcon(toolIcon("zoom-in", "zoom-in.svg"));
    action(kZoomOut)->setIcon(toolIcon("zoom-out", "zoom-out.svg"));
    action(kOnlineHelp)->setIcon(toolIcon("help-contents", "help-contents.svg"));
}

void CMainFrame::createMenus()
{
    // 0 stands for a separator.
    struct MenuDef
    {
        const char* title;
        std::initializer_list<int> items;
    };
    const MenuDef menus[] = {
        {QT_TR_NOOP("&File"),
         {kNew, kOpen, kSave, kSaveAs, 0, kImportPdf, 0, kPrint, kPrintPreview, kExportPdf, 0, kRecentFile1,
          kRecentFile1 + 1, kRecentFile1 + 2, kRecentFile1 + 3, 0, kExit}},
        {QT_TR_NOOP("&Edit"), {kUndo, kRedo, 0, kAdd, kCopy, kPaste, kDelete, 0, kClearPdf, 0, kSelectAll}},
        {QT_TR_NOOP("&View"),
         {kToolbar, kStatusBar, kSettings, 0, kShowCaptions, kShowFieldHelp, 0, kSetZoomLevel, kZoomIn,
          kZoomOut}},
        {QT_TR_NOOP("&Help"), {kOnlineHelp, 0, kAbout}},
    };
    for (const MenuDef& def : menus) {
        QMenu* menu = menuBar()->addMenu(tr(def.title));
        menu->setObjectName(QStringLiteral("menu") + QString(QLatin1String(def.title)).remove(u'&'));
        for (int id : def.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(action(id));
        }
        // States are brought up to date whenever a menu opens.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("toolbar59392"));
    toolBar_->setWindowTitle(tr("Toolbar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setFloatable(false);
    toolBar_->setAllowedAreas(Qt::TopToolBarArea);

    toolBar_->addAction(action(kNew));
    toolBar_->addAction(action(kOpen));
    toolBar_->addAction(action(kSave));
    toolBar_->addSeparator();
    toolBar_->addAction(action(kPrint));
    toolBar_->addSeparator();
    toolBar_->addAction(action(kSettings));
    toolBar_->addAction(action(kShowCaptions));
    toolBar_->addSeparator();
    toolBar_->addAction(action(kZoomIn));
    toolBar_->addAction(action(kZoomOut));

    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("combo105"));
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setMinimumWidth(60);
    zoomBox_->setMaxVisibleItems(10);
    for (const ZoomLevel& level : kZoomLevels)
        zoomBox_->addItem(QLatin1String(level.label), level.percent);
    zoomBox_->setStatusTip(LoadPrompt(kZoomBox));
    zoomBox_->setToolTip(LoadTooltip(kZoomBox));
    toolBar_->addWidget(zoomBox_)->setObjectName(QStringLiteral("slot32793"));
    toolBar_->addSeparator();

    unitsBox_ = new QComboBox(this);
    unitsBox_->setObjectName(QStringLiteral("combo104"));
    unitsBox_->setMinimumWidth(125);
    unitsBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const DisplayUnits units : {DisplayUnits::inches, DisplayUnits::millimetres})
        unitsBox_->addItem(LoadString(int(units)), int(units));
    unitsBox_->setCurrentIndex(prefs_->units == DisplayUnits::inches ? 0 : 1);
    unitsBox_->setStatusTip(LoadPrompt(kUnitsBox));
    unitsBox_->setToolTip(LoadTooltip(kUnitsBox));
    toolBar_->addWidget(unitsBox_)->setObjectName(QStringLiteral("slot32808"));
    toolBar_->addSeparator();

    toolBar_->addAction(action(kOnlineHelp));
}

int CMainFrame::defaultZoomIndex()
{
    return kDefaultZoomRow;
}
