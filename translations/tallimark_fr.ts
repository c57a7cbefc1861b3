<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BackgroundProblem</name>
    <message>
        <source>the file is damaged or is not a PDF file</source>
        <translation>le fichier est endommagé ou n&apos;est pas un fichier PDF</translation>
    </message>
    <message>
        <source>the file is protected by a password</source>
        <translation>le fichier est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>the file has no pages</source>
        <translation>le fichier n&apos;a aucune page</translation>
    </message>
    <message>
        <source>page %1 of the file cannot be read</source>
        <translation>la page %1 du fichier est illisible</translation>
    </message>
    <message>
        <source>the file has no page %1</source>
        <translation>le fichier n&apos;a pas de page %1</translation>
    </message>
    <message>
        <source>The PDF background of %1 could not be read: %2.</source>
        <translation>Le fond PDF de %1 n&apos;a pas pu être lu : %2.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Tallimark est un logiciel libre sous licence GNU GPL, version 3 ou (à votre choix) toute version ultérieure. Il est fourni SANS AUCUNE GARANTIE.</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Tallimark</source>
        <translation>À propos de Tallimark</translation>
    </message>
</context>
<context>
    <name>CCadenzoApp</name>
    <message>
        <source>The template opens without it.</source>
        <translation>Le modèle s&apos;ouvre sans lui.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CCadenzoView</name>
    <message>
        <source>The PDF background took longer than %1 seconds to draw and is left out.</source>
        <translation>Le dessin du fond PDF a pris plus de %1 secondes ; il est omis.</translation>
    </message>
</context>
<context>
    <name>CDlgCustomFont</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>St&amp;yle :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sc&amp;ript:</source>
        <translation>Scr&amp;ipt :</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Gras italique</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Oblique</translation>
    </message>
    <message>
        <source>Bold Oblique</source>
        <translation>Gras oblique</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Léger</translation>
    </message>
    <message>
        <source>Condensed</source>
        <translation>Étroit</translation>
    </message>
</context>
<context>
    <name>CDlgGoToSheet</name>
    <message>
        <source>Go to Sheet</source>
        <translation>Aller à la feuille</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Feuille :</translation>
    </message>
    <message>
        <source>&amp;Sheet (1 to %1):</source>
        <translation>&amp;Feuille (1 à %1) :</translation>
    </message>
</context>
<context>
    <name>CDlgImportPDF</name>
    <message>
        <source>Import PDF</source>
        <translation>Importer un PDF</translation>
    </message>
    <message>
        <source>Page Selection</source>
        <translation>Choix de la page</translation>
    </message>
    <message>
        <source>Please choose the page from the PDF file to import.</source>
        <translation>Choisissez la page du fichier PDF à importer.</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Page :</translation>
    </message>
    <message>
        <source>of %d</source>
        <translation>sur %d</translation>
    </message>
    <message>
        <source>Page Size (W x H)</source>
        <translation>Format de page (L x H)</translation>
    </message>
    <message>
        <source>The selected page size (%1.2f x %1.2f) does not match the current project page settings (%1.2f x %1.2f) or orientation. Please choose an option to continue or click Cancel.</source>
        <translation>Le format de la page choisie (%1.2f x %1.2f) ne correspond pas aux réglages de page du projet (%1.2f x %1.2f) ni à son orientation. Choisissez comment continuer ou cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>&amp;Clear project settings and use the page size of the selected page.</source>
        <translation>&amp;Effacer les réglages du projet et utiliser le format de la page choisie.</translation>
    </message>
    <message>
        <source>&amp;Use page size of current the project and resize the selected page.
(Not recommended)</source>
        <translation>&amp;Utiliser le format du projet et redimensionner la page choisie.
(Déconseillé)</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Saisissez un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>CDlgNewTemplate</name>
    <message>
        <source>New Template</source>
        <translation>Nouveau modèle</translation>
    </message>
    <message>
        <source>Choose paper size</source>
        <translation>Choix du format de papier</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Imprimante :</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>Pa&amp;ysage</translation>
    </message>
    <message>
        <source>&amp;Standard:</source>
        <translation>&amp;Standard :</translation>
    </message>
    <message>
        <source>&amp;Custom:</source>
        <translation>Pe&amp;rsonnalisé :</translation>
    </message>
    <message>
        <source>Wi&amp;dth</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>From &amp;PDF:</source>
        <translation>D&apos;après le P&amp;DF :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>Saisissez un nombre.</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Saisissez un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>The PDF file specified is not a valid PDF pathname.

%1</source>
        <translation>Le fichier PDF indiqué n&apos;est pas un chemin PDF valide.

%1</translation>
    </message>
</context>
<context>
    <name>CDlgProgress</name>
    <message>
        <source>Preparing the template for printing. Please Wait.</source>
        <translation>Préparation du modèle pour l&apos;impression. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the print job?</source>
        <translation>Voulez-vous vraiment annuler la tâche d&apos;impression ?</translation>
    </message>
</context>
<context>
    <name>CEditCtrlZoom</name>
    <message>
        <source>Please enter a zoom level between %1 and %2.</source>
        <translation>Saisissez un niveau de zoom entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>CLeftDialogBar</name>
    <message>
        <source>Numbering Settings</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>&amp;Start Number:</source>
        <translation>&amp;Numéro de départ :</translation>
    </message>
    <message>
        <source>Tota&amp;l Pages:</source>
        <translation>No&amp;mbre de pages :</translation>
    </message>
    <message>
        <source>Asce&amp;nding</source>
        <translation>C&amp;roissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Pas :</translation>
    </message>
    <message>
        <source>Co&amp;pies:</source>
        <translation>&amp;Copies :</translation>
    </message>
    <message>
        <source>S&amp;kip:</source>
        <translation>&amp;Saut :</translation>
    </message>
    <message>
        <source>Numbering &amp;Heads</source>
        <translation>&amp;Têtes de numérotation</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Head Properties:</source>
        <translation>Propriétés de la tête :</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Po&amp;lice...</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Décala&amp;ge :</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>R&amp;otation :</translation>
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
        <translation>Pos. &amp;X :</translation>
    </message>
    <message>
        <source>&amp;Y Pos:</source>
        <translation>Pos. &amp;Y :</translation>
    </message>
    <message>
        <source>Prefa&amp;ce:</source>
        <translation>Pr&amp;éfixe :</translation>
    </message>
    <message>
        <source>Add space a&amp;fter preface</source>
        <translation>Espace apr&amp;ès le préfixe</translation>
    </message>
    <message>
        <source>&amp;Zero pad number for a total of</source>
        <translation>Compléter par des &amp;zéros sur un total de</translation>
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
        <translation>c&amp;hiffres</translation>
    </message>
    <message>
        <source>Suffi&amp;x:</source>
        <translation>Suffix&amp;e :</translation>
    </message>
    <message>
        <source>Add space &amp;before suffix</source>
        <translation>Espace a&amp;vant le suffixe</translation>
    </message>
    <message>
        <source>Field Description</source>
        <translation>Description du champ</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Nouveau...	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import PDF...</source>
        <translation>&amp;Importer un PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Export PD&amp;F...</source>
        <translation>Exporter en PD&amp;F...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+D</source>
        <translation>A&amp;jouter	Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+Del</source>
        <translation>&amp;Supprimer	Ctrl+Suppr</translation>
    </message>
    <message>
        <source>Clear PD&amp;F</source>
        <translation>Retirer le PD&amp;F</translation>
    </message>
    <message>
        <source>&amp;Select All	Ctrl+A</source>
        <translation>&amp;Tout sélectionner	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Settin&amp;gs</source>
        <translation>Ré&amp;glages</translation>
    </message>
    <message>
        <source>Show &amp;Header Captions</source>
        <translation>&amp;Légendes des têtes</translation>
    </message>
    <message>
        <source>Show &amp;Field Help</source>
        <translation>Aide sur les &amp;champs</translation>
    </message>
    <message>
        <source>Set Zoom &amp;Level	Ctrl+L</source>
        <translation>&amp;Niveau de zoom	Ctrl+L</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl+Num+</source>
        <translation>Zoom &amp;avant	Ctrl+Num+</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+Num- </source>
        <translation>Zoom a&amp;rrière	Ctrl+Num- </translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;About Tallimark...</source>
        <translation>À &amp;propos de Tallimark...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>W %1 x H %2</source>
        <extracomment>The paper&apos;s width and height in the status bar.</extracomment>
        <translation>L %1 x H %2</translation>
    </message>
</context>
<context>
    <name>CPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>Pre&amp;v Page</source>
        <translation>Page pré&amp;cédente</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;Deux pages</translation>
    </message>
    <message>
        <source>&amp;Go to Sheet...</source>
        <translation>&amp;Aller à la feuille...</translation>
    </message>
    <message>
        <source>Go to a sheet of the job (Ctrl+G)</source>
        <translation>Aller à une feuille de la tâche (Ctrl+G)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 feuille</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 feuilles</translation>
    </message>
    <message>
        <source>Pages %1-%2</source>
        <translation>Pages %1-%2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Une page</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The PDF background took longer than %1 seconds to prepare. Nothing was printed; --no-background prints the sheets without it.</source>
        <translation>La préparation du fond PDF a pris plus de %1 secondes. Rien n&apos;a été imprimé ; --no-background imprime les feuilles sans lui.</translation>
    </message>
    <message>
        <source>The PDF background took longer than %1 seconds to prepare and is left out. Print the sheets without it?</source>
        <translation>La préparation du fond PDF a pris plus de %1 secondes ; il est omis. Imprimer les feuilles sans lui ?</translation>
    </message>
    <message>
        <source>The PDF background took longer than %1 seconds to draw and is left out.</source>
        <translation>Le dessin du fond PDF a pris plus de %1 secondes ; il est omis.</translation>
    </message>
    <message>
        <source>The printer %1 has no %2 paper and takes no custom size; printing on %3, the numbers placed from its top-left corner.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas de papier %2 et n&apos;accepte aucun format personnalisé ; impression sur %3, les numéros placés depuis le coin supérieur gauche.</translation>
    </message>
    <message>
        <source>The printer %1 has no %2 paper and takes no custom size. Print on %3, the numbers placed from its top-left corner?</source>
        <translation>L&apos;imprimante %1 n&apos;a pas de papier %2 et n&apos;accepte aucun format personnalisé. Imprimer sur %3, les numéros placés depuis le coin supérieur gauche ?</translation>
    </message>
    <message>
        <source>The print job has no pages. Check Total Pages, Copies and Skip.</source>
        <translation>La tâche d&apos;impression n&apos;a aucune page. Vérifiez Nombre de pages, Copies et Saut.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer la tâche d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the job waits there until the printer is resumed.</source>
        <translation>L&apos;imprimante %1 est en pause ; la tâche y attend la reprise de l&apos;imprimante.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 cannot be combined with the options before it.</source>
        <translation>%1 ne peut pas être combiné avec les options qui le précèdent.</translation>
    </message>
    <message>
        <source>--%1 needs a number from %2 to %3.</source>
        <translation>--%1 demande un nombre de %2 à %3.</translation>
    </message>
    <message>
        <source>--print needs the name of the template to print.</source>
        <translation>--print demande le nom du modèle à imprimer.</translation>
    </message>
    <message>
        <source>--printer needs the name of a printer.</source>
        <translation>--printer demande le nom d&apos;une imprimante.</translation>
    </message>
    <message>
        <source>--export-pdf needs the name of the PDF file to write.</source>
        <translation>--export-pdf demande le nom du fichier PDF à écrire.</translation>
    </message>
    <message>
        <source>--sheets needs a range of sheets such as 5-10, 5- or 7.</source>
        <translation>--sheets demande une plage de feuilles comme 5-10, 5- ou 7.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue : %1.</translation>
    </message>
    <message>
        <source>Unexpected argument %1.</source>
        <translation>Argument inattendu : %1.</translation>
    </message>
    <message>
        <source>--printer cannot be combined with --export-pdf.</source>
        <translation>--printer ne peut pas être combiné avec --export-pdf.</translation>
    </message>
    <message>
        <source>--printer applies only to --print.</source>
        <translation>--printer ne s&apos;applique qu&apos;à --print.</translation>
    </message>
    <message>
        <source>No template to print was given.</source>
        <translation>Aucun modèle à imprimer n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>/pt needs a template and a printer name.</source>
        <translation>/pt demande un modèle et un nom d&apos;imprimante.</translation>
    </message>
    <message>
        <source>%1 applies only to /p, /pt and --export-pdf.</source>
        <translation>%1 ne s&apos;applique qu&apos;à /p, /pt et --export-pdf.</translation>
    </message>
    <message>
        <source>Usage: %1 [TEMPLATE.tmt]
       %1 --print TEMPLATE.tmt [--printer PRINTER] [RUN OPTIONS]
       %1 --export-pdf OUT.pdf TEMPLATE.tmt [RUN OPTIONS]
       %1 /p TEMPLATE.tmt [RUN OPTIONS]
       %1 /pt TEMPLATE.tmt PRINTER [DRIVER PORT] [RUN OPTIONS]
       %1 /Register | /Unregister
</source>
        <translation>Usage : %1 [MODÈLE.tmt]
        %1 --print MODÈLE.tmt [--printer IMPRIMANTE] [OPTIONS DU TIRAGE]
        %1 --export-pdf SORTIE.pdf MODÈLE.tmt [OPTIONS DU TIRAGE]
        %1 /p MODÈLE.tmt [OPTIONS DU TIRAGE]
        %1 /pt MODÈLE.tmt IMPRIMANTE [PILOTE PORT] [OPTIONS DU TIRAGE]
        %1 /Register | /Unregister
</translation>
    </message>
    <message>
        <source>Prints sequentially numbered pages from a Tallimark template.
Options may come in any order; switches ignore case.
</source>
        <translation>Imprime des pages à numérotation continue d&apos;après un modèle Tallimark. Les
options peuvent venir dans n&apos;importe quel ordre ; les commutateurs ignorent la
casse.
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
        <translation>  --print MODÈLE       imprimer le modèle sur sa propre imprimante, sinon sur
                       l&apos;imprimante par défaut, puis terminer ; équivaut à /p
  --printer NOM        avec --print : imprimer sur l&apos;imprimante nommée ;
                       équivaut à /pt
  --export-pdf SORTIE  écrire les feuilles numérotées dans le fichier PDF
                       SORTIE puis terminer ; SORTIE - est la sortie standard
  /Register            faire de Tallimark le programme du bureau pour les
                       fichiers .tmt
  /Unregister          annuler /Register et supprimer les réglages enregistrés
  -h, --help           afficher ce texte
  -V, --version        afficher la version du programme
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
        <translation>Options du tirage, pour ce tirage seulement (le modèle ne change pas) :
  --sheets PLAGE       ces feuilles seulement, depuis 1 : 5-10, 5- ou 7
  --no-background      imprimer sans le fond PDF du modèle ; sans cette option,
                       un fond illisible arrête le tirage
  --start N            le premier numéro, de 0 à 9999998
  --total N            le nombre de numéros, de 1 à 9999999
  --copies N           feuilles pour chaque numéro, de 0 à 9999998
  --skip N             feuilles blanches après chaque numéro, de 0 à 9999998
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the run failed, 2 the command line was wrong.
</source>
        <translation>Code de sortie : 0 terminé, 1 échec du tirage, 2 ligne de commande erronée.
</translation>
    </message>
    <message>
        <source>Try &apos;tallimark --help&apos;.</source>
        <translation>Saisissez « tallimark --help » pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>CupsPrinting</name>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Printer %1: %2</source>
        <translation>Imprimante %1 : %2</translation>
    </message>
</context>
<context>
    <name>CupsServer</name>
    <message>
        <source>The print server %1 did not answer within %2 seconds.</source>
        <translation>Le serveur d&apos;impression %1 n&apos;a pas répondu dans les %2 secondes.</translation>
    </message>
    <message>
        <source>The print server %1 cannot be reached (%2).</source>
        <translation>Le serveur d&apos;impression %1 est injoignable (%2).</translation>
    </message>
</context>
<context>
    <name>DocumentBase</name>
    <message>
        <source>Page %1 of %2 cannot be read.</source>
        <translation>La page %1 de %2 est illisible.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file that can be read.</source>
        <translation>%1 est un périphérique, pas un fichier lisible.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Une erreur inattendue s&apos;est produite lors de la lecture de %1.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>L&apos;espace disque est insuffisant.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Une erreur inattendue s&apos;est produite lors de l&apos;écriture de %1.</translation>
    </message>
    <message>
        <source>Nothing arrived from %1 for 5 seconds.</source>
        <translation>Rien n&apos;est arrivé de %1 pendant 5 secondes.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d&apos;ouvrir le document.</translation>
    </message>
    <message>
        <source>Out of Memory!</source>
        <translation>Mémoire insuffisante !</translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>%1 is the template being printed; the PDF needs another name.</source>
        <translation>%1 est le modèle en cours d&apos;impression ; le PDF doit porter un autre nom.</translation>
    </message>
    <message>
        <source>Could not write the PDF to standard output: %1.</source>
        <translation>Impossible d&apos;écrire le PDF sur la sortie standard : %1.</translation>
    </message>
</context>
<context>
    <name>HeadFontProblem</name>
    <message>
        <source>These heads have a font larger than %1 points and are printed at %1 points: %2.</source>
        <translation>Ces têtes ont une police de plus de %1 points et sont imprimées en %1 points : %2.</translation>
    </message>
</context>
<context>
    <name>Heading</name>
    <message>
        <source>Master Head</source>
        <translation>Tête principale</translation>
    </message>
    <message>
        <source>Head %1</source>
        <translation>Tête %1</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PdfFormCopy</name>
    <message>
        <source>the page is too large</source>
        <translation>la page est trop grande</translation>
    </message>
    <message>
        <source>the page has no area</source>
        <translation>la page n&apos;a aucune surface</translation>
    </message>
    <message>
        <source>the page&apos;s content is too large</source>
        <translation>le contenu de la page est trop volumineux</translation>
    </message>
    <message>
        <source>the page&apos;s content is damaged</source>
        <translation>le contenu de la page est endommagé</translation>
    </message>
    <message>
        <source>the paper has no area</source>
        <translation>le papier n&apos;a aucune surface</translation>
    </message>
    <message>
        <source>the file has no page %1</source>
        <translation>le fichier n&apos;a pas de page %1</translation>
    </message>
    <message>
        <source>the file is damaged or is not a PDF file</source>
        <translation>le fichier est endommagé ou n&apos;est pas un fichier PDF</translation>
    </message>
    <message>
        <source>the file is protected by a password</source>
        <translation>le fichier est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>the page&apos;s resources are nested too deeply</source>
        <translation>les ressources de la page sont imbriquées trop profondément</translation>
    </message>
    <message>
        <source>part of the page cannot be read</source>
        <translation>une partie de la page est illisible</translation>
    </message>
    <message>
        <source>a stream&apos;s length is damaged</source>
        <translation>la longueur d&apos;un flux est endommagée</translation>
    </message>
    <message>
        <source>its form fields are drawn by the viewer</source>
        <translation>ses champs de formulaire sont dessinés par la visionneuse</translation>
    </message>
</context>
<context>
    <name>PdfJobWriter</name>
    <message>
        <source>Too many pages for one PDF file.</source>
        <translation>Trop de pages pour un seul fichier PDF.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*.*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>PrinterSystem</name>
    <message>
        <source>Printer %1: no such printer.</source>
        <translation>Imprimante %1 : imprimante inconnue.</translation>
    </message>
</context>
<context>
    <name>RunPrint</name>
    <message>
        <source>%1 is empty: there is no template to print.</source>
        <translation>%1 est vide : il n&apos;y a aucun modèle à imprimer.</translation>
    </message>
    <message>
        <source>Nothing was printed; --no-background prints the sheets without it.</source>
        <translation>Rien n&apos;a été imprimé ; --no-background imprime les feuilles sans lui.</translation>
    </message>
    <message>
        <source>The print job has %1 pages; there is no page %2 to print.</source>
        <translation>La tâche d&apos;impression compte %1 pages ; il n&apos;y a pas de page %2 à imprimer.</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Il n&apos;y a aucune imprimante par défaut.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Choose units to display paper size and offset position
Display Units</source>
        <translation>Choisir les unités du format de papier et des positions
Unités d&apos;affichage</translation>
    </message>
    <message>
        <source>Enter a zoom level
Set Zoom</source>
        <translation>Saisir un niveau de zoom
Régler le zoom</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Format de page</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
Product Version: %s<byte value="xd"/>
File Version: %s<byte value="xd"/>
</source>
        <translation>%s<byte value="xd"/>
Version du produit : %s<byte value="xd"/>
Version du fichier : %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Support: Getting help, in the Tallimark User Guide</source>
        <translation>Assistance : de l&apos;aide dans le guide de l&apos;utilisateur de Tallimark</translation>
    </message>
    <message>
        <source>Tallimark User Guide</source>
        <translation>Guide de l&apos;utilisateur de Tallimark</translation>
    </message>
    <message>
        <source>Warning: The PDF page size is not supported by the selected printer and Print Preview will not be rendered accurately.

You must choose the appropriate paper size in the print dialog when printing.</source>
        <translation>Avertissement : le format de page du PDF n&apos;est pas pris en charge par l&apos;imprimante choisie et l&apos;aperçu avant impression ne sera pas exact.

Choisissez le format de papier adapté dans la boîte de dialogue d&apos;impression.</translation>
    </message>
    <message>
        <source>Error: Unable to create or access the &apos;Common Application Data&apos; folder. (0x%.8x)</source>
        <translation>Erreur : impossible de créer le dossier des données communes de l&apos;application ou d&apos;y accéder. (0x%.8x)</translation>
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
Modèle
TMTemplate
Modèles Tallimark (*.tmt)
.tmt
Tallimark.Template
Modèle Tallimark</translation>
    </message>
    <message>
        <source>The Start Number value starts the numbering sequence and is the value for the master numbering head. The template editor will display this value for the master head when the numbering direction is set to ascending.</source>
        <translation>Le numéro de départ ouvre la suite de numérotation et donne la valeur de la tête principale. L&apos;éditeur de modèle affiche cette valeur pour la tête principale quand la numérotation est croissante.</translation>
    </message>
    <message>
        <source>The Total Pages value is the number of unique pages in the print job. The total pages in the print job is the result of this value, Skip and Copies values. Use Print Preview to simulate the print job.</source>
        <translation>Le nombre de pages est le nombre de pages distinctes de la tâche d&apos;impression. Le total des pages imprimées découle de cette valeur et des valeurs Saut et Copies. L&apos;aperçu avant impression simule la tâche.</translation>
    </message>
    <message>
        <source>For every printed page each numbering head is incremented by the Step value.</source>
        <translation>À chaque page imprimée, chaque tête de numérotation avance de la valeur du pas.</translation>
    </message>
    <message>
        <source>This value can be used for multi-part forms. Entering 3 for Copies will print 3 pages in succession with the same numbers.</source>
        <translation>Cette valeur sert aux liasses. Avec 3 copies, 3 pages de suite sont imprimées avec les mêmes numéros.</translation>
    </message>
    <message>
        <source>The Skip value will cause the program to literally skip a page in the print job. Pages are skipped in succession so if 2 is entered for Skip, the program will print two pages then skip two pages and so on.</source>
        <translation>La valeur Saut fait réellement sauter des pages de la tâche d&apos;impression. Les pages sont sautées à la suite : avec 2, le programme imprime deux pages, en saute deux, et ainsi de suite.</translation>
    </message>
    <message>
        <source>This value is added the master head. The value of the head is calculated from the Start and Step values, page number plus this value.</source>
        <translation>Cette valeur s&apos;ajoute à la tête principale. La valeur de la tête se calcule à partir du numéro de départ, du pas et du numéro de page, plus cette valeur.</translation>
    </message>
    <message>
        <source>This value is the horizontal distance from the left side of the page to the top-left corner of the numbering head. The origin (0, 0) of the page is on the top-left corner. Values can be entered directly.</source>
        <translation>Cette valeur est la distance horizontale entre le bord gauche de la page et le coin supérieur gauche de la tête de numérotation. L&apos;origine (0, 0) de la page est dans le coin supérieur gauche. Les valeurs peuvent être saisies directement.</translation>
    </message>
    <message>
        <source>This value is the vertical distance from the top of the page to the top-left corner of the numbering head. The origin (0, 0) of the page is on the top-left corner. Values can be entered directly.</source>
        <translation>Cette valeur est la distance verticale entre le haut de la page et le coin supérieur gauche de la tête de numérotation. L&apos;origine (0, 0) de la page est dans le coin supérieur gauche. Les valeurs peuvent être saisies directement.</translation>
    </message>
    <message>
        <source>This is a free text field that is printed after the number value.</source>
        <translation>Champ de texte libre imprimé après le numéro.</translation>
    </message>
    <message>
        <source>The list of numbering heads for the template. Use the Add button (or Ctrl+D) to add a new head to the template. Multiple heads can be selected using the mouse. Settings can be applied to a single or multiple selection.</source>
        <translation>La liste des têtes de numérotation du modèle. Le bouton Ajouter (ou Ctrl+D) ajoute une nouvelle tête au modèle. La souris permet de sélectionner plusieurs têtes ; les réglages s&apos;appliquent à une seule tête ou à toute la sélection.</translation>
    </message>
    <message>
        <source>Choose from predefined text or enter custom text to be printed in front of the numbering head. </source>
        <translation>Choisissez un texte prédéfini ou saisissez votre propre texte, imprimé devant le numéro. </translation>
    </message>
    <message>
        <source>Changing this value will rotate the head counter-clockwise.Values are in degrees.</source>
        <translation>Cette valeur fait pivoter la tête dans le sens inverse des aiguilles d&apos;une montre. Les valeurs sont en degrés.</translation>
    </message>
    <message>
        <source>Choose the width in digits of the printed number. The number will be padded with leading zeros to print the number of digits selected.</source>
        <translation>Choisissez le nombre de chiffres du numéro imprimé. Le numéro est complété par des zéros à gauche jusqu&apos;au nombre de chiffres choisi.</translation>
    </message>
    <message>
        <source>Check this box to add a space between the Preface text and the number. This option is disabled when the Preface field is blank.</source>
        <translation>Cochez cette case pour ajouter une espace entre le préfixe et le numéro. Cette option est désactivée quand le champ Préfixe est vide.</translation>
    </message>
    <message>
        <source>Check this box to add a space between the Suffix text and the number. This option is disabled when the Suffix field is blank.</source>
        <translation>Cochez cette case pour ajouter une espace entre le numéro et le suffixe. Cette option est désactivée quand le champ Suffixe est vide.</translation>
    </message>
    <message>
        <source>To add leading zeros to the number value check this box. This field determines the total number of digits printed. When checked the digits field is enabled otherwise the number is printed without padding the number. </source>
        <translation>Cochez cette case pour ajouter des zéros à gauche du numéro. Ce champ détermine le nombre total de chiffres imprimés. Une fois coché, le champ des chiffres est actif ; sinon le numéro est imprimé sans complément. </translation>
    </message>
    <message>
        <source>The printed numbering sequence will increase from the Start Number to the final calculated value.</source>
        <translation>La suite de numéros imprimée croît du numéro de départ jusqu&apos;à la valeur finale calculée.</translation>
    </message>
    <message>
        <source>The printed numbering sequence will decrease from the final calculated number to the Start Number. The template editor will show the final calculated number in the sequence.</source>
        <translation>La suite de numéros imprimée décroît de la valeur finale calculée jusqu&apos;au numéro de départ. L&apos;éditeur de modèle affiche la valeur finale calculée de la suite.</translation>
    </message>
    <message>
        <source>Show Settings
Settings</source>
        <translation>Afficher les réglages
Réglages</translation>
    </message>
    <message>
        <source>Show Header Captions
Show Header Captions</source>
        <translation>Afficher les légendes des têtes
Légendes des têtes</translation>
    </message>
    <message>
        <source>Prompt to embed a PDF file
Import PDF</source>
        <translation>Incorporer un fichier PDF
Importer un PDF</translation>
    </message>
    <message>
        <source>Add a new header
Add</source>
        <translation>Ajouter une nouvelle tête
Ajouter</translation>
    </message>
    <message>
        <source>Delete the selected header
Delete</source>
        <translation>Supprimer la tête sélectionnée
Supprimer</translation>
    </message>
    <message>
        <source>Zoom In
Zoom In</source>
        <translation>Zoom avant
Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out
Zoom Out</source>
        <translation>Zoom arrière
Zoom arrière</translation>
    </message>
    <message>
        <source>English - inches</source>
        <translation>Impérial - pouces</translation>
    </message>
    <message>
        <source>Metric - millimeters</source>
        <translation>Métrique - millimètres</translation>
    </message>
    <message>
        <source>Removes the PDF graphic from the template
Clear PDF</source>
        <translation>Retire le graphisme PDF du modèle
Retirer le PDF</translation>
    </message>
    <message>
        <source>Write the print job to a PDF file
Export PDF</source>
        <translation>Écrire la tâche d&apos;impression dans un fichier PDF
Exporter en PDF</translation>
    </message>
    <message>
        <source>Tallimark</source>
        <translation>Tallimark</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copier la sélection dans le presse-papiers
Copier</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insérer le contenu du presse-papiers
Coller</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Sélectionner tout le document
Tout sélectionner</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablir l&apos;action annulée
Rétablir</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations, la version et le copyright du programme
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Les entrées du registre système ont été supprimées et le fichier INI (s&apos;il existait) a été effacé.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>Les entrées du registre système (ou le fichier INI) n&apos;ont pas toutes été supprimées.</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The Tallimark User Guide is not installed. It comes with the program in share/tallimark/guide beside its bin folder, for example /usr/share/tallimark/guide/index.html.</source>
        <translation>Le guide de l&apos;utilisateur de Tallimark n&apos;est pas installé. Il accompagne le programme dans share/tallimark/guide à côté de son dossier bin, par exemple /usr/share/tallimark/guide/index.html.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the Tallimark User Guide.

Open this file in a browser to read it:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher le guide de l&apos;utilisateur de Tallimark.

Ouvrez ce fichier dans un navigateur pour le lire :
%1</translation>
    </message>
</context>
<context>
    <name>WriteJobPdf</name>
    <message>
        <source>The template&apos;s paper has no size.</source>
        <translation>Le papier du modèle n&apos;a aucun format.</translation>
    </message>
    <message>
        <source>The PDF background could not be copied as it is (%1), and at %2 dots per inch the paper is too large or too small to print it as a picture. Nothing was printed.</source>
        <translation>Le fond PDF n&apos;a pas pu être copié tel quel (%1), et à %2 points par pouce le papier est trop grand ou trop petit pour l&apos;imprimer comme image. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The PDF background could not be read (%1). Nothing was printed.</source>
        <translation>Le fond PDF n&apos;a pas pu être lu (%1). Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The PDF background could not be copied as it is (%1), so it is printed as a picture at %2 dots per inch.</source>
        <translation>Le fond PDF n&apos;a pas pu être copié tel quel (%1) ; il est donc imprimé comme image à %2 points par pouce.</translation>
    </message>
    <message>
        <source>Could not write the file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Could not create the file %1: %2.</source>
        <translation>Impossible de créer le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2.</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2.</translation>
    </message>
</context>
</TS>
