<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>lexmint::AboutDialog</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>For the latest information on the product see the product&apos;s web page:</source>
        <translation>Encontrará la información más reciente sobre el producto en su página web:</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. Lex Mint is free software: you may copy, change and share it under the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Copyright © 2026 %1. Lex Mint es software libre: puede copiarlo, modificarlo y compartirlo según la Licencia Pública General de GNU, versión 3 o posterior. Se distribuye sin ninguna garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cannot launch your default Internet browser. Make sure that you have a browser installed and set up correctly.</source>
        <translation>No se puede iniciar el navegador de Internet predeterminado. Compruebe que hay un navegador instalado y configurado correctamente.</translation>
    </message>
    <message>
        <source>Cannot Run Program</source>
        <translation>No se puede ejecutar el programa</translation>
    </message>
    <message>
        <source>Make building your vocabulary fun!</source>
        <translation>¡Ampliar su vocabulario es divertido!</translation>
    </message>
</context>
<context>
    <name>lexmint::AnswerLog</name>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>La entrada ya no está en el vocabulario.</translation>
    </message>
</context>
<context>
    <name>lexmint::CommandLine</name>
    <message>
        <source>Usage: lexmint [/add | /test] [filename]</source>
        <translation>Uso: lexmint [/add | /test] [archivo]</translation>
    </message>
</context>
<context>
    <name>lexmint::DataSource</name>
    <message>
        <source>The vocabulary has no table or query named &quot;%1&quot;.</source>
        <translation>El vocabulario no tiene ninguna tabla ni consulta llamada «%1».</translation>
    </message>
    <message>
        <source>There is no new or changed row to write.</source>
        <translation>No hay ninguna fila nueva o modificada que escribir.</translation>
    </message>
    <message>
        <source>There is no current row.</source>
        <translation>No hay ninguna fila actual.</translation>
    </message>
</context>
<context>
    <name>lexmint::Database</name>
    <message>
        <source>The database engine could not be configured safely.</source>
        <translation>No se pudo configurar de forma segura el motor de base de datos.</translation>
    </message>
    <message>
        <source>The table %1 has no column %2.</source>
        <translation>La tabla %1 no tiene ninguna columna %2.</translation>
    </message>
    <message>
        <source>Property &quot;%1&quot; does not exist.</source>
        <translation>La propiedad «%1» no existe.</translation>
    </message>
    <message>
        <source>Property &quot;%1&quot; does not hold a long integer.</source>
        <translation>La propiedad «%1» no contiene un entero largo.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>No hay ningún archivo abierto.</translation>
    </message>
    <message>
        <source>There is not enough memory for a copy of the file.</source>
        <translation>No hay memoria suficiente para una copia del archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>El archivo «%1» ya existe.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>The disk is full: there is no room for &quot;%1&quot;.</source>
        <translation>El disco está lleno: no hay sitio para «%1».</translation>
    </message>
</context>
<context>
    <name>lexmint::DelimitedReader</name>
    <message>
        <source>A quoted field begins here and is never closed; nothing from here on was read.</source>
        <translation>Aquí empieza un campo entre comillas que nunca se cierra; no se ha leído nada a partir de aquí.</translation>
    </message>
</context>
<context>
    <name>lexmint::DelimitedText</name>
    <message>
        <source>tab</source>
        <translation>tabulador</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>barra vertical</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>dos puntos</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryForm</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Add New Entry</source>
        <translation>Añadir una entrada nueva</translation>
    </message>
    <message>
        <source>Enter the foreign word/phrase here</source>
        <translation>Escriba aquí la palabra o expresión extranjera</translation>
    </message>
    <message>
        <source>Enter the definition of the above word/phrase here</source>
        <translation>Escriba aquí la definición de la palabra o expresión de arriba</translation>
    </message>
    <message>
        <source>Active keyboard in the current context</source>
        <translation>Teclado activo en este contexto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 - Edit Entry</source>
        <translation>%1 - Editar entrada</translation>
    </message>
    <message>
        <source>Please enter a headword and a definition</source>
        <translation>Escriba una palabra y una definición</translation>
    </message>
    <message>
        <source>An entry can have at most %1 definition lines.</source>
        <translation>Una entrada puede tener como máximo %1 líneas de definición.</translation>
    </message>
    <message>
        <source>Truncate the definition to &quot;%1&quot; ?</source>
        <translation>¿Recortar la definición a «%1»?</translation>
    </message>
    <message>
        <source>Definition Too Long</source>
        <translation>Definición demasiado larga</translation>
    </message>
    <message>
        <source>Please enter a headword!</source>
        <translation>¡Escriba una palabra!</translation>
    </message>
    <message>
        <source>Please enter a definition!</source>
        <translation>¡Escriba una definición!</translation>
    </message>
    <message>
        <source>Create new entry?</source>
        <translation>¿Crear una entrada nueva?</translation>
    </message>
    <message>
        <source>Headword &quot;%1&quot; already in the vocabulary</source>
        <translation>La palabra «%1» ya está en el vocabulario</translation>
    </message>
    <message>
        <source>The entry was not saved.</source>
        <translation>La entrada no se ha guardado.</translation>
    </message>
    <message>
        <source>The changes were not saved.</source>
        <translation>Los cambios no se han guardado.</translation>
    </message>
    <message>
        <source>The entry was not deleted.</source>
        <translation>La entrada no se ha eliminado.</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>¿Descartar los cambios?</translation>
    </message>
    <message>
        <source>Cancel Edit Confirmation</source>
        <translation>Cancelar la edición</translation>
    </message>
    <message>
        <source>Cancel Add Confirmation</source>
        <translation>Cancelar la adición</translation>
    </message>
    <message>
        <source>No vocabulary is open, so nothing was changed.</source>
        <translation>No hay ningún vocabulario abierto, así que no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Bad Entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Definitions, one per line</source>
        <translation>Definiciones, una por línea</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Definiciones</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryForms</name>
    <message>
        <source>The headword is being edited in another window.<byte value="xd"/>
Please make your changes after you&apos;ve finished testing.</source>
        <translation>La palabra se está editando en otra ventana.<byte value="xd"/>
Haga los cambios cuando termine la prueba.</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryRules</name>
    <message>
        <source>A headword cannot be empty.</source>
        <translation>Una palabra no puede estar vacía.</translation>
    </message>
    <message>
        <source>A headword can be at most %1 characters long.</source>
        <translation>Una palabra puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A definition line cannot be empty.</source>
        <translation>Una línea de definición no puede estar vacía.</translation>
    </message>
    <message>
        <source>A definition line can be at most %1 characters long.</source>
        <translation>Una línea de definición puede tener como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryWriter</name>
    <message>
        <source>An entry has from 1 to %1 definition lines.</source>
        <translation>Una entrada tiene de 1 a %1 líneas de definición.</translation>
    </message>
    <message>
        <source>The entry to add lines to no longer exists.</source>
        <translation>La entrada a la que se iban a añadir líneas ya no existe.</translation>
    </message>
</context>
<context>
    <name>lexmint::ExportDialog</name>
    <message>
        <source>Export Words</source>
        <translation>Exportar palabras</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Todas las entradas</translation>
    </message>
    <message>
        <source>Start with a &amp;byte order mark (for spreadsheet programs)</source>
        <translation>Empezar con una marca de &amp;orden de bytes (para hojas de cálculo)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>E&amp;ntries:</source>
        <translation>&amp;Entradas:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
</context>
<context>
    <name>lexmint::FileFormat</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file but, for example, a named pipe or a device, which cannot hold a vocabulary.</source>
        <translation>«%1» no es un archivo normal sino, por ejemplo, una tubería con nombre o un dispositivo, que no puede contener un vocabulario.</translation>
    </message>
</context>
<context>
    <name>lexmint::FileKind</name>
    <message>
        <source>CSV file</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>Tab-separated text</source>
        <translation>Texto separado por tabuladores</translation>
    </message>
    <message>
        <source>Flash-card text</source>
        <translation>Texto de tarjetas de memoria</translation>
    </message>
    <message>
        <source>KVTML file</source>
        <translation>Archivo KVTML</translation>
    </message>
</context>
<context>
    <name>lexmint::FileSoundness</name>
    <message>
        <source>The vocabulary file is damaged, so Lex Mint keeps it read-only and writes nothing into it.</source>
        <translation>El archivo de vocabulario está dañado, así que Lex Mint lo mantiene de solo lectura y no escribe nada en él.</translation>
    </message>
    <message>
        <source>The vocabulary file contains triggers that Lex Mint did not create (%1), so Lex Mint keeps it read-only and writes nothing into it.</source>
        <translation>El archivo de vocabulario contiene disparadores que Lex Mint no creó (%1), así que Lex Mint lo mantiene de solo lectura y no escribe nada en él.</translation>
    </message>
    <message>
        <source>The vocabulary file could not be prepared for use, so Lex Mint keeps it read-only: %1</source>
        <translation>No se ha podido preparar el archivo de vocabulario para su uso, así que Lex Mint lo mantiene de solo lectura: %1</translation>
    </message>
</context>
<context>
    <name>lexmint::FirstRunDialog</name>
    <message>
        <source>Welcome to Lex Mint!</source>
        <translation>¡Bienvenido a Lex Mint!</translation>
    </message>
    <message>
        <source>Now that you&apos;ve launched Lex Mint for the first time, please choose a vocabulary that you want to start with:</source>
        <translation>Acaba de iniciar Lex Mint por primera vez. Elija el vocabulario con el que quiere empezar:</translation>
    </message>
    <message>
        <source>Start With</source>
        <translation>Empezar con</translation>
    </message>
    <message>
        <source>&amp;New Vocabulary</source>
        <translation>&amp;Nuevo vocabulario</translation>
    </message>
    <message>
        <source>&amp;Sample Vocabulary:</source>
        <translation>Vocabulario de &amp;ejemplo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>lexmint::FlashCardReader</name>
    <message>
        <source>The header line &quot;#%1:&quot; was ignored.</source>
        <translation>Se ha omitido la línea de cabecera «#%1:».</translation>
    </message>
</context>
<context>
    <name>lexmint::HelpWindow</name>
    <message>
        <source>the current folder</source>
        <translation>la carpeta actual</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is not installed&lt;/h2&gt;&lt;p&gt;The help files &lt;code&gt;lexmint.qch&lt;/code&gt; and &lt;code&gt;lexmint.qhc&lt;/code&gt; were not found in %1. Installing Lex Mint again brings them back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La ayuda no está instalada&lt;/h2&gt;&lt;p&gt;No se han encontrado los archivos de ayuda &lt;code&gt;lexmint.qch&lt;/code&gt; y &lt;code&gt;lexmint.qhc&lt;/code&gt; en %1. Si vuelve a instalar Lex Mint, se recuperan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Lex Mint Help</source>
        <translation>Ayuda de Lex Mint</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Búsqueda</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>B&amp;uscar:</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>Busca&amp;r</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Preparing the search...</source>
        <translation>Preparando la búsqueda...</translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation>Ningún tema contiene estas palabras.</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportDialog</name>
    <message>
        <source>Import Words - %1</source>
        <translation>Importar palabras - %1</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Definition lines</source>
        <translation>Líneas de definición</translation>
    </message>
    <message>
        <source>Refused because</source>
        <translation>Rechazada porque</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>CSV text</source>
        <translation>Texto CSV</translation>
    </message>
    <message>
        <source>Tab-separated text</source>
        <translation>Texto separado por tabuladores</translation>
    </message>
    <message>
        <source>Flash-card text</source>
        <translation>Texto de tarjetas de memoria</translation>
    </message>
    <message>
        <source>KVTML</source>
        <translation>Archivo KVTML</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>The first row holds column &amp;titles</source>
        <translation>La primera fila contiene los &amp;títulos de columna</translation>
    </message>
    <message>
        <source>The fields are &amp;HTML</source>
        <translation>Los campos son &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificación:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Line breaks only</source>
        <translation>Solo en los saltos de línea</translation>
    </message>
    <message>
        <source>Line breaks and &quot;; &quot;</source>
        <translation>Saltos de línea y «; »</translation>
    </message>
    <message>
        <source>Line breaks and &quot;, &quot;</source>
        <translation>Saltos de línea y «, »</translation>
    </message>
    <message>
        <source>Line breaks and &quot;/&quot;</source>
        <translation>Saltos de línea y «/»</translation>
    </message>
    <message>
        <source>Head&amp;word:</source>
        <translation>&amp;Palabra:</translation>
    </message>
    <message>
        <source>&amp;Definition lines:</source>
        <translation>&amp;Líneas de definición:</translation>
    </message>
    <message>
        <source>S&amp;plit definitions at:</source>
        <translation>&amp;Dividir las definiciones en:</translation>
    </message>
    <message>
        <source>A headword already in the vocabulary</source>
        <translation>Una palabra que ya está en el vocabulario</translation>
    </message>
    <message>
        <source>&amp;Merge: add its new definition lines</source>
        <translation>F&amp;usionar: añadir sus líneas de definición nuevas</translation>
    </message>
    <message>
        <source>S&amp;kip the row</source>
        <translation>&amp;Omitir la fila</translation>
    </message>
    <message>
        <source>&amp;Add another entry</source>
        <translation>Crear otra &amp;entrada</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automático (%1)</translation>
    </message>
    <message>
        <source>Rows: %1 to import, %2 refused.</source>
        <translation>Filas: %1 para importar, %2 rechazadas.</translation>
    </message>
    <message>
        <source>The fields hold HTML markup; tick &quot;The fields are HTML&quot; to read it as HTML.</source>
        <translation>Los campos contienen marcas HTML; marque «Los campos son HTML» para leerlos como HTML.</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportPlan</name>
    <message>
        <source>The file has %1 columns; the chosen columns are not among them.</source>
        <translation>El archivo tiene %1 columnas; las columnas elegidas no están entre ellas.</translation>
    </message>
    <message>
        <source>A vocabulary is not a word list to import.</source>
        <translation>Un vocabulario no es una lista de palabras para importar.</translation>
    </message>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>El archivo no contiene filas para importar.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportReport</name>
    <message>
        <source>%1 added, %2 merged</source>
        <translation>%1 añadidas, %2 fusionadas</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 omitidas</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 rechazadas</translation>
    </message>
    <message>
        <source>Import of %1
%2.
</source>
        <translation>Importación de %1
%2.
</translation>
    </message>
    <message>
        <source>
Refused rows:
</source>
        <translation>
Filas rechazadas:
</translation>
    </message>
    <message>
        <source>Line %1: %2
</source>
        <translation>Línea %1: %2
</translation>
    </message>
    <message>
        <source>
Notes:
</source>
        <translation>
Notas:
</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportReportDialog</name>
    <message>
        <source>Import Report</source>
        <translation>Informe de importación</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save Import Report</source>
        <translation>Guardar el informe de importación</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportedEntry</name>
    <message>
        <source>The headword is empty.</source>
        <translation>La palabra está vacía.</translation>
    </message>
    <message>
        <source>The headword runs over more than one line.</source>
        <translation>La palabra ocupa más de una línea.</translation>
    </message>
    <message>
        <source>There is no definition.</source>
        <translation>No hay ninguna definición.</translation>
    </message>
    <message>
        <source>There are %1 definition lines; an entry holds at most %2.</source>
        <translation>Hay %1 líneas de definición; una entrada admite como máximo %2.</translation>
    </message>
</context>
<context>
    <name>lexmint::InterchangeCommands</name>
    <message>
        <source>Import Words</source>
        <translation>Importar palabras</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Exportar palabras</translation>
    </message>
    <message>
        <source>Word lists (%1)</source>
        <translation>Listas de palabras (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The vocabulary file is read-only, so no words can be imported into it.</source>
        <translation>El archivo de vocabulario es de solo lectura, así que no se pueden importar palabras en él.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Importing words...</source>
        <translation>Importando palabras...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import cancelled; the vocabulary was not changed.</source>
        <translation>Importación cancelada; el vocabulario no se ha cambiado.</translation>
    </message>
    <message>
        <source>The words could not be imported: %1<byte value="xd"/>The vocabulary was not changed.</source>
        <translation>No se han podido importar las palabras: %1<byte value="xd"/>El vocabulario no se ha cambiado.</translation>
    </message>
    <message>
        <source>Imported: %1.</source>
        <translation>Importadas: %1.</translation>
    </message>
    <message>
        <source>Choose one of the file types offered: CSV, tab-separated, flash-card text or KVTML.</source>
        <translation>Elija uno de los tipos de archivo ofrecidos: CSV, texto separado por tabuladores, texto de tarjetas de memoria o KVTML.</translation>
    </message>
    <message>
        <source>The entries could not be read: %1</source>
        <translation>No se han podido leer las entradas: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n entrada exportada a %1.</numerusform>
            <numerusform>%n entradas exportadas a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardCatalogue</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Language Neutral</source>
        <translation>Neutro</translation>
    </message>
    <message>
        <source>Process Default Language</source>
        <translation>Idioma predeterminado del proceso</translation>
    </message>
    <message>
        <source>Arabic (Saudi Arabia)</source>
        <translation>Árabe (Arabia Saudí)</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalán</translation>
    </message>
    <message>
        <source>Chinese (Taiwan)</source>
        <translation>Chino (Taiwán)</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Alemán (estándar)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Inglés (Estados Unidos)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Español (orden tradicional)</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Francés (estándar)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandés</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italiano (estándar)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Neerlandés (Países Bajos)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Noruego (bokmal)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Urdu (Pakistan)</source>
        <translation>Urdu (Pakistán)</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Belarussian</source>
        <translation>Bielorruso</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonio</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letón</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenio</translation>
    </message>
    <message>
        <source>Azeri (Latin)</source>
        <translation>Azerí (latino)</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Vasco</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macedonio</translation>
    </message>
    <message>
        <source>Sutu</source>
        <translation>Sesoto</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikáans</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgiano</translation>
    </message>
    <message>
        <source>Faeroese</source>
        <translation>Feroés</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Malay (Malaysian)</source>
        <translation>Malayo (Malasia)</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazajo</translation>
    </message>
    <message>
        <source>Swahili (Kenya)</source>
        <translation>Suajili (Kenia)</translation>
    </message>
    <message>
        <source>Uzbek (Latin)</source>
        <translation>Uzbeko (latino)</translation>
    </message>
    <message>
        <source>Tatar (Tatarstan)</source>
        <translation>Tártaro (Tartaristán)</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalí</translation>
    </message>
    <message>
        <source>Punjabi</source>
        <translation>Panyabí</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Guyaratí</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Canarés</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Assamese</source>
        <translation>Asamés</translation>
    </message>
    <message>
        <source>Marathi</source>
        <translation>Maratí</translation>
    </message>
    <message>
        <source>Sanskrit</source>
        <translation>Sánscrito</translation>
    </message>
    <message>
        <source>Burmese</source>
        <translation>Birmano</translation>
    </message>
    <message>
        <source>Konkani</source>
        <translation>Konkaní</translation>
    </message>
    <message>
        <source>Manipuri</source>
        <translation>Manipurí</translation>
    </message>
    <message>
        <source>Sindhi</source>
        <translation>Sindi</translation>
    </message>
    <message>
        <source>Arabic (Iraq)</source>
        <translation>Árabe (Irak)</translation>
    </message>
    <message>
        <source>Chinese (PRC)</source>
        <translation>Chino (RPC)</translation>
    </message>
    <message>
        <source>German (Switzerland)</source>
        <translation>Alemán (Suiza)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Inglés (Reino Unido)</translation>
    </message>
    <message>
        <source>Spanish (Mexican)</source>
        <translation>Español (México)</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Francés (Bélgica)</translation>
    </message>
    <message>
        <source>Italian (Switzerland)</source>
        <translation>Italiano (Suiza)</translation>
    </message>
    <message>
        <source>Korean (Johab)</source>
        <translation>Coreano (Johab)</translation>
    </message>
    <message>
        <source>Dutch (Belgium)</source>
        <translation>Neerlandés (Bélgica)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Noruego (nynorsk)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Portugués (estándar)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Serbio (latino)</translation>
    </message>
    <message>
        <source>Swedish (Finland)</source>
        <translation>Sueco (Finlandia)</translation>
    </message>
    <message>
        <source>Urdu (India)</source>
        <translation>Urdu (India)</translation>
    </message>
    <message>
        <source>Lithuanian (Classic)</source>
        <translation>Lituano (clásico)</translation>
    </message>
    <message>
        <source>Azeri (Cyrillic)</source>
        <translation>Azerí (cirílico)</translation>
    </message>
    <message>
        <source>Malay (Brunei Darussalam)</source>
        <translation>Malayo (Brunéi Darussalam)</translation>
    </message>
    <message>
        <source>Uzbek (Cyrillic)</source>
        <translation>Uzbeko (cirílico)</translation>
    </message>
    <message>
        <source>Kashmiri (India)</source>
        <translation>Cachemir (India)</translation>
    </message>
    <message>
        <source>Nepali (India)</source>
        <translation>Nepalí (India)</translation>
    </message>
    <message>
        <source>Arabic (Egypt)</source>
        <translation>Árabe (Egipto)</translation>
    </message>
    <message>
        <source>Chinese (Hong Kong SAR, PRC)</source>
        <translation>Chino (Hong Kong RAE, RPC)</translation>
    </message>
    <message>
        <source>German (Austria)</source>
        <translation>Alemán (Austria)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Inglés (Australia)</translation>
    </message>
    <message>
        <source>Spanish (Modern Sort)</source>
        <translation>Español (orden moderno)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Francés (Canadá)</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Serbio (cirílico)</translation>
    </message>
    <message>
        <source>Arabic (Libya)</source>
        <translation>Árabe (Libia)</translation>
    </message>
    <message>
        <source>Chinese (Singapore)</source>
        <translation>Chino (Singapur)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Alemán (Luxemburgo)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Inglés (Canadá)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Español (Guatemala)</translation>
    </message>
    <message>
        <source>French (Switzerland)</source>
        <translation>Francés (Suiza)</translation>
    </message>
    <message>
        <source>Arabic (Algeria)</source>
        <translation>Árabe (Argelia)</translation>
    </message>
    <message>
        <source>Chinese (Macau)</source>
        <translation>Chino (Macao)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Alemán (Liechtenstein)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Inglés (Nueva Zelanda)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Español (Costa Rica)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Francés (Luxemburgo)</translation>
    </message>
    <message>
        <source>Arabic (Morocco)</source>
        <translation>Árabe (Marruecos)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Inglés (Irlanda)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Español (Panamá)</translation>
    </message>
    <message>
        <source>French (Monaco)</source>
        <translation>Francés (Mónaco)</translation>
    </message>
    <message>
        <source>Arabic (Tunisia)</source>
        <translation>Árabe (Túnez)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Inglés (Sudáfrica)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Español (República Dominicana)</translation>
    </message>
    <message>
        <source>Arabic (Oman)</source>
        <translation>Árabe (Omán)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Inglés (Jamaica)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Español (Venezuela)</translation>
    </message>
    <message>
        <source>Arabic (Yemen)</source>
        <translation>Árabe (Yemen)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Inglés (Caribe)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Español (Colombia)</translation>
    </message>
    <message>
        <source>Arabic (Syria)</source>
        <translation>Árabe (Siria)</translation>
    </message>
    <message>
        <source>English (Belize)</source>
        <translation>Inglés (Belice)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Español (Perú)</translation>
    </message>
    <message>
        <source>Arabic (Jordan)</source>
        <translation>Árabe (Jordania)</translation>
    </message>
    <message>
        <source>English (Trinidad)</source>
        <translation>Inglés (Trinidad)</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Español (Argentina)</translation>
    </message>
    <message>
        <source>Arabic (Lebanon)</source>
        <translation>Árabe (Líbano)</translation>
    </message>
    <message>
        <source>English (Zimbabwe)</source>
        <translation>Inglés (Zimbabue)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Español (Ecuador)</translation>
    </message>
    <message>
        <source>Arabic (Kuwait)</source>
        <translation>Árabe (Kuwait)</translation>
    </message>
    <message>
        <source>English (Philippines)</source>
        <translation>Inglés (Filipinas)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Español (Chile)</translation>
    </message>
    <message>
        <source>Arabic (UAE)</source>
        <translation>Árabe (EAU)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Español (Uruguay)</translation>
    </message>
    <message>
        <source>Arabic (Bahrain)</source>
        <translation>Árabe (Baréin)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Español (Paraguay)</translation>
    </message>
    <message>
        <source>Arabic (Qatar)</source>
        <translation>Árabe (Catar)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Español (Bolivia)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Español (El Salvador)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Español (Honduras)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Español (Nicaragua)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Español (Puerto Rico)</translation>
    </message>
    <message>
        <source>Current Desktop Keyboard</source>
        <translation>Teclado actual del escritorio</translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardSelectDialog</name>
    <message>
        <source>Select Keyboard</source>
        <translation>Seleccionar teclado</translation>
    </message>
    <message>
        <source>Please select keyboards that you want to use in the following contexts:</source>
        <translation>Seleccione los teclados que quiere usar en los contextos siguientes:</translation>
    </message>
    <message>
        <source>Keyboard choice</source>
        <translation>Elección de teclado</translation>
    </message>
    <message>
        <source>Headwords</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Definiciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardSwitcher</name>
    <message>
        <source>Keyboard Not Installed</source>
        <translation>Teclado no instalado</translation>
    </message>
    <message>
        <source>The keyboard locale &quot;%1&quot; is not installed or is using a different layout.<byte value="xd"/>
Please adjust your desktop keyboard setting or change the keyboard selection for this vocabulary.</source>
        <translation>El teclado «%1» no está instalado o usa otra distribución.<byte value="xd"/>
Ajuste la configuración de teclado de su escritorio o cambie la selección de teclados de este vocabulario.</translation>
    </message>
    <message>
        <source>Keyboard Layouts</source>
        <translation>Distribuciones de teclado</translation>
    </message>
    <message>
        <source>This desktop does not let programs switch the keyboard layout, so Lex Mint cannot switch to the layouts this vocabulary asks for.<byte value="xd"/>
The status bar still names the layout each field wants. Switch to it by hand with your desktop&apos;s keyboard layout indicator or its shortcut (often Super+Space).</source>
        <translation>Este escritorio no permite que los programas cambien la distribución del teclado, así que Lex Mint no puede cambiar a las distribuciones que pide este vocabulario.<byte value="xd"/>
La barra de estado sigue indicando la distribución que espera cada campo. Cámbiela a mano con el indicador de teclado de su escritorio o su atajo (a menudo Súper+Espacio).</translation>
    </message>
</context>
<context>
    <name>lexmint::KeysetRows</name>
    <message>
        <source>The test mode &quot;%1&quot; does not list the entries&apos; IDs.</source>
        <translation>El modo de prueba «%1» no incluye los ID de las entradas.</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; was left out.</source>
        <translation>Se ha dejado fuera el modo de prueba «%1».</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; returns too many rows.</source>
        <translation>El modo de prueba «%1» devuelve demasiadas filas.</translation>
    </message>
</context>
<context>
    <name>lexmint::KvtmlReader</name>
    <message>
        <source>The file is not well-formed XML at line %1: %2</source>
        <translation>El archivo no es XML bien formado en la línea %1: %2</translation>
    </message>
    <message>
        <source>The file declares XML entities, which a word list never needs; it was not read.</source>
        <translation>El archivo declara entidades XML, que una lista de palabras nunca necesita; no se ha leído.</translation>
    </message>
    <message>
        <source>This is not a KVTML 2.0 file.</source>
        <translation>No es un archivo KVTML 2.0.</translation>
    </message>
    <message>
        <source>The file refers to the XML entity &quot;%1&quot;, which it does not declare; it was not read.</source>
        <translation>El archivo hace referencia a la entidad XML «%1», que no declara; no se ha leído.</translation>
    </message>
    <message>
        <source>An identifier without a numeric id was ignored.</source>
        <translation>Se ha omitido un identificador sin id numérico.</translation>
    </message>
    <message>
        <source>Identifier %1</source>
        <translation>Identificador %1</translation>
    </message>
    <message>
        <source>Translations without a numeric id were ignored.</source>
        <translation>Se han omitido traducciones sin id numérico.</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>The entry has no translation of the file&apos;s identifiers.</source>
        <translation>La entrada no tiene ninguna traducción de los identificadores del archivo.</translation>
    </message>
</context>
<context>
    <name>lexmint::LinePositions</name>
    <message>
        <source>The vocabulary is not open.</source>
        <translation>El vocabulario no está abierto.</translation>
    </message>
    <message>
        <source>The vocabulary has more definition lines than can be shown.</source>
        <translation>El vocabulario tiene más líneas de definición de las que se pueden mostrar.</translation>
    </message>
</context>
<context>
    <name>lexmint::MainWindow</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
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
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Lex Mint</source>
        <translation>&amp;Acerca de Lex Mint</translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation>&amp;Vocabulario</translation>
    </message>
    <message>
        <source>&amp;Entry</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>Ve&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Active Keyboard</source>
        <translation>Teclado activo</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source> (hidden while testing) </source>
        <translation> (oculto durante la prueba) </translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Computing the review schedule from the recorded answers...</source>
        <translation>Calculando el calendario de repasos a partir de las respuestas guardadas...</translation>
    </message>
</context>
<context>
    <name>lexmint::MistakeDialog</name>
    <message>
        <source>Mistaken Answer</source>
        <translation>Respuesta equivocada</translation>
    </message>
    <message>
        <source>The correct answer is:</source>
        <translation>La respuesta correcta es:</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Su respuesta:</translation>
    </message>
    <message>
        <source>Characters typed wrongly are marked red, extra ones are also struck through, and characters left out are shown underlined in green.</source>
        <translation>Los caracteres mal escritos se marcan en rojo, los sobrantes además se tachan y los que faltan se muestran subrayados en verde.</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>&amp;Count as Correct</source>
        <translation>&amp;Contar como correcta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
</context>
<context>
    <name>lexmint::NativeStatement</name>
    <message>
        <source>The vocabulary is not open.</source>
        <translation>El vocabulario no está abierto.</translation>
    </message>
</context>
<context>
    <name>lexmint::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Customize Startup Options</source>
        <translation>Personalizar las opciones de inicio</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulario</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>&amp;Last Open</source>
        <translation>Ú&amp;ltimo abierto</translation>
    </message>
    <message>
        <source>This &amp;Vocabulary:</source>
        <translation>Este &amp;vocabulario:</translation>
    </message>
    <message>
        <source>&amp;Use Current Vocabulary</source>
        <translation>&amp;Usar el vocabulario actual</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Start With</source>
        <translation>Empezar con</translation>
    </message>
    <message>
        <source>&amp;Data Sheet</source>
        <translation>&amp;Hoja de datos</translation>
    </message>
    <message>
        <source>&amp;Entry Form</source>
        <translation>&amp;Formulario de entrada</translation>
    </message>
    <message>
        <source>&amp;Test Form</source>
        <translation>Formulario de &amp;prueba</translation>
    </message>
    <message>
        <source>New Vocabulary</source>
        <translation>Vocabulario nuevo</translation>
    </message>
    <message>
        <source>Set default properties for newly created vocabularies</source>
        <translation>Establecer las propiedades predeterminadas de los vocabularios nuevos</translation>
    </message>
    <message>
        <source>Entry Form</source>
        <translation>Formulario de entrada</translation>
    </message>
    <message>
        <source>Customize Entry Form Behavior</source>
        <translation>Personalizar el comportamiento del formulario de entrada</translation>
    </message>
    <message>
        <source>Entry Form Behavior</source>
        <translation>Comportamiento del formulario de entrada</translation>
    </message>
    <message>
        <source>&amp;Cursor keys and Enter move between form fields</source>
        <translation>Las teclas de &amp;cursor e Intro pasan de un campo a otro</translation>
    </message>
    <message>
        <source>&amp;Pressing Enter twice in the definition field submits the entry</source>
        <translation>Pulsar &amp;Intro dos veces en el campo de definición envía la entrada</translation>
    </message>
    <message>
        <source>Select Startup Database</source>
        <translation>Seleccionar el vocabulario de inicio</translation>
    </message>
</context>
<context>
    <name>lexmint::PathTitles</name>
    <message>
        <source>Lex Mint File (*.lxm)</source>
        <translation>Archivo de Lex Mint (*.lxm)</translation>
    </message>
    <message>
        <source>Lex Mint 2.0 File (*.mdb)</source>
        <translation>Archivo de Lex Mint 2.0 (*.mdb)</translation>
    </message>
</context>
<context>
    <name>lexmint::ProgressCharts</name>
    <message>
        <source>Answers per day</source>
        <translation>Respuestas por día</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrectas</translation>
    </message>
    <message>
        <source>Words by memory strength</source>
        <translation>Palabras según su solidez en la memoria</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>Hace %1 días</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevas</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En aprendizaje</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Conocidas</translation>
    </message>
    <message>
        <source>Well known</source>
        <translation>Bien conocidas</translation>
    </message>
    <message>
        <source>Reviews due</source>
        <translation>Repasos pendientes</translation>
    </message>
    <message>
        <source>Due (today&apos;s with the overdue)</source>
        <translation>Pendientes (hoy, con los atrasados)</translation>
    </message>
    <message>
        <source>Answered right per week</source>
        <translation>Aciertos por semana</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Target %1 %</source>
        <translation>Objetivo %1 %</translation>
    </message>
</context>
<context>
    <name>lexmint::ProgressWindow</name>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Guardar como &amp;imagen...</translation>
    </message>
    <message>
        <source>No answers are recorded in this vocabulary yet.

Take a test, and how you are getting on will show here: your answers day by day, how firmly you know your words, and the reviews to come.</source>
        <translation>Todavía no hay respuestas guardadas en este vocabulario.

Haga una prueba y aquí verá cómo avanza: sus respuestas día a día, lo bien que conoce sus palabras y los repasos que vienen.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico como %1.</translation>
    </message>
</context>
<context>
    <name>lexmint::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Options for the open vocabulary</source>
        <translation>Opciones del vocabulario abierto</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Statistical information for the open vocabulary</source>
        <translation>Información estadística del vocabulario abierto</translation>
    </message>
    <message>
        <source>Record Counts</source>
        <translation>Número de registros</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Due today:</source>
        <translation>Pendientes hoy:</translation>
    </message>
    <message>
        <source>Known:</source>
        <translation>Conocidas:</translation>
    </message>
</context>
<context>
    <name>lexmint::QuickFindDialog</name>
    <message>
        <source>Quick Find</source>
        <translation>Búsqueda rápida</translation>
    </message>
</context>
<context>
    <name>lexmint::ResultDialog</name>
    <message>
        <source>Test Result</source>
        <translation>Resultado de la prueba</translation>
    </message>
    <message>
        <source>Testing Mode</source>
        <translation>Modo de prueba</translation>
    </message>
    <message>
        <source>Correct Answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Incorrect Answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Total Tested</source>
        <translation>Total evaluado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>lexmint::RowWriter</name>
    <message>
        <source>%1 has no writable column %2.</source>
        <translation>%1 no tiene ninguna columna %2 modificable.</translation>
    </message>
    <message>
        <source>The row to change no longer exists.</source>
        <translation>La fila que se iba a cambiar ya no existe.</translation>
    </message>
    <message>
        <source>The row to delete no longer exists.</source>
        <translation>La fila que se iba a eliminar ya no existe.</translation>
    </message>
    <message>
        <source>A headword cannot be empty.</source>
        <translation>Una palabra no puede estar vacía.</translation>
    </message>
    <message>
        <source>A definition line needs its entry and its text.</source>
        <translation>Una línea de definición necesita su entrada y su texto.</translation>
    </message>
    <message>
        <source>The vocabulary has no entry numbers left: the file already holds the highest number an entry can have (%1), so no entry can be added to it. Create a new vocabulary for further entries.</source>
        <translation>El vocabulario no tiene más números de entrada libres: el archivo ya contiene el número más alto que puede tener una entrada (%1), así que no se pueden añadir entradas. Cree un vocabulario nuevo para las siguientes entradas.</translation>
    </message>
</context>
<context>
    <name>lexmint::SampleVocabulary</name>
    <message>
        <source>Spanish-English</source>
        <translation>Español-inglés</translation>
    </message>
    <message>
        <source>French-English</source>
        <translation>Francés-inglés</translation>
    </message>
    <message>
        <source>German-English</source>
        <translation>Alemán-inglés</translation>
    </message>
    <message>
        <source>Advanced English</source>
        <translation>Inglés avanzado</translation>
    </message>
</context>
<context>
    <name>lexmint::ScheduleSchema</name>
    <message>
        <source>The vocabulary template could not be read.</source>
        <translation>No se pudo leer la plantilla de vocabulario.</translation>
    </message>
</context>
<context>
    <name>lexmint::SplashWindow</name>
    <message>
        <source>Your own vocabulary, word by word</source>
        <translation>Su propio vocabulario, palabra a palabra</translation>
    </message>
</context>
<context>
    <name>lexmint::SqlQuery</name>
    <message>
        <source>The vocabulary is in use by another program. Nothing was changed; try again once the other program has finished with it.</source>
        <translation>Otro programa está usando el vocabulario. No se ha cambiado nada; vuelva a intentarlo cuando el otro programa termine.</translation>
    </message>
    <message>
        <source>The vocabulary file is read-only, so the change was not saved.</source>
        <translation>El archivo de vocabulario es de solo lectura, así que el cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>El disco está lleno, así que el cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 was replaced by another file after it was opened, so the change was not saved.</source>
        <translation>El archivo de vocabulario %1 se ha sustituido por otro archivo después de abrirlo, así que el cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 is no longer there; it was moved or deleted.</source>
        <translation>El archivo de vocabulario %1 ya no está; se ha movido o eliminado.</translation>
    </message>
    <message>
        <source>The folder of the vocabulary file is read-only. Saving a change needs a temporary journal file beside the vocabulary, so the change was not saved, although the file itself could be written.</source>
        <translation>La carpeta del archivo de vocabulario es de solo lectura. Guardar un cambio necesita un archivo de registro temporal junto al vocabulario, así que el cambio no se ha guardado, aunque el propio archivo se podría escribir.</translation>
    </message>
    <message>
        <source>The vocabulary file is damaged.</source>
        <translation>El archivo de vocabulario está dañado.</translation>
    </message>
</context>
<context>
    <name>lexmint::StartPage</name>
    <message>
        <source>Build your own vocabulary and drill it.</source>
        <translation>Cree su propio vocabulario y practíquelo.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>New Vocabulary...</source>
        <translation>Vocabulario nuevo...</translation>
    </message>
    <message>
        <source>Open Vocabulary...</source>
        <translation>Abrir vocabulario...</translation>
    </message>
    <message>
        <source>Recent Vocabularies</source>
        <translation>Vocabularios recientes</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Opens a copy of your own</source>
        <translation>Abre una copia propia</translation>
    </message>
</context>
<context>
    <name>lexmint::TabbedDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>lexmint::TestModes</name>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Never Tested</source>
        <translation>Nunca probadas</translation>
    </message>
    <message>
        <source>Last Answer Wrong</source>
        <translation>Última respuesta incorrecta</translation>
    </message>
    <message>
        <source>Not Tested for a Week</source>
        <translation>Sin probar desde hace una semana</translation>
    </message>
    <message>
        <source>Worst Answered</source>
        <translation>Peor respondidas</translation>
    </message>
    <message>
        <source>Random Order</source>
        <translation>Orden aleatorio</translation>
    </message>
    <message>
        <source>Due for Review</source>
        <translation>Pendientes de repaso</translation>
    </message>
    <message>
        <source>Due Today</source>
        <translation>Pendientes hoy</translation>
    </message>
</context>
<context>
    <name>lexmint::TestRun</name>
    <message>
        <source>The test mode &apos;%1&apos; could not be read.<byte value="xd"/>
%2</source>
        <translation>No se ha podido leer el modo de prueba «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No records in mode &apos;%1&apos;</source>
        <translation>No hay registros en el modo «%1»</translation>
    </message>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>La entrada ya no está en el vocabulario.</translation>
    </message>
    <message>
        <source>The next entry could not be read, so the test ends here.<byte value="xd"/>
%1</source>
        <translation>No se ha podido leer la entrada siguiente, así que la prueba termina aquí.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This answer could not be saved in the vocabulary.<byte value="xd"/>
%1<byte value="xd"/>
The test goes on, but answers that cannot be saved leave their entries as they were.</source>
        <translation>Esta respuesta no se ha podido guardar en el vocabulario.<byte value="xd"/>
%1<byte value="xd"/>
La prueba continúa, pero las entradas cuyas respuestas no se pueden guardar se quedan como estaban.</translation>
    </message>
    <message>
        <source>Answer Not Saved</source>
        <translation>Respuesta no guardada</translation>
    </message>
</context>
<context>
    <name>lexmint::TestWindow</name>
    <message>
        <source>No more entries</source>
        <translation>No hay más entradas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Saltar</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>Entry / Mode</source>
        <translation>Entrada / modo</translation>
    </message>
    <message>
        <source>✔ Correct</source>
        <translation>✔ Correcto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Detalles &gt;&gt;</translation>
    </message>
    <message>
        <source>Last Test</source>
        <translation>Última prueba</translation>
    </message>
    <message>
        <source>Last Tested On</source>
        <translation>Última prueba el</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Answered Correctly</source>
        <translation>Respondida correctamente</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>En total</translation>
    </message>
    <message>
        <source>Correct / All Answers</source>
        <translation>Correctas / todas las respuestas</translation>
    </message>
    <message>
        <source>Correct Answers Ratio</source>
        <translation>Proporción de aciertos</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Details</source>
        <translation>&lt;&lt; &amp;Detalles</translation>
    </message>
    <message>
        <source>Created On</source>
        <translation>Creada el</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>✔ Correct: %1</source>
        <translation>✔ Correcto: %1</translation>
    </message>
</context>
<context>
    <name>lexmint::TextDecoder</name>
    <message>
        <source>The encoding &quot;%1&quot; is not known.</source>
        <translation>La codificación «%1» no se conoce.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text at line %2. Choose the encoding it was written in.</source>
        <translation>El archivo no es texto %1 válido en la línea %2. Elija la codificación con la que se escribió.</translation>
    </message>
    <message>
        <source>The file holds NUL characters at line %1, so it is not a text file in %2.</source>
        <translation>El archivo contiene caracteres NUL en la línea %1, así que no es un archivo de texto en %2.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocOptions</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Headwords are &amp;case sensitive</source>
        <translation>Distinguir &amp;mayúsculas en las palabras</translation>
    </message>
    <message>
        <source>&amp;Warn when a headword is not unique</source>
        <translation>&amp;Avisar si una palabra no es única</translation>
    </message>
    <message>
        <source>Keyboards...</source>
        <translation>Teclados...</translation>
    </message>
    <message>
        <source>&amp;Accents may be left out</source>
        <translation>Se pueden &amp;omitir los acentos</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyFile</name>
    <message>
        <source>Read/write of properties in this vocabulary failed. Properties for this vocabulary will not be remembered the next time it is opened.</source>
        <translation>Ha fallado la lectura o escritura de las propiedades de este vocabulario. No se recordarán la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Property Error</source>
        <translation>Error de propiedades</translation>
    </message>
    <message>
        <source>Not a Lex Mint database.</source>
        <translation>No es una base de datos de Lex Mint.</translation>
    </message>
    <message>
        <source>Inconsistency in the Lex Mint database encountered!<byte value="xd"/>Exit the application and try compacting the database in sqlite3.<byte value="xd"/>If the problem persists, contact Lex Mint technical support.</source>
        <translation>¡Se ha encontrado una incoherencia en la base de datos de Lex Mint!<byte value="xd"/>Salga de la aplicación e intente compactar la base de datos en sqlite3.<byte value="xd"/>Si el problema continúa, póngase en contacto con el soporte técnico de Lex Mint.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>The vocabulary could not be read.<byte value="xd"/>
%1</source>
        <translation>No se ha podido leer el vocabulario.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; takes too long to read and was left out</source>
        <translation>El modo de prueba «%1» tarda demasiado en leerse y se ha dejado fuera</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyImporter</name>
    <message>
        <source>Merged into the entry &quot;%1&quot;, its definition would have %2 lines; an entry holds at most %3.</source>
        <translation>Fusionada con la entrada «%1», su definición tendría %2 líneas; una entrada admite como máximo %3.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyModel</name>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>La entrada ya no está en el vocabulario.</translation>
    </message>
    <message>
        <source>Bad Entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyReader</name>
    <message>
        <source>The vocabulary has no test mode &quot;%1&quot;.</source>
        <translation>El vocabulario no tiene ningún modo de prueba «%1».</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyRows</name>
    <message>
        <source>The column %1 cannot be changed here.</source>
        <translation>La columna %1 no se puede cambiar aquí.</translation>
    </message>
    <message>
        <source>Rows of the data sheet cannot be deleted; delete the entry.</source>
        <translation>Las filas de la hoja de datos no se pueden eliminar; elimine la entrada.</translation>
    </message>
    <message>
        <source>Rows cannot be added to the data sheet; add an entry.</source>
        <translation>No se pueden añadir filas a la hoja de datos; añada una entrada.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularySession</name>
    <message>
        <source>Open Vocabulary</source>
        <translation>Abrir vocabulario</translation>
    </message>
    <message>
        <source>SQLite Engine Error %1: %2</source>
        <translation>Error %1 del motor SQLite: %2</translation>
    </message>
    <message>
        <source>Cannot open %1<byte value="xd"/>%2</source>
        <translation>No se puede abrir %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>This is an Access database, such as a vocabulary of an older Lex Mint. This version cannot read that format.</source>
        <translation>Es una base de datos de Access, como un vocabulario de una versión antigua de Lex Mint. Esta versión no puede leer ese formato.</translation>
    </message>
    <message>
        <source>Not a Lex Mint database.</source>
        <translation>No es una base de datos de Lex Mint.</translation>
    </message>
    <message>
        <source>Create New Vocabulary</source>
        <translation>Crear un vocabulario nuevo</translation>
    </message>
    <message>
        <source>Cannot create new database.<byte value="xd"/>Error %1: %2</source>
        <translation>No se puede crear la base de datos nueva.<byte value="xd"/>Error %1: %2</translation>
    </message>
    <message>
        <source>The vocabulary file %1 is damaged. Lex Mint keeps it read-only, so that no more of it is lost: you can look at its entries and test yourself, but nothing is saved in it.<byte value="xd"/><byte value="xd"/>Save what can still be read as a new vocabulary?</source>
        <translation>El archivo de vocabulario %1 está dañado. Lex Mint lo mantiene de solo lectura para que no se pierda nada más: puede ver sus entradas y hacer pruebas, pero no se guarda nada en él.<byte value="xd"/><byte value="xd"/>¿Guardar lo que aún se puede leer como vocabulario nuevo?</translation>
    </message>
    <message>
        <source>The vocabulary file %1 contains triggers that Lex Mint did not create: %2.<byte value="xd"/>They could change or delete entries whenever Lex Mint writes into the file, so Lex Mint keeps it read-only. Remove them with another tool, such as sqlite3, to change the vocabulary in Lex Mint.</source>
        <translation>El archivo de vocabulario %1 contiene disparadores que Lex Mint no creó: %2.<byte value="xd"/>Podrían cambiar o eliminar entradas cada vez que Lex Mint escribe en el archivo, así que Lex Mint lo mantiene de solo lectura. Elimínelos con otra herramienta, como sqlite3, para cambiar el vocabulario en Lex Mint.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 was opened read-only, because it could not be prepared for use:<byte value="xd"/>%2</source>
        <translation>El archivo de vocabulario %1 se ha abierto de solo lectura porque no se ha podido preparar para su uso:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, and Lex Mint can open only files whose names are. Rename the file, for example in the file manager, and open it again.</source>
        <translation>El nombre del archivo no es texto UTF-8 válido, y Lex Mint solo puede abrir archivos cuyo nombre lo sea. Cambie el nombre del archivo, por ejemplo en el gestor de archivos, y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>Save As New Vocabulary</source>
        <translation>Guardar como vocabulario nuevo</translation>
    </message>
    <message>
        <source>The damaged file itself cannot take the entries, since they are read from it. Choose another file.</source>
        <translation>El propio archivo dañado no puede recibir las entradas, ya que se leen de él. Elija otro archivo.</translation>
    </message>
    <message>
        <source>The entries could not be saved.<byte value="xd"/>Error %1: %2</source>
        <translation>No se han podido guardar las entradas.<byte value="xd"/>Error %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were saved in %1.</source>
        <translation>
            <numerusform>Se ha guardado %n entrada en %1.</numerusform>
            <numerusform>Se han guardado %n entradas en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a vocabulary to see how you are getting on with it.</source>
        <translation>Abra un vocabulario para ver cómo avanza con él.</translation>
    </message>
    <message>
        <source>The progress in this vocabulary could not be read.
%1</source>
        <translation>No se pudo leer el progreso de este vocabulario.
%1</translation>
    </message>
</context>
<context>
    <name>lexmint::WordListWriter</name>
    <message>
        <source>A vocabulary is made by importing into it, not by exporting.</source>
        <translation>Un vocabulario se crea importando en él, no exportando.</translation>
    </message>
</context>
</TS>
