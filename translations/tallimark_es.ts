<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BackgroundProblem</name>
    <message>
        <source>the file is damaged or is not a PDF file</source>
        <translation>el archivo está dañado o no es un archivo PDF</translation>
    </message>
    <message>
        <source>the file is protected by a password</source>
        <translation>el archivo está protegido con contraseña</translation>
    </message>
    <message>
        <source>the file has no pages</source>
        <translation>el archivo no tiene páginas</translation>
    </message>
    <message>
        <source>page %1 of the file cannot be read</source>
        <translation>no se puede leer la página %1 del archivo</translation>
    </message>
    <message>
        <source>the file has no page %1</source>
        <translation>el archivo no tiene página %1</translation>
    </message>
    <message>
        <source>The PDF background of %1 could not be read: %2.</source>
        <translation>No se pudo leer el fondo PDF de %1: %2.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Tallimark es software libre bajo la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior. Se distribuye SIN NINGUNA GARANTÍA.</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Tallimark</source>
        <translation>Acerca de Tallimark</translation>
    </message>
</context>
<context>
    <name>CCadenzoApp</name>
    <message>
        <source>The template opens without it.</source>
        <translation>La plantilla se abre sin él.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CCadenzoView</name>
    <message>
        <source>The PDF background took longer than %1 seconds to draw and is left out.</source>
        <translation>El fondo PDF tardó más de %1 segundos en dibujarse y se omite.</translation>
    </message>
</context>
<context>
    <name>CDlgCustomFont</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>&amp;Estilo:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>T&amp;achado</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Sc&amp;ript:</source>
        <translation>Escrit&amp;ura:</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Negrita cursiva</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Oblicua</translation>
    </message>
    <message>
        <source>Bold Oblique</source>
        <translation>Negrita oblicua</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Condensed</source>
        <translation>Estrecha</translation>
    </message>
</context>
<context>
    <name>CDlgGoToSheet</name>
    <message>
        <source>Go to Sheet</source>
        <translation>Ir a la hoja</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Hoja:</translation>
    </message>
    <message>
        <source>&amp;Sheet (1 to %1):</source>
        <translation>&amp;Hoja (1 a %1):</translation>
    </message>
</context>
<context>
    <name>CDlgImportPDF</name>
    <message>
        <source>Import PDF</source>
        <translation>Importar PDF</translation>
    </message>
    <message>
        <source>Page Selection</source>
        <translation>Selección de página</translation>
    </message>
    <message>
        <source>Please choose the page from the PDF file to import.</source>
        <translation>Elija la página del archivo PDF que desea importar.</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Página:</translation>
    </message>
    <message>
        <source>of %d</source>
        <translation>de %d</translation>
    </message>
    <message>
        <source>Page Size (W x H)</source>
        <translation>Tamaño de página (An x Al)</translation>
    </message>
    <message>
        <source>The selected page size (%1.2f x %1.2f) does not match the current project page settings (%1.2f x %1.2f) or orientation. Please choose an option to continue or click Cancel.</source>
        <translation>El tamaño de la página elegida (%1.2f x %1.2f) no coincide con los ajustes de página del proyecto (%1.2f x %1.2f) o con su orientación. Elija cómo continuar o haga clic en Cancelar.</translation>
    </message>
    <message>
        <source>&amp;Clear project settings and use the page size of the selected page.</source>
        <translation>&amp;Borrar los ajustes del proyecto y usar el tamaño de la página elegida.</translation>
    </message>
    <message>
        <source>&amp;Use page size of current the project and resize the selected page.
(Not recommended)</source>
        <translation>&amp;Usar el tamaño de página del proyecto y ajustar la página elegida.
(No recomendado)</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>CDlgNewTemplate</name>
    <message>
        <source>New Template</source>
        <translation>Nueva plantilla</translation>
    </message>
    <message>
        <source>Choose paper size</source>
        <translation>Elegir el tamaño del papel</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Impresora:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Standard:</source>
        <translation>&amp;Estándar:</translation>
    </message>
    <message>
        <source>&amp;Custom:</source>
        <translation>&amp;Personalizado:</translation>
    </message>
    <message>
        <source>Wi&amp;dth</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>A&amp;lto</translation>
    </message>
    <message>
        <source>From &amp;PDF:</source>
        <translation>Desde P&amp;DF:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
    <message>
        <source>The PDF file specified is not a valid PDF pathname.

%1</source>
        <translation>El archivo PDF indicado no es una ruta de PDF válida.

%1</translation>
    </message>
</context>
<context>
    <name>CDlgProgress</name>
    <message>
        <source>Preparing the template for printing. Please Wait.</source>
        <translation>Preparando la plantilla para imprimir. Espere, por favor.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the print job?</source>
        <translation>¿Seguro que desea cancelar el trabajo de impresión?</translation>
    </message>
</context>
<context>
    <name>CEditCtrlZoom</name>
    <message>
        <source>Please enter a zoom level between %1 and %2.</source>
        <translation>Introduzca un nivel de zoom entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>CLeftDialogBar</name>
    <message>
        <source>Numbering Settings</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>&amp;Start Number:</source>
        <translation>&amp;Número inicial:</translation>
    </message>
    <message>
        <source>Tota&amp;l Pages:</source>
        <translation>&amp;Total de páginas:</translation>
    </message>
    <message>
        <source>Asce&amp;nding</source>
        <translation>A&amp;scendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Incremento:</translation>
    </message>
    <message>
        <source>Co&amp;pies:</source>
        <translation>&amp;Copias:</translation>
    </message>
    <message>
        <source>S&amp;kip:</source>
        <translation>Sa&amp;ltar:</translation>
    </message>
    <message>
        <source>Numbering &amp;Heads</source>
        <translation>Nu&amp;meradores</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Head Properties:</source>
        <translation>Propiedades del numerador:</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Despla&amp;zamiento:</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>&amp;Giro:</translation>
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
        <translation>Pos. &amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y Pos:</source>
        <translation>Pos. &amp;Y:</translation>
    </message>
    <message>
        <source>Prefa&amp;ce:</source>
        <translation>&amp;Prefijo:</translation>
    </message>
    <message>
        <source>Add space a&amp;fter preface</source>
        <translation>Espaci&amp;o tras el prefijo</translation>
    </message>
    <message>
        <source>&amp;Zero pad number for a total of</source>
        <translation>Rellenar con ceros &amp;hasta</translation>
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
        <translation>&amp;dígitos</translation>
    </message>
    <message>
        <source>Suffi&amp;x:</source>
        <translation>Sufi&amp;jo:</translation>
    </message>
    <message>
        <source>Add space &amp;before suffix</source>
        <translation>Espacio en &amp;blanco antes del sufijo</translation>
    </message>
    <message>
        <source>Field Description</source>
        <translation>Descripción del campo</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Nuevo...	Control+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Control+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Control+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Import PDF...</source>
        <translation>&amp;Importar PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primir...	Control+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista preliminar</translation>
    </message>
    <message>
        <source>Export PD&amp;F...</source>
        <translation>Exportar a PD&amp;F...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Control+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Control+Y</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+D</source>
        <translation>&amp;Añadir	Control+D</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Control+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Control+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+Del</source>
        <translation>&amp;Eliminar	Control+Suprimir</translation>
    </message>
    <message>
        <source>Clear PD&amp;F</source>
        <translation>Quitar PD&amp;F</translation>
    </message>
    <message>
        <source>&amp;Select All	Ctrl+A</source>
        <translation>Seleccionar &amp;todo	Control+A</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Settin&amp;gs</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Show &amp;Header Captions</source>
        <translation>Mostrar &amp;leyendas de los numeradores</translation>
    </message>
    <message>
        <source>Show &amp;Field Help</source>
        <translation>Mostrar a&amp;yuda de los campos</translation>
    </message>
    <message>
        <source>Set Zoom &amp;Level	Ctrl+L</source>
        <translation>&amp;Nivel de zoom	Control+L</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl+Num+</source>
        <translation>A&amp;mpliar	Control+Núm++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+Num- </source>
        <translation>Re&amp;ducir	Control+Núm+- </translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;About Tallimark...</source>
        <translation>&amp;Acerca de Tallimark...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>W %1 x H %2</source>
        <extracomment>The paper&apos;s width and height in the status bar.</extracomment>
        <translation>An %1 x Al %2</translation>
    </message>
</context>
<context>
    <name>CPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista preliminar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;v Page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;Dos páginas</translation>
    </message>
    <message>
        <source>&amp;Go to Sheet...</source>
        <translation>&amp;Ir a la hoja...</translation>
    </message>
    <message>
        <source>Go to a sheet of the job (Ctrl+G)</source>
        <translation>Ir a una hoja del trabajo (Control+G)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 hoja</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 hojas</translation>
    </message>
    <message>
        <source>Pages %1-%2</source>
        <translation>Páginas %1-%2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Una página</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The PDF background took longer than %1 seconds to prepare. Nothing was printed; --no-background prints the sheets without it.</source>
        <translation>La preparación del fondo PDF tardó más de %1 segundos. No se imprimió nada; --no-background imprime las hojas sin él.</translation>
    </message>
    <message>
        <source>The PDF background took longer than %1 seconds to prepare and is left out. Print the sheets without it?</source>
        <translation>La preparación del fondo PDF tardó más de %1 segundos y se omite. ¿Imprimir las hojas sin él?</translation>
    </message>
    <message>
        <source>The PDF background took longer than %1 seconds to draw and is left out.</source>
        <translation>El fondo PDF tardó más de %1 segundos en dibujarse y se omite.</translation>
    </message>
    <message>
        <source>The printer %1 has no %2 paper and takes no custom size; printing on %3, the numbers placed from its top-left corner.</source>
        <translation>La impresora %1 no tiene papel %2 y no admite tamaños personalizados; se imprime en %3, con los números colocados desde su esquina superior izquierda.</translation>
    </message>
    <message>
        <source>The printer %1 has no %2 paper and takes no custom size. Print on %3, the numbers placed from its top-left corner?</source>
        <translation>La impresora %1 no tiene papel %2 y no admite tamaños personalizados. ¿Imprimir en %3, con los números colocados desde su esquina superior izquierda?</translation>
    </message>
    <message>
        <source>The print job has no pages. Check Total Pages, Copies and Skip.</source>
        <translation>El trabajo de impresión no tiene páginas. Revise Total de páginas, Copias y Saltar.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the job waits there until the printer is resumed.</source>
        <translation>La impresora %1 está en pausa; el trabajo espera en ella hasta que se reanude la impresora.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 cannot be combined with the options before it.</source>
        <translation>%1 no se puede combinar con las opciones anteriores.</translation>
    </message>
    <message>
        <source>--%1 needs a number from %2 to %3.</source>
        <translation>--%1 necesita un número de %2 a %3.</translation>
    </message>
    <message>
        <source>--print needs the name of the template to print.</source>
        <translation>--print necesita el nombre de la plantilla que se va a imprimir.</translation>
    </message>
    <message>
        <source>--printer needs the name of a printer.</source>
        <translation>--printer necesita el nombre de una impresora.</translation>
    </message>
    <message>
        <source>--export-pdf needs the name of the PDF file to write.</source>
        <translation>--export-pdf necesita el nombre del archivo PDF que se va a escribir.</translation>
    </message>
    <message>
        <source>--sheets needs a range of sheets such as 5-10, 5- or 7.</source>
        <translation>--sheets necesita un intervalo de hojas como 5-10, 5- o 7.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida: %1.</translation>
    </message>
    <message>
        <source>Unexpected argument %1.</source>
        <translation>Argumento inesperado: %1.</translation>
    </message>
    <message>
        <source>--printer cannot be combined with --export-pdf.</source>
        <translation>--printer no se puede combinar con --export-pdf.</translation>
    </message>
    <message>
        <source>--printer applies only to --print.</source>
        <translation>--printer solo se aplica a --print.</translation>
    </message>
    <message>
        <source>No template to print was given.</source>
        <translation>No se indicó ninguna plantilla que imprimir.</translation>
    </message>
    <message>
        <source>/pt needs a template and a printer name.</source>
        <translation>/pt necesita una plantilla y el nombre de una impresora.</translation>
    </message>
    <message>
        <source>%1 applies only to /p, /pt and --export-pdf.</source>
        <translation>%1 solo se aplica a /p, /pt y --export-pdf.</translation>
    </message>
    <message>
        <source>Usage: %1 [TEMPLATE.tmt]
       %1 --print TEMPLATE.tmt [--printer PRINTER] [RUN OPTIONS]
       %1 --export-pdf OUT.pdf TEMPLATE.tmt [RUN OPTIONS]
       %1 /p TEMPLATE.tmt [RUN OPTIONS]
       %1 /pt TEMPLATE.tmt PRINTER [DRIVER PORT] [RUN OPTIONS]
       %1 /Register | /Unregister
</source>
        <translation>Uso: %1 [PLANTILLA.tmt]
     %1 --print PLANTILLA.tmt [--printer IMPRESORA] [OPCIONES DE TIRADA]
     %1 --export-pdf SALIDA.pdf PLANTILLA.tmt [OPCIONES DE TIRADA]
     %1 /p PLANTILLA.tmt [OPCIONES DE TIRADA]
     %1 /pt PLANTILLA.tmt IMPRESORA [CONTROLADOR PUERTO]
         [OPCIONES DE TIRADA]
     %1 /Register | /Unregister
</translation>
    </message>
    <message>
        <source>Prints sequentially numbered pages from a Tallimark template.
Options may come in any order; switches ignore case.
</source>
        <translation>Imprime páginas con numeración correlativa a partir de una plantilla de
Tallimark. Las opciones pueden ir en cualquier orden; los modificadores no
distinguen mayúsculas de minúsculas.
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
        <translation>  --print PLANTILLA    imprimir la plantilla en su propia impresora, si no en
                       la impresora predeterminada, y terminar; equivale a /p
  --printer NOMBRE     con --print: imprimir en la impresora indicada; equivale
                       a /pt
  --export-pdf SALIDA  escribir las hojas numeradas en el archivo PDF SALIDA y
                       terminar; SALIDA - es la salida estándar
  /Register            hacer de Tallimark el programa del escritorio para los
                       archivos .tmt
  /Unregister          deshacer /Register y borrar los ajustes guardados
  -h, --help           mostrar este texto
  -V, --version        mostrar la versión del programa
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
        <translation>Opciones de tirada, solo para esta tirada (la plantilla no cambia):
  --sheets INTERVALO   solo estas hojas, contadas desde 1: 5-10, 5- o 7
  --no-background      imprimir sin el fondo PDF de la plantilla; sin esta
                       opción, un fondo que no se puede leer detiene la tirada
  --start N            el número inicial, de 0 a 9999998
  --total N            cuántos números, de 1 a 9999999
  --copies N           hojas por cada número, de 0 a 9999998
  --skip N             hojas en blanco tras cada número, de 0 a 9999998
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the run failed, 2 the command line was wrong.
</source>
        <translation>Estado de salida: 0 hecho, 1 tirada fallida, 2 línea de comandos errónea.
</translation>
    </message>
    <message>
        <source>Try &apos;tallimark --help&apos;.</source>
        <translation>Pruebe «tallimark --help» para más información.</translation>
    </message>
</context>
<context>
    <name>CupsPrinting</name>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>No se puede abrir la impresora.</translation>
    </message>
    <message>
        <source>Printer %1: %2</source>
        <translation>Impresora %1: %2</translation>
    </message>
</context>
<context>
    <name>CupsServer</name>
    <message>
        <source>The print server %1 did not answer within %2 seconds.</source>
        <translation>El servidor de impresión %1 no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>The print server %1 cannot be reached (%2).</source>
        <translation>No se puede conectar con el servidor de impresión %1 (%2).</translation>
    </message>
</context>
<context>
    <name>DocumentBase</name>
    <message>
        <source>Page %1 of %2 cannot be read.</source>
        <translation>No se puede leer la página %1 de %2.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se denegó el acceso a %1.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file that can be read.</source>
        <translation>%1 es un dispositivo, no un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Se produjo un error inesperado al leer %1.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>No hay espacio suficiente en el disco.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Se produjo un error inesperado al escribir %1.</translation>
    </message>
    <message>
        <source>Nothing arrived from %1 for 5 seconds.</source>
        <translation>No llegó nada de %1 en 5 segundos.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de archivo inesperado.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>Out of Memory!</source>
        <translation>¡Memoria insuficiente!</translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>%1 is the template being printed; the PDF needs another name.</source>
        <translation>%1 es la plantilla que se imprime; el PDF necesita otro nombre.</translation>
    </message>
    <message>
        <source>Could not write the PDF to standard output: %1.</source>
        <translation>No se pudo escribir el PDF en la salida estándar: %1.</translation>
    </message>
</context>
<context>
    <name>HeadFontProblem</name>
    <message>
        <source>These heads have a font larger than %1 points and are printed at %1 points: %2.</source>
        <translation>Estos numeradores tienen una fuente de más de %1 puntos y se imprimen a %1 puntos: %2.</translation>
    </message>
</context>
<context>
    <name>Heading</name>
    <message>
        <source>Master Head</source>
        <translation>Numerador principal</translation>
    </message>
    <message>
        <source>Head %1</source>
        <translation>Numerador %1</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>PdfFormCopy</name>
    <message>
        <source>the page is too large</source>
        <translation>la página es demasiado grande</translation>
    </message>
    <message>
        <source>the page has no area</source>
        <translation>la página no tiene superficie</translation>
    </message>
    <message>
        <source>the page&apos;s content is too large</source>
        <translation>el contenido de la página es demasiado grande</translation>
    </message>
    <message>
        <source>the page&apos;s content is damaged</source>
        <translation>el contenido de la página está dañado</translation>
    </message>
    <message>
        <source>the paper has no area</source>
        <translation>el papel no tiene superficie</translation>
    </message>
    <message>
        <source>the file has no page %1</source>
        <translation>el archivo no tiene página %1</translation>
    </message>
    <message>
        <source>the file is damaged or is not a PDF file</source>
        <translation>el archivo está dañado o no es un archivo PDF</translation>
    </message>
    <message>
        <source>the file is protected by a password</source>
        <translation>el archivo está protegido con contraseña</translation>
    </message>
    <message>
        <source>the page&apos;s resources are nested too deeply</source>
        <translation>los recursos de la página están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>part of the page cannot be read</source>
        <translation>no se puede leer parte de la página</translation>
    </message>
    <message>
        <source>a stream&apos;s length is damaged</source>
        <translation>la longitud de un flujo está dañada</translation>
    </message>
    <message>
        <source>its form fields are drawn by the viewer</source>
        <translation>sus campos de formulario los dibuja el visor</translation>
    </message>
</context>
<context>
    <name>PdfJobWriter</name>
    <message>
        <source>Too many pages for one PDF file.</source>
        <translation>Demasiadas páginas para un solo archivo PDF.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printing</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*.*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>PrinterSystem</name>
    <message>
        <source>Printer %1: no such printer.</source>
        <translation>Impresora %1: no existe esa impresora.</translation>
    </message>
</context>
<context>
    <name>RunPrint</name>
    <message>
        <source>%1 is empty: there is no template to print.</source>
        <translation>%1 está vacío: no hay ninguna plantilla que imprimir.</translation>
    </message>
    <message>
        <source>Nothing was printed; --no-background prints the sheets without it.</source>
        <translation>No se imprimió nada; --no-background imprime las hojas sin él.</translation>
    </message>
    <message>
        <source>The print job has %1 pages; there is no page %2 to print.</source>
        <translation>El trabajo de impresión tiene %1 páginas; no hay página %2 que imprimir.</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>No hay ninguna impresora predeterminada.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Choose units to display paper size and offset position
Display Units</source>
        <translation>Elegir las unidades del tamaño del papel y de las posiciones
Unidades de medida</translation>
    </message>
    <message>
        <source>Enter a zoom level
Set Zoom</source>
        <translation>Introducir un nivel de zoom
Nivel de zoom</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Tamaño de página</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
Product Version: %s<byte value="xd"/>
File Version: %s<byte value="xd"/>
</source>
        <translation>%s<byte value="xd"/>
Versión del producto: %s<byte value="xd"/>
Versión del archivo: %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Support: Getting help, in the Tallimark User Guide</source>
        <translation>Asistencia: ayuda en la Guía del usuario de Tallimark</translation>
    </message>
    <message>
        <source>Tallimark User Guide</source>
        <translation>Guía del usuario de Tallimark</translation>
    </message>
    <message>
        <source>Warning: The PDF page size is not supported by the selected printer and Print Preview will not be rendered accurately.

You must choose the appropriate paper size in the print dialog when printing.</source>
        <translation>Advertencia: la impresora elegida no admite el tamaño de página del PDF y la vista preliminar no será exacta.

Al imprimir, elija el tamaño de papel adecuado en el diálogo de impresión.</translation>
    </message>
    <message>
        <source>Error: Unable to create or access the &apos;Common Application Data&apos; folder. (0x%.8x)</source>
        <translation>Error: no se puede crear la carpeta de datos comunes de la aplicación ni acceder a ella. (0x%.8x)</translation>
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
Plantilla
TMTemplate
Plantillas de Tallimark (*.tmt)
.tmt
Tallimark.Template
Plantilla de Tallimark</translation>
    </message>
    <message>
        <source>The Start Number value starts the numbering sequence and is the value for the master numbering head. The template editor will display this value for the master head when the numbering direction is set to ascending.</source>
        <translation>El número inicial abre la secuencia de numeración y es el valor del numerador principal. El editor de plantillas muestra este valor en el numerador principal cuando la numeración es ascendente.</translation>
    </message>
    <message>
        <source>The Total Pages value is the number of unique pages in the print job. The total pages in the print job is the result of this value, Skip and Copies values. Use Print Preview to simulate the print job.</source>
        <translation>El total de páginas es el número de páginas distintas del trabajo de impresión. El total de páginas impresas resulta de este valor y de los valores Saltar y Copias. La vista preliminar simula el trabajo de impresión.</translation>
    </message>
    <message>
        <source>For every printed page each numbering head is incremented by the Step value.</source>
        <translation>En cada página impresa, cada numerador avanza el valor del incremento.</translation>
    </message>
    <message>
        <source>This value can be used for multi-part forms. Entering 3 for Copies will print 3 pages in succession with the same numbers.</source>
        <translation>Este valor sirve para formularios de varias copias. Con 3 copias se imprimen 3 páginas seguidas con los mismos números.</translation>
    </message>
    <message>
        <source>The Skip value will cause the program to literally skip a page in the print job. Pages are skipped in succession so if 2 is entered for Skip, the program will print two pages then skip two pages and so on.</source>
        <translation>El valor Saltar hace que el programa salte literalmente páginas del trabajo de impresión. Las páginas se saltan seguidas: con 2, el programa imprime dos páginas, salta dos páginas, y así sucesivamente.</translation>
    </message>
    <message>
        <source>This value is added the master head. The value of the head is calculated from the Start and Step values, page number plus this value.</source>
        <translation>Este valor se suma al numerador principal. El valor del numerador se calcula a partir del número inicial, del incremento y del número de página, más este valor.</translation>
    </message>
    <message>
        <source>This value is the horizontal distance from the left side of the page to the top-left corner of the numbering head. The origin (0, 0) of the page is on the top-left corner. Values can be entered directly.</source>
        <translation>Este valor es la distancia horizontal desde el borde izquierdo de la página hasta la esquina superior izquierda del numerador. El origen (0, 0) de la página está en la esquina superior izquierda. Los valores pueden introducirse directamente.</translation>
    </message>
    <message>
        <source>This value is the vertical distance from the top of the page to the top-left corner of the numbering head. The origin (0, 0) of the page is on the top-left corner. Values can be entered directly.</source>
        <translation>Este valor es la distancia vertical desde el borde superior de la página hasta la esquina superior izquierda del numerador. El origen (0, 0) de la página está en la esquina superior izquierda. Los valores pueden introducirse directamente.</translation>
    </message>
    <message>
        <source>This is a free text field that is printed after the number value.</source>
        <translation>Campo de texto libre que se imprime después del número.</translation>
    </message>
    <message>
        <source>The list of numbering heads for the template. Use the Add button (or Ctrl+D) to add a new head to the template. Multiple heads can be selected using the mouse. Settings can be applied to a single or multiple selection.</source>
        <translation>La lista de numeradores de la plantilla. Con el botón Añadir (o Control+D) se añade un numerador nuevo a la plantilla. Con el ratón se pueden seleccionar varios numeradores; los ajustes se aplican a uno solo o a toda la selección.</translation>
    </message>
    <message>
        <source>Choose from predefined text or enter custom text to be printed in front of the numbering head. </source>
        <translation>Elija un texto predefinido o escriba su propio texto, que se imprime delante del número. </translation>
    </message>
    <message>
        <source>Changing this value will rotate the head counter-clockwise.Values are in degrees.</source>
        <translation>Este valor gira el numerador en sentido contrario a las agujas del reloj. Los valores están en grados.</translation>
    </message>
    <message>
        <source>Choose the width in digits of the printed number. The number will be padded with leading zeros to print the number of digits selected.</source>
        <translation>Elija el número de dígitos del número impreso. El número se rellena con ceros a la izquierda hasta el número de dígitos elegido.</translation>
    </message>
    <message>
        <source>Check this box to add a space between the Preface text and the number. This option is disabled when the Preface field is blank.</source>
        <translation>Marque esta casilla para añadir un espacio entre el prefijo y el número. Esta opción está desactivada cuando el campo Prefijo está vacío.</translation>
    </message>
    <message>
        <source>Check this box to add a space between the Suffix text and the number. This option is disabled when the Suffix field is blank.</source>
        <translation>Marque esta casilla para añadir un espacio entre el número y el sufijo. Esta opción está desactivada cuando el campo Sufijo está vacío.</translation>
    </message>
    <message>
        <source>To add leading zeros to the number value check this box. This field determines the total number of digits printed. When checked the digits field is enabled otherwise the number is printed without padding the number. </source>
        <translation>Marque esta casilla para añadir ceros a la izquierda del número. Este campo determina el número total de dígitos impresos. Marcada, el campo de dígitos se activa; si no, el número se imprime sin rellenar. </translation>
    </message>
    <message>
        <source>The printed numbering sequence will increase from the Start Number to the final calculated value.</source>
        <translation>La secuencia de numeración impresa asciende desde el número inicial hasta el valor final calculado.</translation>
    </message>
    <message>
        <source>The printed numbering sequence will decrease from the final calculated number to the Start Number. The template editor will show the final calculated number in the sequence.</source>
        <translation>La secuencia de numeración impresa desciende desde el valor final calculado hasta el número inicial. El editor de plantillas muestra el valor final calculado de la secuencia.</translation>
    </message>
    <message>
        <source>Show Settings
Settings</source>
        <translation>Mostrar los ajustes
Ajustes</translation>
    </message>
    <message>
        <source>Show Header Captions
Show Header Captions</source>
        <translation>Mostrar las leyendas de los numeradores
Leyendas de los numeradores</translation>
    </message>
    <message>
        <source>Prompt to embed a PDF file
Import PDF</source>
        <translation>Incorporar un archivo PDF
Importar PDF</translation>
    </message>
    <message>
        <source>Add a new header
Add</source>
        <translation>Añadir un numerador nuevo
Añadir</translation>
    </message>
    <message>
        <source>Delete the selected header
Delete</source>
        <translation>Eliminar el numerador seleccionado
Eliminar</translation>
    </message>
    <message>
        <source>Zoom In
Zoom In</source>
        <translation>Ampliar
Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out
Zoom Out</source>
        <translation>Reducir
Reducir</translation>
    </message>
    <message>
        <source>English - inches</source>
        <translation>Imperial - pulgadas</translation>
    </message>
    <message>
        <source>Metric - millimeters</source>
        <translation>Métrico - milímetros</translation>
    </message>
    <message>
        <source>Removes the PDF graphic from the template
Clear PDF</source>
        <translation>Quita el gráfico PDF de la plantilla
Quitar PDF</translation>
    </message>
    <message>
        <source>Write the print job to a PDF file
Export PDF</source>
        <translation>Escribir el trabajo de impresión en un archivo PDF
Exportar a PDF</translation>
    </message>
    <message>
        <source>Tallimark</source>
        <translation>Tallimark</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crear un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guardar el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostrar páginas completas
Vista preliminar</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar la selección en el portapapeles
Copiar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insertar el contenido del portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Seleccionar todo el documento
Seleccionar todo</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshacer la última acción
Deshacer</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rehacer la última acción deshecha
Rehacer</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos
Salir</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAY</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Se eliminaron las entradas del registro del sistema y se borró el archivo INI (si existía).</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>No se eliminaron todas las entradas del registro del sistema (o el archivo INI).</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The Tallimark User Guide is not installed. It comes with the program in share/tallimark/guide beside its bin folder, for example /usr/share/tallimark/guide/index.html.</source>
        <translation>La Guía del usuario de Tallimark no está instalada. Se distribuye con el programa en share/tallimark/guide junto a su carpeta bin, por ejemplo /usr/share/tallimark/guide/index.html.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the Tallimark User Guide.

Open this file in a browser to read it:
%1</source>
        <translation>No se pudo iniciar ningún navegador web para mostrar la Guía del usuario de Tallimark.

Abra este archivo en un navegador para leerla:
%1</translation>
    </message>
</context>
<context>
    <name>WriteJobPdf</name>
    <message>
        <source>The template&apos;s paper has no size.</source>
        <translation>El papel de la plantilla no tiene tamaño.</translation>
    </message>
    <message>
        <source>The PDF background could not be copied as it is (%1), and at %2 dots per inch the paper is too large or too small to print it as a picture. Nothing was printed.</source>
        <translation>El fondo PDF no se pudo copiar tal cual (%1), y a %2 puntos por pulgada el papel es demasiado grande o demasiado pequeño para imprimirlo como imagen. No se imprimió nada.</translation>
    </message>
    <message>
        <source>The PDF background could not be read (%1). Nothing was printed.</source>
        <translation>No se pudo leer el fondo PDF (%1). No se imprimió nada.</translation>
    </message>
    <message>
        <source>The PDF background could not be copied as it is (%1), so it is printed as a picture at %2 dots per inch.</source>
        <translation>El fondo PDF no se pudo copiar tal cual (%1), así que se imprime como imagen a %2 puntos por pulgada.</translation>
    </message>
    <message>
        <source>Could not write the file %1.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Could not create the file %1: %2.</source>
        <translation>No se pudo crear el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2.</source>
        <translation>No se pudo escribir el archivo %1: %2.</translation>
    </message>
</context>
</TS>
