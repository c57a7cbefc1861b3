<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackgroundProblem</name>
    <message>
        <source>the file is damaged or is not a PDF file</source>
        <translation>die Datei ist beschädigt oder keine PDF-Datei</translation>
    </message>
    <message>
        <source>the file is protected by a password</source>
        <translation>die Datei ist durch ein Kennwort geschützt</translation>
    </message>
    <message>
        <source>the file has no pages</source>
        <translation>die Datei hat keine Seiten</translation>
    </message>
    <message>
        <source>page %1 of the file cannot be read</source>
        <translation>Seite %1 der Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file has no page %1</source>
        <translation>die Datei hat keine Seite %1</translation>
    </message>
    <message>
        <source>The PDF background of %1 could not be read: %2.</source>
        <translation>Der PDF-Hintergrund von %1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Tallimark</source>
        <translation>Tallimark</translation>
    </message>
    <message>
        <source>Ombrelle Technology</source>
        <translation>Ombrelle Technology</translation>
    </message>
    <message>
        <source>Tallimark is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes WITHOUT ANY WARRANTY.</source>
        <translation>Tallimark ist freie Software unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version. Es kommt OHNE JEDE GEWÄHRLEISTUNG.</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Tallimark</source>
        <translation>Über Tallimark</translation>
    </message>
</context>
<context>
    <name>CCadenzoApp</name>
    <message>
        <source>The template opens without it.</source>
        <translation>Die Vorlage wird ohne ihn geöffnet.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CCadenzoView</name>
    <message>
        <source>The PDF background took longer than %1 seconds to draw and is left out.</source>
        <translation>Das Zeichnen des PDF-Hintergrunds dauerte länger als %1 Sekunden; er wird weggelassen.</translation>
    </message>
</context>
<context>
    <name>CDlgCustomFont</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Schrift&amp;schnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sc&amp;ript:</source>
        <translation>Schriftsys&amp;tem:</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Schräg</translation>
    </message>
    <message>
        <source>Bold Oblique</source>
        <translation>Fett schräg</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Condensed</source>
        <translation>Schmal</translation>
    </message>
</context>
<context>
    <name>CDlgGoToSheet</name>
    <message>
        <source>Go to Sheet</source>
        <translation>Gehe zu Bogen</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Bogen:</translation>
    </message>
    <message>
        <source>&amp;Sheet (1 to %1):</source>
        <translation>&amp;Bogen (1 bis %1):</translation>
    </message>
</context>
<context>
    <name>CDlgImportPDF</name>
    <message>
        <source>Import PDF</source>
        <translation>PDF importieren</translation>
    </message>
    <message>
        <source>Page Selection</source>
        <translation>Seitenauswahl</translation>
    </message>
    <message>
        <source>Please choose the page from the PDF file to import.</source>
        <translation>Bitte wählen Sie die Seite der PDF-Datei, die importiert werden soll.</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Seite:</translation>
    </message>
    <message>
        <source>of %d</source>
        <translation>von %d</translation>
    </message>
    <message>
        <source>Page Size (W x H)</source>
        <translation>Seitenformat (B x H)</translation>
    </message>
    <message>
        <source>The selected page size (%1.2f x %1.2f) does not match the current project page settings (%1.2f x %1.2f) or orientation. Please choose an option to continue or click Cancel.</source>
        <translation>Das Format der gewählten Seite (%1.2f x %1.2f) passt nicht zu den Seiteneinstellungen des Projekts (%1.2f x %1.2f) oder zu dessen Ausrichtung. Bitte wählen Sie, wie fortgefahren werden soll, oder klicken Sie auf Abbrechen.</translation>
    </message>
    <message>
        <source>&amp;Clear project settings and use the page size of the selected page.</source>
        <translation>Projekteinstellungen &amp;verwerfen und das Format der gewählten Seite verwenden.</translation>
    </message>
    <message>
        <source>&amp;Use page size of current the project and resize the selected page.
(Not recommended)</source>
        <translation>Format des aktuellen Projekts verwenden und die gewählte Seite &amp;anpassen.
(Nicht empfohlen)</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>CDlgNewTemplate</name>
    <message>
        <source>New Template</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message>
        <source>Choose paper size</source>
        <translation>Papierformat wählen</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>&amp;Standard:</source>
        <translation>&amp;Standard:</translation>
    </message>
    <message>
        <source>&amp;Custom:</source>
        <translation>&amp;Benutzerdefiniert:</translation>
    </message>
    <message>
        <source>Wi&amp;dth</source>
        <translation>B&amp;reite</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>H&amp;öhe</translation>
    </message>
    <message>
        <source>From &amp;PDF:</source>
        <translation>Aus &amp;PDF:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>Geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>The PDF file specified is not a valid PDF pathname.

%1</source>
        <translation>Die angegebene PDF-Datei ist kein gültiger PDF-Pfad.

%1</translation>
    </message>
</context>
<context>
    <name>CDlgProgress</name>
    <message>
        <source>Preparing the template for printing. Please Wait.</source>
        <translation>Die Vorlage wird für den Druck vorbereitet. Bitte warten.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the print job?</source>
        <translation>Möchten Sie den Druckauftrag wirklich abbrechen?</translation>
    </message>
</context>
<context>
    <name>CEditCtrlZoom</name>
    <message>
        <source>Please enter a zoom level between %1 and %2.</source>
        <translation>Bitte geben Sie eine Zoomstufe zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>CLeftDialogBar</name>
    <message>
        <source>Numbering Settings</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <source>&amp;Start Number:</source>
        <translation>S&amp;tartnummer:</translation>
    </message>
    <message>
        <source>Tota&amp;l Pages:</source>
        <translation>S&amp;eitenzahl:</translation>
    </message>
    <message>
        <source>Asce&amp;nding</source>
        <translation>Au&amp;fsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>Schritt&amp;weite:</translation>
    </message>
    <message>
        <source>Co&amp;pies:</source>
        <translation>&amp;Kopien:</translation>
    </message>
    <message>
        <source>S&amp;kip:</source>
        <translation>Übersprin&amp;gen:</translation>
    </message>
    <message>
        <source>Numbering &amp;Heads</source>
        <translation>&amp;Nummerierwerke</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>H&amp;inzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Head Properties:</source>
        <translation>Eigenschaften des Nummerierwerks:</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>S&amp;chrift...</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Versatz:</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>D&amp;rehung:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>&amp;X Pos:</source>
        <translation>&amp;X-Pos.:</translation>
    </message>
    <message>
        <source>&amp;Y Pos:</source>
        <translation>&amp;Y-Pos.:</translation>
    </message>
    <message>
        <source>Prefa&amp;ce:</source>
        <translation>&amp;Präfix:</translation>
    </message>
    <message>
        <source>Add space a&amp;fter preface</source>
        <translation>Leer&amp;zeichen nach Präfix</translation>
    </message>
    <message>
        <source>&amp;Zero pad number for a total of</source>
        <translation>&amp;Mit Nullen auffüllen auf insgesamt</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>di&amp;gits</source>
        <translation>&amp;Stellen</translation>
    </message>
    <message>
        <source>Suffi&amp;x:</source>
        <translation>S&amp;uffix:</translation>
    </message>
    <message>
        <source>Add space &amp;before suffix</source>
        <translation>Leerzeichen v&amp;or Suffix</translation>
    </message>
    <message>
        <source>Field Description</source>
        <translation>Feldbeschreibung</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Neu...	Strg+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import PDF...</source>
        <translation>PDF &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Export PD&amp;F...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Strg+Y</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+D</source>
        <translation>&amp;Hinzufügen	Strg+D</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+Del</source>
        <translation>&amp;Löschen	Strg+Entf</translation>
    </message>
    <message>
        <source>Clear PD&amp;F</source>
        <translation>PD&amp;F entfernen</translation>
    </message>
    <message>
        <source>&amp;Select All	Ctrl+A</source>
        <translation>&amp;Alles auswählen	Strg+A</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Settin&amp;gs</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Show &amp;Header Captions</source>
        <translation>&amp;Beschriftung der Nummerierwerke</translation>
    </message>
    <message>
        <source>Show &amp;Field Help</source>
        <translation>&amp;Feldhilfe anzeigen</translation>
    </message>
    <message>
        <source>Set Zoom &amp;Level	Ctrl+L</source>
        <translation>&amp;Zoomstufe festlegen	Strg+L</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl+Num+</source>
        <translation>Ver&amp;größern	Strg+Num+</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+Num- </source>
        <translation>Ver&amp;kleinern	Strg+Num- </translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tallimark...</source>
        <translation>Ü&amp;ber Tallimark...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>W %1 x H %2</source>
        <extracomment>The paper&apos;s width and height in the status bar.</extracomment>
        <translation>B %1 x H %2</translation>
    </message>
</context>
<context>
    <name>CPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Pre&amp;v Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;Zwei Seiten</translation>
    </message>
    <message>
        <source>&amp;Go to Sheet...</source>
        <translation>&amp;Gehe zu Bogen...</translation>
    </message>
    <message>
        <source>Go to a sheet of the job (Ctrl+G)</source>
        <translation>Zu einem Bogen des Auftrags gehen (Strg+G)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 Bogen</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>Pages %1-%2</source>
        <translation>Seiten %1–%2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Eine Seite</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The PDF background took longer than %1 seconds to prepare. Nothing was printed; --no-background prints the sheets without it.</source>
        <translation>Die Vorbereitung des PDF-Hintergrunds dauerte länger als %1 Sekunden. Es wurde nichts gedruckt; --no-background druckt die Bogen ohne ihn.</translation>
    </message>
    <message>
        <source>The PDF background took longer than %1 seconds to prepare and is left out. Print the sheets without it?</source>
        <translation>Die Vorbereitung des PDF-Hintergrunds dauerte länger als %1 Sekunden; er wird weggelassen. Die Bogen ohne ihn drucken?</translation>
    </message>
    <message>
        <source>The PDF background took longer than %1 seconds to draw and is left out.</source>
        <translation>Das Zeichnen des PDF-Hintergrunds dauerte länger als %1 Sekunden; er wird weggelassen.</translation>
    </message>
    <message>
        <source>The printer %1 has no %2 paper and takes no custom size; printing on %3, the numbers placed from its top-left corner.</source>
        <translation>Der Drucker %1 hat kein Papier im Format %2 und nimmt kein benutzerdefiniertes Format an; gedruckt wird auf %3, die Nummern von der oberen linken Ecke aus platziert.</translation>
    </message>
    <message>
        <source>The printer %1 has no %2 paper and takes no custom size. Print on %3, the numbers placed from its top-left corner?</source>
        <translation>Der Drucker %1 hat kein Papier im Format %2 und nimmt kein benutzerdefiniertes Format an. Auf %3 drucken, die Nummern von der oberen linken Ecke aus platziert?</translation>
    </message>
    <message>
        <source>The print job has no pages. Check Total Pages, Copies and Skip.</source>
        <translation>Der Druckauftrag hat keine Seiten. Prüfen Sie Seitenzahl, Kopien und Überspringen.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the job waits there until the printer is resumed.</source>
        <translation>Der Drucker %1 ist angehalten; der Auftrag wartet dort, bis der Drucker fortgesetzt wird.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 cannot be combined with the options before it.</source>
        <translation>%1 kann nicht mit den Optionen davor kombiniert werden.</translation>
    </message>
    <message>
        <source>--%1 needs a number from %2 to %3.</source>
        <translation>--%1 braucht eine Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>--print needs the name of the template to print.</source>
        <translation>--print braucht den Namen der zu druckenden Vorlage.</translation>
    </message>
    <message>
        <source>--printer needs the name of a printer.</source>
        <translation>--printer braucht den Namen eines Druckers.</translation>
    </message>
    <message>
        <source>--export-pdf needs the name of the PDF file to write.</source>
        <translation>--export-pdf braucht den Namen der zu schreibenden PDF-Datei.</translation>
    </message>
    <message>
        <source>--sheets needs a range of sheets such as 5-10, 5- or 7.</source>
        <translation>--sheets braucht einen Bereich von Bogen wie 5-10, 5- oder 7.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>Unexpected argument %1.</source>
        <translation>Unerwartetes Argument %1.</translation>
    </message>
    <message>
        <source>--printer cannot be combined with --export-pdf.</source>
        <translation>--printer kann nicht mit --export-pdf kombiniert werden.</translation>
    </message>
    <message>
        <source>--printer applies only to --print.</source>
        <translation>--printer gilt nur für --print.</translation>
    </message>
    <message>
        <source>No template to print was given.</source>
        <translation>Es wurde keine zu druckende Vorlage angegeben.</translation>
    </message>
    <message>
        <source>/pt needs a template and a printer name.</source>
        <translation>/pt braucht eine Vorlage und einen Druckernamen.</translation>
    </message>
    <message>
        <source>%1 applies only to /p, /pt and --export-pdf.</source>
        <translation>%1 gilt nur für /p, /pt und --export-pdf.</translation>
    </message>
    <message>
        <source>Usage: %1 [TEMPLATE.tmt]
       %1 --print TEMPLATE.tmt [--printer PRINTER] [RUN OPTIONS]
       %1 --export-pdf OUT.pdf TEMPLATE.tmt [RUN OPTIONS]
       %1 /p TEMPLATE.tmt [RUN OPTIONS]
       %1 /pt TEMPLATE.tmt PRINTER [DRIVER PORT] [RUN OPTIONS]
       %1 /Register | /Unregister
</source>
        <translation>Aufruf: %1 [VORLAGE.tmt]
        %1 --print VORLAGE.tmt [--printer DRUCKER] [AUFTRAGSOPTIONEN]
        %1 --export-pdf DATEI.pdf VORLAGE.tmt [AUFTRAGSOPTIONEN]
        %1 /p VORLAGE.tmt [AUFTRAGSOPTIONEN]
        %1 /pt VORLAGE.tmt DRUCKER [TREIBER PORT] [AUFTRAGSOPTIONEN]
        %1 /Register | /Unregister
</translation>
    </message>
    <message>
        <source>Prints sequentially numbered pages from a Tallimark template.
Options may come in any order; switches ignore case.
</source>
        <translation>Druckt fortlaufend nummerierte Seiten nach einer Tallimark-Vorlage. Die
Optionen dürfen in beliebiger Reihenfolge stehen; bei den Schaltern zählt Groß-
und Kleinschreibung nicht.
</translation>
    </message>
    <message>
        <source>  --print TEMPLATE  print the template on its own printer, else on the
                    default printer, and end; the same as /p
  --printer NAME    with --print: print on the named printer; the same
                    as /pt
  --export-pdf OUT  write the numbered sheets to the PDF file OUT and end;
                    OUT - is standard output
  /Register         make Tallimark the desktop&apos;s program for .tmt files
  /Unregister       undo /Register and remove the stored settings
  -h, --help        show this text
  -V, --version     show the program&apos;s version
</source>
        <translation>  --print VORLAGE     die Vorlage auf ihrem eigenen Drucker drucken, sonst auf
                      dem Standarddrucker, und beenden; dasselbe wie /p
  --printer NAME      mit --print: auf dem genannten Drucker drucken; dasselbe
                      wie /pt
  --export-pdf DATEI  die nummerierten Bogen in die PDF-Datei DATEI schreiben
                      und beenden; DATEI - ist die Standardausgabe
  /Register           Tallimark beim Desktop zum Programm für .tmt-Dateien
                      machen
  /Unregister         /Register rückgängig machen und die gespeicherten
                      Einstellungen entfernen
  -h, --help          diesen Text anzeigen
  -V, --version       die Version des Programms anzeigen
</translation>
    </message>
    <message>
        <source>Run options, for this run only (the template is not changed):
  --sheets RANGE    only these sheets, counted from 1: 5-10, 5- or 7
  --no-background   print without the template&apos;s PDF background; without
                    it, a background that cannot be read stops the run
  --start N         the first number, 0 to 9999998
  --total N         how many numbers, 1 to 9999999
  --copies N        sheets for each number, 0 to 9999998
  --skip N          empty sheets after each number&apos;s copies, 0 to 9999998
</source>
        <translation>Auftragsoptionen, nur für diesen Auftrag (die Vorlage bleibt unverändert):
  --sheets BEREICH    nur diese Bogen, gezählt ab 1: 5-10, 5- oder 7
  --no-background     ohne den PDF-Hintergrund der Vorlage drucken; ohne diese
                      Option beendet ein Hintergrund, der nicht gelesen werden
                      kann, den Auftrag
  --start N           die erste Nummer, 0 bis 9999998
  --total N           wie viele Nummern, 1 bis 9999999
  --copies N          Bogen je Nummer, 0 bis 9999998
  --skip N            leere Bogen nach den Kopien jeder Nummer, 0 bis 9999998
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the run failed, 2 the command line was wrong.
</source>
        <translation>Exit-Status: 0 erledigt, 1 Auftrag fehlgeschlagen, 2 Befehlszeile fehlerhaft.
</translation>
    </message>
    <message>
        <source>Try &apos;tallimark --help&apos;.</source>
        <translation>„tallimark --help“ liefert weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>CupsPrinting</name>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>Der Drucker kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Printer %1: %2</source>
        <translation>Drucker %1: %2</translation>
    </message>
</context>
<context>
    <name>CupsServer</name>
    <message>
        <source>The print server %1 did not answer within %2 seconds.</source>
        <translation>Der Druckserver %1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The print server %1 cannot be reached (%2).</source>
        <translation>Der Druckserver %1 ist nicht erreichbar (%2).</translation>
    </message>
</context>
<context>
    <name>DocumentBase</name>
    <message>
        <source>Page %1 of %2 cannot be read.</source>
        <translation>Seite %1 von %2 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file that can be read.</source>
        <translation>%1 ist ein Gerät, keine lesbare Datei.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Beim Lesen von %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Auf dem Datenträger ist nicht genügend Platz.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Beim Schreiben von %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Nothing arrived from %1 for 5 seconds.</source>
        <translation>Von %1 ist 5 Sekunden lang nichts angekommen.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Out of Memory!</source>
        <translation>Nicht genügend Arbeitsspeicher!</translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>%1 is the template being printed; the PDF needs another name.</source>
        <translation>%1 ist die Vorlage, die gedruckt wird; die PDF-Datei braucht einen anderen Namen.</translation>
    </message>
    <message>
        <source>Could not write the PDF to standard output: %1.</source>
        <translation>Die PDF-Datei konnte nicht auf die Standardausgabe geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>HeadFontProblem</name>
    <message>
        <source>These heads have a font larger than %1 points and are printed at %1 points: %2.</source>
        <translation>Diese Nummerierwerke haben eine Schrift größer als %1 Punkt und werden mit %1 Punkt gedruckt: %2.</translation>
    </message>
</context>
<context>
    <name>Heading</name>
    <message>
        <source>Master Head</source>
        <translation>Hauptnummerierwerk</translation>
    </message>
    <message>
        <source>Head %1</source>
        <translation>Nummerierwerk %1</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>PdfFormCopy</name>
    <message>
        <source>the page is too large</source>
        <translation>die Seite ist zu groß</translation>
    </message>
    <message>
        <source>the page has no area</source>
        <translation>die Seite hat keine Fläche</translation>
    </message>
    <message>
        <source>the page&apos;s content is too large</source>
        <translation>der Inhalt der Seite ist zu groß</translation>
    </message>
    <message>
        <source>the page&apos;s content is damaged</source>
        <translation>der Inhalt der Seite ist beschädigt</translation>
    </message>
    <message>
        <source>the paper has no area</source>
        <translation>das Papier hat keine Fläche</translation>
    </message>
    <message>
        <source>the file has no page %1</source>
        <translation>die Datei hat keine Seite %1</translation>
    </message>
    <message>
        <source>the file is damaged or is not a PDF file</source>
        <translation>die Datei ist beschädigt oder keine PDF-Datei</translation>
    </message>
    <message>
        <source>the file is protected by a password</source>
        <translation>die Datei ist durch ein Kennwort geschützt</translation>
    </message>
    <message>
        <source>the page&apos;s resources are nested too deeply</source>
        <translation>die Ressourcen der Seite sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>part of the page cannot be read</source>
        <translation>ein Teil der Seite kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a stream&apos;s length is damaged</source>
        <translation>die Länge eines Datenstroms ist beschädigt</translation>
    </message>
    <message>
        <source>its form fields are drawn by the viewer</source>
        <translation>ihre Formularfelder zeichnet erst der Betrachter</translation>
    </message>
</context>
<context>
    <name>PdfJobWriter</name>
    <message>
        <source>Too many pages for one PDF file.</source>
        <translation>Zu viele Seiten für eine PDF-Datei.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*.*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>PrinterSystem</name>
    <message>
        <source>Printer %1: no such printer.</source>
        <translation>Drucker %1: Dieser Drucker existiert nicht.</translation>
    </message>
</context>
<context>
    <name>RunPrint</name>
    <message>
        <source>%1 is empty: there is no template to print.</source>
        <translation>%1 ist leer: Es gibt keine Vorlage zum Drucken.</translation>
    </message>
    <message>
        <source>Nothing was printed; --no-background prints the sheets without it.</source>
        <translation>Es wurde nichts gedruckt; --no-background druckt die Bogen ohne ihn.</translation>
    </message>
    <message>
        <source>The print job has %1 pages; there is no page %2 to print.</source>
        <translation>Der Druckauftrag hat %1 Seiten; eine Seite %2 zum Drucken gibt es nicht.</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Es gibt keinen Standarddrucker.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Choose units to display paper size and offset position
Display Units</source>
        <translation>Einheiten für Papierformat und Position wählen
Anzeigeeinheiten</translation>
    </message>
    <message>
        <source>Enter a zoom level
Set Zoom</source>
        <translation>Zoomstufe eingeben
Zoom festlegen</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Seitenformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
Product Version: %s<byte value="xd"/>
File Version: %s<byte value="xd"/>
</source>
        <translation>%s<byte value="xd"/>
Produktversion: %s<byte value="xd"/>
Dateiversion: %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Support: Getting help, in the Tallimark User Guide</source>
        <translation>Support: Hilfe finden Sie im Tallimark-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Tallimark User Guide</source>
        <translation>Tallimark-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Warning: The PDF page size is not supported by the selected printer and Print Preview will not be rendered accurately.

You must choose the appropriate paper size in the print dialog when printing.</source>
        <translation>Warnung: Das Seitenformat der PDF-Datei wird vom gewählten Drucker nicht unterstützt, und die Druckvorschau wird nicht genau dargestellt.

Wählen Sie beim Drucken im Druckdialog das passende Papierformat.</translation>
    </message>
    <message>
        <source>Error: Unable to create or access the &apos;Common Application Data&apos; folder. (0x%.8x)</source>
        <translation>Fehler: Der Ordner für gemeinsame Anwendungsdaten kann nicht angelegt oder geöffnet werden. (0x%.8x)</translation>
    </message>
    <message>
        <source>Tallimark
Template
TMTemplate
Tallimark Templates (*.tmt)
.tmt
Tallimark.Template
Tallimark Template</source>
        <translation>Tallimark
Vorlage
TMTemplate
Tallimark-Vorlagen (*.tmt)
.tmt
Tallimark.Template
Tallimark-Vorlage</translation>
    </message>
    <message>
        <source>The Start Number value starts the numbering sequence and is the value for the master numbering head. The template editor will display this value for the master head when the numbering direction is set to ascending.</source>
        <translation>Die Startnummer beginnt die Nummernfolge und ist der Wert des Hauptnummerierwerks. Bei aufsteigender Nummerierung zeigt der Vorlageneditor diesen Wert für das Hauptnummerierwerk an.</translation>
    </message>
    <message>
        <source>The Total Pages value is the number of unique pages in the print job. The total pages in the print job is the result of this value, Skip and Copies values. Use Print Preview to simulate the print job.</source>
        <translation>Die Seitenzahl ist die Anzahl verschieden nummerierter Seiten im Druckauftrag. Die Gesamtzahl der gedruckten Seiten ergibt sich aus diesem Wert sowie aus Überspringen und Kopien. Mit der Druckvorschau lässt sich der Druckauftrag durchspielen.</translation>
    </message>
    <message>
        <source>For every printed page each numbering head is incremented by the Step value.</source>
        <translation>Mit jeder gedruckten Seite wird jedes Nummerierwerk um die Schrittweite weitergezählt.</translation>
    </message>
    <message>
        <source>This value can be used for multi-part forms. Entering 3 for Copies will print 3 pages in succession with the same numbers.</source>
        <translation>Dieser Wert dient für mehrteilige Formularsätze. Mit 3 Kopien werden 3 Seiten nacheinander mit denselben Nummern gedruckt.</translation>
    </message>
    <message>
        <source>The Skip value will cause the program to literally skip a page in the print job. Pages are skipped in succession so if 2 is entered for Skip, the program will print two pages then skip two pages and so on.</source>
        <translation>Mit Überspringen lässt das Programm im Druckauftrag Seiten aus. Die Seiten werden nacheinander übersprungen: Bei 2 druckt das Programm zwei Seiten, überspringt zwei Seiten und so weiter.</translation>
    </message>
    <message>
        <source>This value is added the master head. The value of the head is calculated from the Start and Step values, page number plus this value.</source>
        <translation>Dieser Wert wird zum Hauptnummerierwerk addiert. Der Wert des Nummerierwerks ergibt sich aus Startnummer, Schrittweite und Seitennummer plus diesem Wert.</translation>
    </message>
    <message>
        <source>This value is the horizontal distance from the left side of the page to the top-left corner of the numbering head. The origin (0, 0) of the page is on the top-left corner. Values can be entered directly.</source>
        <translation>Dieser Wert ist der waagerechte Abstand vom linken Seitenrand zur oberen linken Ecke des Nummerierwerks. Der Nullpunkt (0, 0) der Seite liegt in der oberen linken Ecke. Werte können direkt eingegeben werden.</translation>
    </message>
    <message>
        <source>This value is the vertical distance from the top of the page to the top-left corner of the numbering head. The origin (0, 0) of the page is on the top-left corner. Values can be entered directly.</source>
        <translation>Dieser Wert ist der senkrechte Abstand vom oberen Seitenrand zur oberen linken Ecke des Nummerierwerks. Der Nullpunkt (0, 0) der Seite liegt in der oberen linken Ecke. Werte können direkt eingegeben werden.</translation>
    </message>
    <message>
        <source>This is a free text field that is printed after the number value.</source>
        <translation>Ein freies Textfeld, das hinter der Nummer gedruckt wird.</translation>
    </message>
    <message>
        <source>The list of numbering heads for the template. Use the Add button (or Ctrl+D) to add a new head to the template. Multiple heads can be selected using the mouse. Settings can be applied to a single or multiple selection.</source>
        <translation>Die Liste der Nummerierwerke der Vorlage. Mit der Schaltfläche Hinzufügen (oder Strg+D) fügen Sie ein neues Nummerierwerk hinzu. Mit der Maus lassen sich mehrere Nummerierwerke auswählen; Einstellungen gelten für eines oder für die ganze Auswahl.</translation>
    </message>
    <message>
        <source>Choose from predefined text or enter custom text to be printed in front of the numbering head. </source>
        <translation>Wählen Sie einen vordefinierten Text oder geben Sie einen eigenen Text ein, der vor der Nummer gedruckt wird. </translation>
    </message>
    <message>
        <source>Changing this value will rotate the head counter-clockwise.Values are in degrees.</source>
        <translation>Dieser Wert dreht das Nummerierwerk gegen den Uhrzeigersinn. Die Werte sind in Grad.</translation>
    </message>
    <message>
        <source>Choose the width in digits of the printed number. The number will be padded with leading zeros to print the number of digits selected.</source>
        <translation>Wählen Sie die Stellenzahl der gedruckten Nummer. Die Nummer wird mit führenden Nullen auf die gewählte Stellenzahl aufgefüllt.</translation>
    </message>
    <message>
        <source>Check this box to add a space between the Preface text and the number. This option is disabled when the Preface field is blank.</source>
        <translation>Aktivieren Sie dieses Feld, um zwischen Präfix und Nummer ein Leerzeichen einzufügen. Die Option ist gesperrt, solange das Feld Präfix leer ist.</translation>
    </message>
    <message>
        <source>Check this box to add a space between the Suffix text and the number. This option is disabled when the Suffix field is blank.</source>
        <translation>Aktivieren Sie dieses Feld, um zwischen Nummer und Suffix ein Leerzeichen einzufügen. Die Option ist gesperrt, solange das Feld Suffix leer ist.</translation>
    </message>
    <message>
        <source>To add leading zeros to the number value check this box. This field determines the total number of digits printed. When checked the digits field is enabled otherwise the number is printed without padding the number. </source>
        <translation>Aktivieren Sie dieses Feld, um der Nummer führende Nullen voranzustellen. Es bestimmt die Gesamtzahl der gedruckten Stellen. Ist es aktiviert, lässt sich die Stellenzahl wählen; sonst wird die Nummer ohne Auffüllen gedruckt. </translation>
    </message>
    <message>
        <source>The printed numbering sequence will increase from the Start Number to the final calculated value.</source>
        <translation>Die gedruckte Nummernfolge steigt von der Startnummer bis zum berechneten Endwert.</translation>
    </message>
    <message>
        <source>The printed numbering sequence will decrease from the final calculated number to the Start Number. The template editor will show the final calculated number in the sequence.</source>
        <translation>Die gedruckte Nummernfolge fällt vom berechneten Endwert bis zur Startnummer. Der Vorlageneditor zeigt den berechneten Endwert der Folge an.</translation>
    </message>
    <message>
        <source>Show Settings
Settings</source>
        <translation>Einstellungen anzeigen
Einstellungen</translation>
    </message>
    <message>
        <source>Show Header Captions
Show Header Captions</source>
        <translation>Beschriftung der Nummerierwerke anzeigen
Beschriftung der Nummerierwerke</translation>
    </message>
    <message>
        <source>Prompt to embed a PDF file
Import PDF</source>
        <translation>Eine PDF-Datei einbetten
PDF importieren</translation>
    </message>
    <message>
        <source>Add a new header
Add</source>
        <translation>Ein neues Nummerierwerk hinzufügen
Hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected header
Delete</source>
        <translation>Das gewählte Nummerierwerk löschen
Löschen</translation>
    </message>
    <message>
        <source>Zoom In
Zoom In</source>
        <translation>Vergrößern
Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out
Zoom Out</source>
        <translation>Verkleinern
Verkleinern</translation>
    </message>
    <message>
        <source>English - inches</source>
        <translation>Zoll (Inch)</translation>
    </message>
    <message>
        <source>Metric - millimeters</source>
        <translation>Metrisch - Millimeter</translation>
    </message>
    <message>
        <source>Removes the PDF graphic from the template
Clear PDF</source>
        <translation>Entfernt die PDF-Grafik aus der Vorlage
PDF entfernen</translation>
    </message>
    <message>
        <source>Write the print job to a PDF file
Export PDF</source>
        <translation>Den Druckauftrag in eine PDF-Datei schreiben
PDF exportieren</translation>
    </message>
    <message>
        <source>Tallimark</source>
        <translation>Tallimark</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Das gesamte Dokument auswählen
Alles auswählen</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern der Dokumente
Beenden</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Die Einträge in der Systemregistrierung wurden entfernt und die INI-Datei (falls vorhanden) gelöscht.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>Nicht alle Einträge der Systemregistrierung (oder die INI-Datei) wurden entfernt.</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The Tallimark User Guide is not installed. It comes with the program in share/tallimark/guide beside its bin folder, for example /usr/share/tallimark/guide/index.html.</source>
        <translation>Das Tallimark-Benutzerhandbuch ist nicht installiert. Es liegt dem Programm in share/tallimark/guide neben dessen bin-Ordner bei, zum Beispiel /usr/share/tallimark/guide/index.html.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the Tallimark User Guide.

Open this file in a browser to read it:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um das Tallimark-Benutzerhandbuch anzuzeigen.

Öffnen Sie diese Datei in einem Browser:
%1</translation>
    </message>
</context>
<context>
    <name>WriteJobPdf</name>
    <message>
        <source>The template&apos;s paper has no size.</source>
        <translation>Das Papier der Vorlage hat kein Format.</translation>
    </message>
    <message>
        <source>The PDF background could not be copied as it is (%1), and at %2 dots per inch the paper is too large or too small to print it as a picture. Nothing was printed.</source>
        <translation>Der PDF-Hintergrund konnte nicht unverändert übernommen werden (%1), und bei %2 dpi ist das Papier zu groß oder zu klein, um ihn als Bild zu drucken. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The PDF background could not be read (%1). Nothing was printed.</source>
        <translation>Der PDF-Hintergrund konnte nicht gelesen werden (%1). Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The PDF background could not be copied as it is (%1), so it is printed as a picture at %2 dots per inch.</source>
        <translation>Der PDF-Hintergrund konnte nicht unverändert übernommen werden (%1) und wird deshalb als Bild mit %2 dpi gedruckt.</translation>
    </message>
    <message>
        <source>Could not write the file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Could not create the file %1: %2.</source>
        <translation>Die Datei %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
</TS>
