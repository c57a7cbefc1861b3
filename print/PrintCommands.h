#pragma once

class CMainFrame;
class CCadenzoDoc;
class PrinterSelection;

// Connects Print (57607), the dialog-free print (57608), Print Preview (57609)
// and Export PDF (32820) of the frame to the print job. Call once, after the
// frame has built its menus and actions.
void InstallPrintCommands(CMainFrame& frame, CCadenzoDoc& doc, PrinterSelection& printers);
